#pragma once

// The binary records of the program key: the main window's placement (44 bytes, as the
// platform's window-placement call fills it) and the fonts of the file list and the detail pane
// (48 bytes each). All numbers are little-endian. A record that is absent, or not of its size,
// reads as none: the window keeps its designed position, the font stays as it is.

#include "platform/result.h"
#include "shell/settings_store.h"
#include "shell/settings_values.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace shell {

struct WindowPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const WindowPoint&) const = default;
};

struct WindowRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const WindowRect&) const = default;
};

// Bytes 0-3 hold the record's length, always 44.
struct WindowPlacement {
    std::uint32_t flags = 0;
    std::uint32_t showCommand = 0;
    WindowPoint minPosition;   // minimised
    WindowPoint maxPosition;   // maximised
    WindowRect normalPosition; // restored
    bool operator==(const WindowPlacement&) const = default;
};

inline constexpr std::size_t kWindowPlacementSize = 44;
inline constexpr std::size_t kFontInfoSize = 48;
// The face name field: a length byte and up to 31 bytes of CP932 text.
inline constexpr std::size_t kFaceNameCapacity = 31;

struct FontStyle {
    bool bold = false;      // bit 0
    bool italic = false;    // bit 1
    bool underline = false; // bit 2
    bool strikeOut = false; // bit 3
    bool operator==(const FontStyle&) const = default;
};

struct FontInfo {
    std::int32_t height = 0; // negative: character height in pixels, as the platform's fonts
    std::uint32_t color = 0;
    std::int32_t pixelsPerInch = 0; // the resolution the height refers to
    std::uint8_t pitch = 0;         // 0 default, 1 variable, 2 fixed
    std::uint8_t charset = 0;
    FontStyle style;
    std::string faceName; // CP932, at most kFaceNameCapacity bytes
    bool operator==(const FontInfo&) const = default;
};

// None unless the bytes are 44 long and begin with the length 44.
[[nodiscard]] std::optional<WindowPlacement> DecodeWindowPlacement(std::string_view bytes);
[[nodiscard]] std::string EncodeWindowPlacement(const WindowPlacement& placement);

// None unless the bytes are 48 long. A face-name length above 31 is read as 31.
[[nodiscard]] std::optional<FontInfo> DecodeFontInfo(std::string_view bytes);
// A face name longer than 31 bytes is cut at the last whole character that fits.
[[nodiscard]] std::string EncodeFontInfo(const FontInfo& font);

[[nodiscard]] std::optional<WindowPlacement> ReadWindowPlacement(const SettingsStore& store);
[[nodiscard]] platform::Status WriteWindowPlacement(SettingsStore& store,
                                                    const WindowPlacement& placement);
// `setting` is settings::kFontInfoList or settings::kFontInfoDetail.
[[nodiscard]] std::optional<FontInfo> ReadFontInfo(const SettingsStore& store,
                                                   const BinarySetting& setting);
[[nodiscard]] platform::Status WriteFontInfo(SettingsStore& store, const BinarySetting& setting,
                                             const FontInfo& font);

} // namespace shell
