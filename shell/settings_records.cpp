#include "shell/settings_records.h"

#include "platform/codepage.h"

#include <algorithm>

namespace shell {
namespace {

std::uint32_t ReadUint32(std::string_view bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i]))
                 << (8 * i);
    }
    return value;
}

std::int32_t ReadInt32(std::string_view bytes, std::size_t offset) {
    return static_cast<std::int32_t>(ReadUint32(bytes, offset));
}

void AppendUint32(std::string& bytes, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

void AppendInt32(std::string& bytes, std::int32_t value) {
    AppendUint32(bytes, static_cast<std::uint32_t>(value));
}

// The longest start of the name that fits the field without splitting a double-byte character.
std::string_view FittingFaceName(std::string_view name) {
    std::size_t end = 0;
    while (end < name.size()) {
        const std::size_t next = end + platform::Cp932CharLength(name, end);
        if (next > kFaceNameCapacity) {
            break;
        }
        end = next;
    }
    return name.substr(0, end);
}

} // namespace

std::optional<WindowPlacement> DecodeWindowPlacement(std::string_view bytes) {
    if (bytes.size() != kWindowPlacementSize || ReadUint32(bytes, 0) != kWindowPlacementSize) {
        return std::nullopt;
    }
    WindowPlacement placement;
    placement.flags = ReadUint32(bytes, 4);
    placement.showCommand = ReadUint32(bytes, 8);
    placement.minPosition = {ReadInt32(bytes, 12), ReadInt32(bytes, 16)};
    placement.maxPosition = {ReadInt32(bytes, 20), ReadInt32(bytes, 24)};
    placement.normalPosition = {ReadInt32(bytes, 28), ReadInt32(bytes, 32), ReadInt32(bytes, 36),
                                ReadInt32(bytes, 40)};
    return placement;
}

std::string EncodeWindowPlacement(const WindowPlacement& placement) {
    std::string bytes;
    AppendUint32(bytes, kWindowPlacementSize);
    AppendUint32(bytes, placement.flags);
    AppendUint32(bytes, placement.showCommand);
    for (const std::int32_t value :
         {placement.minPosition.x, placement.minPosition.y, placement.maxPosition.x,
          placement.maxPosition.y, placement.normalPosition.left, placement.normalPosition.top,
          placement.normalPosition.right, placement.normalPosition.bottom}) {
        AppendInt32(bytes, value);
    }
    return bytes;
}

std::optional<FontInfo> DecodeFontInfo(std::string_view bytes) {
    if (bytes.size() != kFontInfoSize) {
        return std::nullopt;
    }
    FontInfo font;
    font.height = ReadInt32(bytes, 0);
    font.color = ReadUint32(bytes, 4);
    font.pixelsPerInch = ReadInt32(bytes, 8);
    font.pitch = static_cast<std::uint8_t>(bytes[12]);
    font.charset = static_cast<std::uint8_t>(bytes[13]);
    const auto style = static_cast<unsigned char>(bytes[14]);
    font.style = {(style & 1) != 0, (style & 2) != 0, (style & 4) != 0, (style & 8) != 0};
    const std::size_t length =
        std::min<std::size_t>(static_cast<unsigned char>(bytes[15]), kFaceNameCapacity);
    font.faceName = std::string(bytes.substr(16, length));
    return font;
}

std::string EncodeFontInfo(const FontInfo& font) {
    std::string bytes;
    AppendInt32(bytes, font.height);
    AppendUint32(bytes, font.color);
    AppendInt32(bytes, font.pixelsPerInch);
    bytes.push_back(static_cast<char>(font.pitch));
    bytes.push_back(static_cast<char>(font.charset));
    const int style = (font.style.bold ? 1 : 0) | (font.style.italic ? 2 : 0) |
                      (font.style.underline ? 4 : 0) | (font.style.strikeOut ? 8 : 0);
    bytes.push_back(static_cast<char>(style));
    const std::string_view name = FittingFaceName(font.faceName);
    bytes.push_back(static_cast<char>(name.size()));
    bytes.append(name);
    bytes.resize(kFontInfoSize, '\0'); // the rest of the name field and the padding byte
    return bytes;
}

std::optional<WindowPlacement> ReadWindowPlacement(const SettingsStore& store) {
    const auto bytes = store.ReadBinary(settings::kFormMainWinPlaceMain.name,
                                        settings::kFormMainWinPlaceMain.size);
    return bytes ? DecodeWindowPlacement(*bytes) : std::nullopt;
}

platform::Status WriteWindowPlacement(SettingsStore& store, const WindowPlacement& placement) {
    return store.WriteBinary(settings::kFormMainWinPlaceMain.name,
                             EncodeWindowPlacement(placement));
}

std::optional<FontInfo> ReadFontInfo(const SettingsStore& store, const BinarySetting& setting) {
    const auto bytes = store.ReadBinary(setting.name, setting.size);
    return bytes ? DecodeFontInfo(*bytes) : std::nullopt;
}

platform::Status WriteFontInfo(SettingsStore& store, const BinarySetting& setting,
                               const FontInfo& font) {
    return store.WriteBinary(setting.name, EncodeFontInfo(font));
}

} // namespace shell
