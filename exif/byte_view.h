#pragma once

// The one checked accessor for untrusted bytes. Offsets are 64-bit so that an offset or count
// taken from a file (32-bit) plus a small constant can never wrap; every read compares against
// the trusted size and gives nothing when it would leave the bytes. A view knows the byte order
// of the numbers it holds, so no caller can read one in the wrong order.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace exif {

// "II" (Intel) or "MM" (Motorola) in a TIFF header; JPEG segment lengths are big-endian.
enum class ByteOrder : std::uint8_t { LittleEndian, BigEndian };

class ByteView {
public:
    ByteView() = default;
    ByteView(std::span<const std::uint8_t> bytes, ByteOrder order) : bytes_(bytes), order_(order) {}

    [[nodiscard]] std::uint64_t size() const { return bytes_.size(); }
    [[nodiscard]] ByteOrder Order() const { return order_; }
    // The same bytes read in another order (a maker note may differ from its file).
    [[nodiscard]] ByteView InOrder(ByteOrder order) const { return ByteView(bytes_, order); }

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
    [[nodiscard]] std::optional<std::uint16_t> U16(std::uint64_t offset) const {
        if (!Contains(offset, 2)) {
            return std::nullopt;
        }
        return static_cast<std::uint16_t>(Word(offset, 2));
    }
    [[nodiscard]] std::optional<std::uint32_t> U32(std::uint64_t offset) const {
        if (!Contains(offset, 4)) {
            return std::nullopt;
        }
        return Word(offset, 4);
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
    // `size` bytes from offset, which the caller has checked, as one number in the view's order.
    [[nodiscard]] std::uint32_t Word(std::uint64_t offset, std::uint64_t size) const {
        std::uint32_t word = 0;
        for (std::uint64_t i = 0; i < size; ++i) {
            const std::uint64_t at = order_ == ByteOrder::BigEndian ? i : size - 1 - i;
            word = word << 8 | bytes_[offset + at];
        }
        return word;
    }

    std::span<const std::uint8_t> bytes_;
    ByteOrder order_ = ByteOrder::LittleEndian;
};

} // namespace exif
