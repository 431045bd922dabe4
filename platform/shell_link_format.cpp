#include "platform/shell_link_format.h"

#include "platform/codepage.h"
#include "platform/utf8.h"

#include <optional>

namespace platform {
namespace {

constexpr std::uint32_t kHeaderSize = 0x4C;
// 00021401-0000-0000-C000-000000000046 as stored: the first three fields little-endian.
constexpr std::string_view kLinkClsid{
    "\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16};

// Link flags.
constexpr std::uint32_t kHasTargetIdList = 0x01;
constexpr std::uint32_t kHasLinkInfo = 0x02;
constexpr std::uint32_t kHasName = 0x04;
constexpr std::uint32_t kHasRelativePath = 0x08;
constexpr std::uint32_t kHasWorkingDir = 0x10;
constexpr std::uint32_t kHasArguments = 0x20;
constexpr std::uint32_t kHasIconLocation = 0x40;
constexpr std::uint32_t kIsUnicode = 0x80;

constexpr std::uint32_t kLinkInfoHeaderSize = 0x1C;
constexpr std::uint32_t kVolumeIdAndLocalBasePath = 0x01;
constexpr std::uint32_t kDriveFixed = 3;
constexpr std::uint32_t kShowNormal = 1;

void PutU16(std::string& out, std::uint32_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void PutU32(std::string& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

void PutU64(std::string& out, std::uint64_t value) {
    PutU32(out, static_cast<std::uint32_t>(value));
    PutU32(out, static_cast<std::uint32_t>(value >> 32));
}

std::string Header(std::uint32_t flags, const LinkTargetFacts& facts, int iconIndex) {
    std::string out;
    PutU32(out, kHeaderSize);
    out.append(kLinkClsid);
    PutU32(out, flags);
    PutU32(out, facts.attributes);
    PutU64(out, facts.writeTime); // creation: the target's own is not known here
    PutU64(out, facts.writeTime); // access
    PutU64(out, facts.writeTime); // write
    PutU32(out, facts.size);
    PutU32(out, static_cast<std::uint32_t>(iconIndex));
    PutU32(out, kShowNormal);
    PutU16(out, 0); // hot key
    PutU16(out, 0); // reserved
    PutU32(out, 0); // reserved
    PutU32(out, 0); // reserved
    return out;
}

// Link info: header, volume id of a fixed drive without a label, the local base path and an
// empty common path suffix.
std::string LinkInfo(std::string_view target) {
    constexpr std::uint32_t kVolumeIdSize = 0x11; // four fields and the empty label's NUL
    const std::uint32_t basePathOffset = kLinkInfoHeaderSize + kVolumeIdSize;
    const auto suffixOffset = static_cast<std::uint32_t>(basePathOffset + target.size() + 1);
    std::string out;
    PutU32(out, suffixOffset + 1);
    PutU32(out, kLinkInfoHeaderSize);
    PutU32(out, kVolumeIdAndLocalBasePath);
    PutU32(out, kLinkInfoHeaderSize);
    PutU32(out, basePathOffset);
    PutU32(out, 0); // no network link
    PutU32(out, suffixOffset);
    PutU32(out, kVolumeIdSize);
    PutU32(out, kDriveFixed);
    PutU32(out, 0);    // serial number
    PutU32(out, 0x10); // label offset
    out.push_back('\0');
    out.append(target);
    out.push_back('\0');
    out.push_back('\0');
    return out;
}

// Bounds-checked little-endian reads; every offset is compared against the size first.
class LinkBytes {
public:
    explicit LinkBytes(std::string_view bytes) : bytes_(bytes) {}

    [[nodiscard]] std::optional<std::uint32_t> U16(std::size_t offset) const {
        if (offset > bytes_.size() || bytes_.size() - offset < 2) {
            return std::nullopt;
        }
        return Byte(offset) | Byte(offset + 1) << 8;
    }

    [[nodiscard]] std::optional<std::uint32_t> U32(std::size_t offset) const {
        const auto low = U16(offset);
        const auto high = U16(offset + 2);
        if (!low || !high) {
            return std::nullopt;
        }
        return *low | *high << 16;
    }

    // The NUL-terminated text at offset; none when no NUL ends it inside the bytes.
    [[nodiscard]] std::optional<std::string> Text(std::size_t offset) const {
        if (offset >= bytes_.size()) {
            return std::nullopt;
        }
        const std::size_t end = bytes_.find('\0', offset);
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        return std::string(bytes_.substr(offset, end - offset));
    }

    [[nodiscard]] std::optional<std::string_view> Span(std::size_t offset,
                                                       std::size_t length) const {
        if (offset > bytes_.size() || bytes_.size() - offset < length) {
            return std::nullopt;
        }
        return bytes_.substr(offset, length);
    }

private:
    [[nodiscard]] std::uint32_t Byte(std::size_t offset) const {
        return static_cast<unsigned char>(bytes_[offset]);
    }

    std::string_view bytes_;
};

// UTF-16LE to UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::string_view utf16) {
    std::string out;
    auto unit = [&](std::size_t i) -> std::uint32_t {
        return static_cast<unsigned char>(utf16[2 * i]) |
               static_cast<unsigned char>(utf16[2 * i + 1]) << 8;
    };
    const std::size_t units = utf16.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        std::uint32_t code = unit(i);
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < units && unit(i + 1) >= 0xDC00 &&
            unit(i + 1) < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unit(++i) - 0xDC00);
        } else if (code >= 0xD800 && code < 0xE000) {
            code = 0xFFFD;
        }
        AppendUtf8(out, code);
    }
    return out;
}

Failure Damaged(std::string_view what) {
    return Failure{"damaged shell link: " + std::string(what)};
}

// The target from the link info: local base path and common path suffix.
Result<std::string> LinkInfoTarget(const LinkBytes& bytes, std::size_t start) {
    const auto flags = bytes.U32(start + 8);
    const auto baseOffset = bytes.U32(start + 16);
    const auto suffixOffset = bytes.U32(start + 24);
    if (!flags || !baseOffset || !suffixOffset) {
        return Damaged("link info cut short");
    }
    if ((*flags & kVolumeIdAndLocalBasePath) == 0) {
        return std::string();
    }
    const auto base = bytes.Text(start + *baseOffset);
    const auto suffix = bytes.Text(start + *suffixOffset);
    if (!base || !suffix) {
        return Damaged("link info path outside the file");
    }
    return *base + *suffix;
}

} // namespace

Result<std::string> EncodeShellLink(const ShellLink& link, const LinkTargetFacts& facts) {
    const std::pair<std::uint32_t, const std::string*> strings[] = {
        {kHasName, &link.description},
        {kHasWorkingDir, &link.workingFolder},
        {kHasArguments, &link.arguments},
        {kHasIconLocation, &link.iconLocation},
    };
    std::uint32_t flags = kHasLinkInfo;
    std::string stringData;
    for (const auto& [flag, text] : strings) {
        if (text->empty()) {
            continue;
        }
        if (text->size() > 0xFFFF) {
            return Failure{"cannot make a shell link to " + Cp932ToUtf8(link.target) +
                           ": a text is longer than 65535 bytes"};
        }
        flags |= flag;
        PutU16(stringData, static_cast<std::uint32_t>(text->size()));
        stringData += *text;
    }
    std::string out = Header(flags, facts, link.iconIndex);
    out += LinkInfo(link.target);
    out += stringData;
    PutU32(out, 0); // terminal block: no extra data
    return out;
}

bool LooksLikeShellLink(std::string_view bytes) {
    const LinkBytes reader(bytes);
    const auto clsid = reader.Span(4, kLinkClsid.size());
    return reader.U32(0) == kHeaderSize && clsid && *clsid == kLinkClsid;
}

Result<ShellLink> DecodeShellLink(std::string_view bytes) {
    if (!LooksLikeShellLink(bytes) || bytes.size() < kHeaderSize) {
        return Damaged("no shell link header");
    }
    const LinkBytes reader(bytes);
    const std::uint32_t flags = *reader.U32(0x14);
    ShellLink link;
    link.iconIndex = static_cast<int>(*reader.U32(0x38));
    std::size_t offset = kHeaderSize;
    if (flags & kHasTargetIdList) {
        const auto size = reader.U16(offset);
        if (!size) {
            return Damaged("target id list cut short");
        }
        offset += 2 + *size;
    }
    if (flags & kHasLinkInfo) {
        const auto size = reader.U32(offset);
        Result<std::string> target =
            size ? LinkInfoTarget(reader, offset) : Result<std::string>(Damaged("no link info"));
        if (!target) {
            return Failure{target.Error()};
        }
        link.target = std::move(target).Value();
        offset += *size;
    }
    std::string relativePath;
    const std::pair<std::uint32_t, std::string*> strings[] = {
        {kHasName, &link.description},          {kHasRelativePath, &relativePath},
        {kHasWorkingDir, &link.workingFolder},  {kHasArguments, &link.arguments},
        {kHasIconLocation, &link.iconLocation},
    };
    const std::size_t unitSize = (flags & kIsUnicode) ? 2 : 1;
    for (const auto& [flag, text] : strings) {
        if ((flags & flag) == 0) {
            continue;
        }
        const auto count = reader.U16(offset);
        const auto span = count ? reader.Span(offset + 2, *count * unitSize) : std::nullopt;
        if (!span) {
            return Damaged("string data outside the file");
        }
        *text = unitSize == 2 ? Utf8ToCp932(Utf16ToUtf8(*span)) : std::string(*span);
        offset += 2 + span->size();
    }
    if (link.target.empty()) {
        link.target = relativePath;
    }
    return link;
}

} // namespace platform
