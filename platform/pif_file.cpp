#include "platform/pif_file.h"

#include "platform/codepage.h"

namespace platform {
namespace {

constexpr std::size_t kTitleOffset = 0x002;
constexpr std::size_t kTitleSize = 30;
constexpr std::size_t kMaximumMemoryOffset = 0x020;
constexpr std::size_t kMinimumMemoryOffset = 0x022;
constexpr std::size_t kProgramOffset = 0x024;
constexpr std::size_t kProgramSize = 63;
constexpr std::size_t kFlagsOffset = 0x063;
constexpr std::size_t kFolderOffset = 0x065;
constexpr std::size_t kFolderSize = 64;
constexpr std::size_t kParametersOffset = 0x0A5;
constexpr std::size_t kParametersSize = 64;
constexpr std::size_t kBasicSize = 0x171;
constexpr std::size_t kFileSize = 0x187;
constexpr std::string_view kSectionName{"MICROSOFT PIFEX\0", 16};

constexpr unsigned kMaximumMemoryKiB = 640;
constexpr unsigned kMinimumMemoryKiB = 128;
constexpr unsigned kCloseOnExit = 0x10;

void PutU16(std::string& bytes, std::size_t offset, unsigned value) {
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>((value >> 8) & 0xFF);
}

// The text cut to at most `limit` bytes, never inside a double-byte character.
std::string_view CutAtCharacter(std::string_view text, std::size_t limit) {
    std::size_t end = 0;
    while (end < text.size() && end + Cp932CharLength(text, end) <= limit) {
        end += Cp932CharLength(text, end);
    }
    return text.substr(0, end);
}

// A NUL-padded field read up to its first NUL.
std::string Field(std::string_view bytes, std::size_t offset, std::size_t size) {
    const std::string_view field = bytes.substr(offset, size);
    return std::string(field.substr(0, field.find('\0')));
}

} // namespace

Result<std::string> EncodePif(const ShellLink& link, std::string_view title) {
    const struct {
        const std::string& text;
        std::size_t size;
        const char* what;
    } fields[] = {
        {link.target, kProgramSize, "program path"},
        {link.workingFolder, kFolderSize, "working folder"},
        {link.arguments, kParametersSize, "parameters"},
    };
    for (const auto& field : fields) {
        if (field.text.size() >= field.size) {
            return Failure{"cannot make a program information file for " +
                           Cp932ToUtf8(link.target) + ": the " + field.what + " is longer than " +
                           std::to_string(field.size - 1) + " bytes"};
        }
    }
    std::string bytes(kFileSize, '\0');
    const std::string_view shortTitle = CutAtCharacter(title, kTitleSize);
    bytes.replace(kTitleOffset, kTitleSize,
                  std::string(shortTitle).append(kTitleSize - shortTitle.size(), ' '));
    PutU16(bytes, kMaximumMemoryOffset, kMaximumMemoryKiB);
    PutU16(bytes, kMinimumMemoryOffset, kMinimumMemoryKiB);
    bytes.replace(kProgramOffset, link.target.size(), link.target);
    PutU16(bytes, kFlagsOffset, kCloseOnExit);
    bytes.replace(kFolderOffset, link.workingFolder.size(), link.workingFolder);
    bytes.replace(kParametersOffset, link.arguments.size(), link.arguments);
    bytes.replace(kBasicSize, kSectionName.size(), kSectionName);
    PutU16(bytes, kBasicSize + 16, 0xFFFF);
    PutU16(bytes, kBasicSize + 18, 0);
    PutU16(bytes, kBasicSize + 20, kBasicSize);
    unsigned sum = 0;
    for (std::size_t i = kTitleOffset; i < kBasicSize; ++i) {
        sum += static_cast<unsigned char>(bytes[i]);
    }
    bytes[1] = static_cast<char>(sum & 0xFF);
    return bytes;
}

bool LooksLikePif(std::string_view bytes) {
    return bytes.size() >= kFileSize &&
           bytes.substr(kBasicSize, kSectionName.size()) == kSectionName;
}

Result<ShellLink> DecodePif(std::string_view bytes) {
    if (!LooksLikePif(bytes)) {
        return Failure{"damaged program information file: no basic section"};
    }
    ShellLink link;
    link.target = Field(bytes, kProgramOffset, kProgramSize);
    link.workingFolder = Field(bytes, kFolderOffset, kFolderSize);
    link.arguments = Field(bytes, kParametersOffset, kParametersSize);
    const std::string title = Field(bytes, kTitleOffset, kTitleSize);
    link.description = title.substr(0, title.find_last_not_of(' ') + 1);
    return link;
}

} // namespace platform
