#include "platform/lz_expand.h"

#include "platform/codepage.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <memory>
#include <mspack.h>
#include <optional>
#include <string_view>

namespace platform {
namespace {

namespace fs = std::filesystem;

// "SZDD" 88 F0 27 33, then the method byte 'A', the stored character and the length; the
// QBasic variant is "SZ " 88 F0 27 33 D1 and stores no character.
constexpr std::string_view kSzddSignature = "SZDD\x88\xF0\x27\x33";
constexpr std::string_view kQbasicSignature = "SZ \x88\xF0\x27\x33\xD1";
constexpr std::size_t kStoredCharacterOffset = 9;
// Where each header keeps the expanded size (32 bits, little-endian).
constexpr std::size_t kSzddSizeOffset = 10;
constexpr std::size_t kQbasicSizeOffset = 8;
constexpr std::size_t kHeaderBytes = kSzddSizeOffset + 4;

struct Header {
    bool compressed = false;
    char storedCharacter = '\0';
    std::optional<std::uint64_t> expandedSize; // none when the header is cut short
};

std::optional<std::uint64_t> SizeAt(std::string_view header, std::size_t offset) {
    if (header.size() < offset + 4) {
        return std::nullopt;
    }
    std::uint64_t size = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        size |= std::uint64_t{static_cast<unsigned char>(header[offset + i])} << (8 * i);
    }
    return size;
}

Result<Header> ReadHeader(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        return Failure{"cannot open " + file.string() + ": " + std::strerror(errno)};
    }
    std::array<char, kHeaderBytes> bytes{};
    stream.read(bytes.data(), bytes.size());
    const std::string_view start(bytes.data(), static_cast<std::size_t>(stream.gcount()));
    if (stream.bad()) {
        return Failure{"cannot read " + file.string() + ": read error"};
    }
    Header header;
    if (start.starts_with(kQbasicSignature)) {
        header.compressed = true;
        header.expandedSize = SizeAt(start, kQbasicSizeOffset);
    } else if (start.size() > kStoredCharacterOffset && start.starts_with(kSzddSignature)) {
        header.compressed = true;
        header.storedCharacter = start[kStoredCharacterOffset];
        header.expandedSize = SizeAt(start, kSzddSizeOffset);
    }
    return header;
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Where the name's last character starts; names are CP932, so a "_" or a letter may also be the
// second byte of a double-byte character.
std::size_t LastCharacterStart(std::string_view name) {
    std::size_t last = 0;
    for (std::size_t pos = 0; pos < name.size(); pos += Cp932CharLength(name, pos)) {
        last = pos;
    }
    return last;
}

// The stored character in the letter case of the name's last one-byte letter.
char InNameCase(char stored, std::string_view name) {
    std::optional<bool> lower;
    for (std::size_t pos = 0; pos < name.size(); pos += Cp932CharLength(name, pos)) {
        if (Cp932CharLength(name, pos) == 1 && IsAsciiLetter(name[pos])) {
            lower = name[pos] >= 'a';
        }
    }
    if (!IsAsciiLetter(stored) || !lower) {
        return stored;
    }
    const char upper = stored >= 'a' ? static_cast<char>(stored - 'a' + 'A') : stored;
    return *lower ? static_cast<char>(upper - 'A' + 'a') : upper;
}

std::string_view MspackErrorText(int error) {
    switch (error) {
    case MSPACK_ERR_OPEN:
        return "cannot open a file";
    case MSPACK_ERR_READ:
        return "read error";
    case MSPACK_ERR_WRITE:
        return "write error";
    case MSPACK_ERR_SEEK:
        return "seek error";
    case MSPACK_ERR_NOMEMORY:
        return "out of memory";
    case MSPACK_ERR_SIGNATURE:
    case MSPACK_ERR_DATAFORMAT:
        return "not a valid compressed file";
    default:
        return "cannot expand the data";
    }
}

// libmspack pads a truncated stream instead of failing, so a damaged file is caught by the size
// its header promises.
Status Expand(const fs::path& source, const fs::path& target, const Header& header) {
    struct Destroyer {
        void operator()(msszdd_decompressor* d) const { mspack_destroy_szdd_decompressor(d); }
    };
    std::unique_ptr<msszdd_decompressor, Destroyer> decompressor(
        mspack_create_szdd_decompressor(nullptr));
    if (!decompressor) {
        return Failure{"cannot expand " + source.string() + ": libmspack is not usable"};
    }
    const int error = decompressor->decompress(decompressor.get(), source.c_str(), target.c_str());
    if (error != MSPACK_ERR_OK) {
        std::error_code ignored; // the partial output is useless; its removal is a courtesy
        fs::remove(target, ignored);
        return Failure{"cannot expand " + source.string() + " to " + target.string() + ": " +
                       std::string(MspackErrorText(error))};
    }
    std::error_code sizeError;
    const std::uintmax_t size = fs::file_size(target, sizeError);
    if (!header.expandedSize || (!sizeError && size == *header.expandedSize)) {
        return {};
    }
    std::error_code ignored;
    fs::remove(target, ignored);
    return Failure{"cannot expand " + source.string() + ": it is damaged (" +
                   std::to_string(sizeError ? 0 : size) + " bytes instead of " +
                   std::to_string(*header.expandedSize) + ")"};
}

} // namespace

Result<bool> IsLzCompressed(const fs::path& file) {
    Result<Header> header = ReadHeader(file);
    if (!header) {
        return Failure{header.Error()};
    }
    return header.Value().compressed;
}

Result<std::string> ExpandedFileName(const fs::path& file) {
    Result<Header> header = ReadHeader(file);
    if (!header) {
        return Failure{header.Error()};
    }
    std::string name = PathToCp932(file.filename());
    if (!header.Value().compressed || name.empty() || name.back() != '_' ||
        LastCharacterStart(name) != name.size() - 1) {
        return name;
    }
    name.pop_back();
    if (const char stored = header.Value().storedCharacter; stored != '\0') {
        name.push_back(InNameCase(stored, name));
    }
    return name;
}

Status LzCopy(const fs::path& source, const fs::path& target) {
    Result<Header> header = ReadHeader(source);
    if (!header) {
        return Failure{header.Error()};
    }
    if (header.Value().compressed) {
        return Expand(source, target, header.Value());
    }
    std::error_code error;
    fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
    if (error) {
        // A copy that fails half-way (a full disk, an interrupted write) leaves a partial file.
        std::error_code ignored;
        fs::remove(target, ignored);
        return Failure{"cannot copy " + source.string() + " to " + target.string() + ": " +
                       error.message()};
    }
    return {};
}

} // namespace platform
