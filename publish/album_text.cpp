#include "publish/album_text.h"

#include "exif/summary_fields.h"
#include "exif/summary_values.h"
#include "platform/codepage.h"

#include <cctype>

namespace publish {
namespace {

constexpr std::size_t kNameColumn = 16; // the width of eight full-width characters

// The four placeholders of the picture's own names and data, before the 25 fields.
constexpr std::string_view kNamePlaceholders[] = {"@image@", "@image_s@", "@html@", "@data@"};
constexpr std::size_t kPlaceholderCount = std::size(kNamePlaceholders) + exif::kSummaryFieldCount;
constexpr std::size_t kFileNames = 3; // the picture, its thumbnail and its page

const std::string& Placeholder(std::size_t index) {
    static const std::array<std::string, kPlaceholderCount> placeholders = [] {
        std::array<std::string, kPlaceholderCount> all;
        for (std::size_t i = 0; i < std::size(kNamePlaceholders); ++i) {
            all[i] = kNamePlaceholders[i];
        }
        const auto fields = exif::SummaryFields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            all[std::size(kNamePlaceholders) + i] = "@" + fields[i].name + "@";
        }
        return all;
    }();
    return placeholders[index];
}

// The first place at or after `from` where token starts on a character boundary.
std::size_t FindToken(std::string_view text, std::string_view token, std::size_t from) {
    for (std::size_t pos = from; pos < text.size(); pos += platform::Cp932CharLength(text, pos)) {
        if (text.substr(pos, token.size()) == token) {
            return pos;
        }
    }
    return std::string_view::npos;
}

// A name inside a src or href attribute is a link: the characters that end or change a URL
// there are percent-encoded. Double-byte characters stay, for the browser reads them in the
// page's own encoding, and their trail bytes are never taken for ASCII.
std::string LinkText(std::string_view cp932) {
    static constexpr std::string_view kKept = "-._~/!$&'()*+,;=:@";
    std::string link;
    for (std::size_t pos = 0; pos < cp932.size();) {
        const std::size_t length = platform::Cp932CharLength(cp932, pos);
        const auto c = static_cast<unsigned char>(cp932[pos]);
        if (length == 1 && c < 0x80 && !std::isalnum(c) && kKept.find(cp932[pos]) == kKept.npos) {
            static constexpr char kHex[] = "0123456789ABCDEF";
            link += '%';
            link += kHex[c >> 4];
            link += kHex[c & 0x0F];
        } else {
            link.append(cp932.substr(pos, length));
        }
        pos += length;
    }
    return link;
}

bool InLinkAttribute(std::string_view before) {
    for (const std::string_view opening : {"src=\"", "href=\"", "SRC=\"", "HREF=\""}) {
        if (before.ends_with(opening)) {
            return true;
        }
    }
    return false;
}

// ReplaceAll with the link form of a name where it stands in a link attribute.
std::string ReplaceName(std::string_view text, std::string_view token, const std::string& name) {
    const std::string plain = EscapeHtml(name);
    const std::string link = EscapeHtml(LinkText(name));
    std::string result;
    std::size_t done = 0;
    for (std::size_t at = FindToken(text, token, 0); at != std::string_view::npos;
         at = FindToken(text, token, done)) {
        result.append(text.substr(done, at - done));
        result.append(InLinkAttribute(text.substr(0, at)) ? link : plain);
        done = at + token.size();
    }
    result.append(text.substr(done));
    return result;
}

enum class DataClass { WithoutExif, WithExif, MakerNote };

DataClass ClassOf(const std::optional<exif::ExifBlock>& block) {
    if (!block || !exif::FindEntry(*block, exif::TagDictionary::Standard, "ExifOffset")) {
        return DataClass::WithoutExif;
    }
    return exif::GetMakerNoteKind(*block) == exif::MakerNoteKind::None ? DataClass::WithExif
                                                                       : DataClass::MakerNote;
}

bool Shows(DataClass dataClass, int fieldIndex) {
    if (dataClass == DataClass::MakerNote) {
        return true;
    }
    if (fieldIndex == 0) {
        return false; // a name outside the table has no flags
    }
    const exif::SummaryField& field =
        exif::SummaryFieldOf(static_cast<exif::SummaryFieldId>(fieldIndex));
    return dataClass == DataClass::WithExif ? field.showWithExif : field.showWithoutExif;
}

} // namespace

std::string EscapeHtml(std::string_view cp932) {
    std::string escaped;
    escaped.reserve(cp932.size());
    for (const char c : cp932) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string ReplaceAll(std::string_view text, std::string_view token,
                       std::string_view replacement) {
    std::string result;
    std::size_t done = 0;
    for (std::size_t at = FindToken(text, token, 0); at != std::string_view::npos;
         at = FindToken(text, token, done)) {
        result.append(text.substr(done, at - done));
        result.append(replacement);
        done = at + token.size();
    }
    result.append(text.substr(done));
    return result;
}

std::string DataBlock(const std::optional<exif::ExifBlock>& block,
                      const std::filesystem::path& file, std::span<const std::string> fields) {
    static const std::string blanks = platform::Utf8ToCp932("　　　　　　　");
    static const std::string colon = platform::Utf8ToCp932("：");
    const DataClass dataClass = ClassOf(block);
    std::string text;
    for (const std::string& name : fields) {
        const int index = exif::SummaryFieldIndex(name);
        if (!Shows(dataClass, index)) {
            continue;
        }
        const std::size_t filler = name.size() < kNameColumn ? kNameColumn - name.size() : 0;
        text += name + blanks.substr(0, filler) + colon +
                EscapeHtml(exif::SummaryValue(block, name, file)) + "<BR>";
    }
    return text;
}

PictureText::PictureText(std::filesystem::path file, std::span<const std::string> fields)
    : file_(std::move(file)), fields_(fields) {}

const std::optional<exif::ExifBlock>& PictureText::Block() {
    if (!blockLoaded_) {
        block_ = exif::LoadExifBlock(file_);
        blockLoaded_ = true;
    }
    return block_;
}

std::string PictureText::Name(std::size_t placeholder) const {
    const std::string name = platform::PathToCp932(file_.filename());
    switch (placeholder) {
    case 0:
        return name;
    case 1:
        return "thumbnail/" + name;
    default:
        return platform::PathToCp932(
            std::filesystem::path(file_.filename()).replace_extension(".html"));
    }
}

std::string PictureText::Value(std::size_t placeholder) {
    if (placeholder == 3) {
        return DataBlock(Block(), file_, fields_);
    }
    const auto field = static_cast<exif::SummaryFieldId>(placeholder - 3);
    return EscapeHtml(exif::SummaryValue(Block(), field, file_));
}

std::string PictureText::Fill(std::string line) {
    for (std::size_t i = 0; i < kPlaceholderCount; ++i) {
        const std::string& token = Placeholder(i);
        if (FindToken(line, token, 0) == std::string_view::npos) {
            continue;
        }
        line = i < kFileNames ? ReplaceName(line, token, Name(i)) : ReplaceAll(line, token, Value(i));
    }
    return line;
}

} // namespace publish
