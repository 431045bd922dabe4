#pragma once

// The one checked accessor for untrusted bytes. Offsets are 64-bit so that an offset or count
// taken from a file (32-bit) plus a small constant can never wrap; every read compares against
// the trusted size and gives nothing when it would leave the bytes.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace exif {

class ByteView {
public:
    ByteView() = default;
    explicit ByteView(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    [[nodiscard]] std::uint64_t size() const { return bytes_.size(); }

    // True when [offset, offset + length) lies inside the bytes.
    [[nodiscard]] bool Contains(std::uint64_t offset, std::uint64_t length) const {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }

    [[nodiscard]] std::optional<std::uint8_t> U8(std::uint64_t offset) const {
        if (!Contains(offset, 1)) {
            return std::nullopt;
        }
        return bytes_[offset];
    }
    [[nodiscard]] std::optional<std::uint16_t> U16LE(std::uint64_t offset) const {
        if (!Contains(offset, 2)) {
            return std::nullopt;
        }
        return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
    }
    [[nodiscard]] std::optional<std::uint16_t> U16BE(std::uint64_t offset) const {
        if (!Contains(offset, 2)) {
            return std::nullopt;
        }
        return static_cast<std::uint16_t>(bytes_[offset] << 8 | bytes_[offset + 1]);
    }
    [[nodiscard]] std::optional<std::uint32_t> U32LE(std::uint64_t offset) const {
        if (!Contains(offset, 4)) {
            return std::nullopt;
        }
        return static_cast<std::uint32_t>(bytes_[offset]) |
               static_cast<std::uint32_t>(bytes_[offset + 1]) << 8 |
               static_cast<std::uint32_t>(bytes_[offset + 2]) << 16 |
               static_cast<std::uint32_t>(bytes_[offset + 3]) << 24;
    }
    [[nodiscard]] std::optional<std::span<const std::uint8_t>> Bytes(std::uint64_t offset,
                                                                     std::uint64_t length) const {
        if (!Contains(offset, length)) {
            return std::nullopt;
        }
        return bytes_.subspan(offset, length);
    }
    // The bytes from offset up to (not including) the first zero byte, at most maxLength of
    // them, never past the end; nothing when offset itself is outside.
    [[nodiscard]] std::optional<std::string_view> CString(std::uint64_t offset,
                                                          std::uint64_t maxLength) const;

private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace exif
