#include "apps/lumaro/dump_json.h"

#include "apps/lumaro/json_text.h"
#include "exif/detail_report.h"
#include "exif/ifd_walk.h"
#include "exif/user_comment.h"
#include "platform/codepage.h"

#include <algorithm>
#include <cstdio>

namespace lumaro {
namespace {

constexpr std::uint16_t kUserCommentTag = 0x9286;

bool IsIntegerType(std::uint16_t type) {
    return type == exif::kByte || type == exif::kShort || type == exif::kLong ||
           type == exif::kSByte || type == exif::kSShort || type == exif::kSLong;
}

bool IsPrintable(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F;
    });
}

// The values as the dump's line shows them, behind "Name(T:count):".
std::string ShownValues(const exif::ExifBlock& block, exif::TagDictionary dictionary,
                        const exif::IfdEntry& entry) {
    const std::string line = exif::FormatEntryLine(block, dictionary, entry);
    const std::size_t colon = line.find("):");
    std::string values = colon == std::string::npos ? "" : line.substr(colon + 2);
    return platform::Cp932ToUtf8(values.empty() || values[0] != ' ' ? values : values.substr(1));
}

std::string ValueJson(const exif::ExifBlock& block, exif::TagDictionary dictionary,
                      const exif::IfdEntry& entry) {
    using exif::ValuePart;
    if (dictionary == exif::TagDictionary::Standard && entry.tag == kUserCommentTag) {
        return JsonString(platform::Cp932ToUtf8(exif::ReadUserComment(block).value_or("")));
    }
    const auto first = exif::EntryValue(block, entry, ValuePart::First);
    if (entry.count == 1 && first && IsIntegerType(entry.type)) {
        return JsonNumber(static_cast<double>(std::get<std::int64_t>(*first)));
    }
    const bool rational = entry.type == exif::kRational || entry.type == exif::kSRational;
    const auto second = exif::EntryValue(block, entry, ValuePart::Second);
    if (rational && entry.count == 1 && first && second &&
        std::get<std::int64_t>(*second) != 0) {
        return JsonNumber(static_cast<double>(std::get<std::int64_t>(*first)) /
                          static_cast<double>(std::get<std::int64_t>(*second)));
    }
    if (entry.type == exif::kAscii && first) {
        return JsonString(platform::Cp932ToUtf8(exif::TagValueText(*first)));
    }
    if (entry.type == exif::kUndefined && second) {
        const std::string text = exif::TagValueText(*second);
        if (IsPrintable(text) && text.size() + 1 >= entry.count) {
            return JsonString(text);
        }
        // Binary data outside the entry: its offset would tell a script nothing.
        if (entry.count > 4) {
            return JsonString("(binary data, " + std::to_string(entry.count) + " bytes)");
        }
    }
    return JsonString(ShownValues(block, dictionary, entry));
}

std::string GroupJson(const exif::ExifBlock& block, exif::TagDictionary dictionary,
                      const std::vector<exif::IfdEntry>& entries) {
    JsonObject group;
    for (const exif::IfdEntry& entry : entries) {
        std::string name(exif::TagNameOf(dictionary, entry.tag));
        if (name.empty()) {
            char id[8];
            std::snprintf(id, sizeof id, "0x%04x", entry.tag);
            name = id;
        }
        group.Add(name, ValueJson(block, dictionary, entry));
    }
    return group.Text();
}

} // namespace

std::string DumpJson(const std::optional<exif::ExifBlock>& block,
                     const std::filesystem::path& path) {
    JsonObject object;
    object.AddText("SourceFile", path.string());
    if (!block) {
        return object.Text();
    }
    const exif::IfdChain chain = exif::WalkIfdChain(*block);
    for (std::size_t i = 0; i < chain.ifds.size(); ++i) {
        object.Add("IFD" + std::to_string(i),
                   GroupJson(*block, exif::TagDictionary::Standard, chain.ifds[i]));
    }
    if (chain.exifIfdOffset) {
        object.Add("ExifIFD", GroupJson(*block, exif::TagDictionary::Standard,
                                        exif::IfdEntriesAt(block->View(), *chain.exifIfdOffset)));
    }
    const exif::MakerNoteKind kind = exif::GetMakerNoteKind(*block);
    if (const auto& makerNote = block->MakerNoteIfd()) {
        const auto dictionary = static_cast<exif::TagDictionary>(static_cast<int>(kind));
        object.Add("MakerNotes",
                   GroupJson(*block, dictionary,
                             exif::IfdEntriesAt(block->View().InOrder(makerNote->order),
                                                makerNote->offset)));
    }
    return object.Text();
}

} // namespace lumaro
