#include "setup/compressed_file.h"

#include "platform/codepage.h"
#include "platform/lz_expand.h"
#include "setup/file_primitives.h"
#include "setup/host_paths.h"
#include "setup/text_primitives.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <optional>

namespace setup {
namespace {

constexpr std::string_view kTemporaryName = "EXPAND.ZST";

// The two SZDD headers and where each keeps the expanded size (32 bits, little-endian).
constexpr std::string_view kSzddSignature = "SZDD\x88\xF0\x27\x33";
constexpr std::size_t kSzddSizeOffset = 10;
constexpr std::string_view kQbasicSignature = "SZ \x88\xF0\x27\x33\xD1";
constexpr std::size_t kQbasicSizeOffset = 8;

// The size the header promises; none when the file has no SZDD header.
std::optional<std::uint64_t> StoredExpandedSize(const std::filesystem::path& file) {
    std::array<char, kSzddSizeOffset + 4> bytes{};
    std::ifstream stream(file, std::ios::binary);
    stream.read(bytes.data(), bytes.size());
    const std::string_view header(bytes.data(), static_cast<std::size_t>(stream.gcount()));
    std::size_t offset = 0;
    if (header.starts_with(kSzddSignature)) {
        offset = kSzddSizeOffset;
    } else if (header.starts_with(kQbasicSignature)) {
        offset = kQbasicSizeOffset;
    } else {
        return std::nullopt;
    }
    if (header.size() < offset + 4) {
        return std::nullopt;
    }
    std::uint64_t size = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        size |= std::uint64_t{static_cast<unsigned char>(header[offset + i])} << (8 * i);
    }
    return size;
}

// libmspack pads a truncated stream instead of failing, so a damaged file is caught by the
// size its header promises.
platform::Status CheckExpandedSize(const std::filesystem::path& source,
                                   const std::filesystem::path& expanded) {
    const std::optional<std::uint64_t> promised = StoredExpandedSize(source);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(expanded, error);
    if (!promised || (!error && size == *promised)) {
        return {};
    }
    return platform::Failure{"cannot expand " + source.string() + ": it is damaged (" +
                             std::to_string(error ? 0 : size) + " bytes instead of " +
                             std::to_string(*promised) + ")"};
}

platform::Failure CannotMap(std::string_view path) {
    return {"cannot expand " + platform::Cp932ToUtf8(path) + ": it names no drive of this machine"};
}

} // namespace

bool IsCompressedName(std::string_view path) {
    return !path.empty() && FindLastByte(path, '_') == path.size() - 1;
}

platform::Result<ExpandedFile> ExpandLzFile(std::string_view source, std::string_view target,
                                            std::string_view temporaryFolder) {
    ExpandedFile expanded{std::string(temporaryFolder) + std::string(kTemporaryName),
                          std::string(target)};
    const auto sourceHost = HostPathOf(source);
    if (!sourceHost) {
        return CannotMap(source);
    }
    if (FileNamePart(target) == kAutoExtensionName) {
        platform::Result<std::string> stored = platform::ExpandedFileName(*sourceHost);
        if (!stored) {
            return platform::Failure{stored.Error()};
        }
        expanded.target = FolderPart(target) + UpperCp932(stored.Value());
    }
    if (FileExists(expanded.temporary)) {
        (void)DeletePath(expanded.temporary);
    }
    const auto temporaryHost = HostPathOf(expanded.temporary);
    if (!temporaryHost) {
        return CannotMap(expanded.temporary);
    }
    if (platform::Status copied = platform::LzCopy(*sourceHost, *temporaryHost); !copied) {
        return platform::Failure{copied.Error()};
    }
    if (platform::Status whole = CheckExpandedSize(*sourceHost, *temporaryHost); !whole) {
        (void)DeletePath(expanded.temporary);
        return platform::Failure{whole.Error()};
    }
    std::error_code error;
    const auto sourceTime = std::filesystem::last_write_time(*sourceHost, error);
    if (!error) {
        std::filesystem::last_write_time(*temporaryHost, sourceTime, error);
    }
    if (error) {
        return platform::Failure{"cannot set the date of " + temporaryHost->string() + ": " +
                                 error.message()};
    }
    return expanded;
}

} // namespace setup
