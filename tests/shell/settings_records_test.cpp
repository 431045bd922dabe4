#include "platform/codepage.h"
#include "shell/settings_records.h"
#include "tests/support/machine_sandbox.h"

#include <gtest/gtest.h>

using namespace shell;

namespace {

// Little-endian 32-bit words, as the records lay them out.
std::string Words(std::initializer_list<std::uint32_t> words) {
    std::string bytes;
    for (const std::uint32_t word : words) {
        for (int i = 0; i < 4; ++i) {
            bytes += static_cast<char>((word >> (8 * i)) & 0xFF);
        }
    }
    return bytes;
}

} // namespace

TEST(WindowPlacementRecord, LaysOutFortyFourBytesAsThePlatformCallFillsThem) {
    WindowPlacement placement;
    placement.flags = 2;
    placement.showCommand = 3;
    placement.minPosition = {-1, -1};
    placement.maxPosition = {-4, -23};
    placement.normalPosition = {100, 50, 740, 530};
    const std::string bytes = EncodeWindowPlacement(placement);
    EXPECT_EQ(bytes,
              Words({44, 2, 3, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFC, 0xFFFFFFE9, 100, 50, 740, 530}));
    EXPECT_EQ(DecodeWindowPlacement(bytes), placement);

    EXPECT_EQ(DecodeWindowPlacement(bytes.substr(0, 40)), std::nullopt);
    EXPECT_EQ(DecodeWindowPlacement(bytes + "x"), std::nullopt);
    std::string wrongLength = bytes;
    wrongLength[0] = 40;
    EXPECT_EQ(DecodeWindowPlacement(wrongLength), std::nullopt);
}

TEST(FontInfoRecord, LaysOutFortyEightBytes) {
    FontInfo font;
    font.height = -12;
    font.color = 0x00FF0000;
    font.pixelsPerInch = 96;
    font.pitch = 2;
    font.charset = 128;
    font.style = {true, false, false, true};
    font.faceName = platform::Utf8ToCp932("ＭＳ ゴシック");
    const std::string bytes = EncodeFontInfo(font);
    ASSERT_EQ(bytes.size(), 48u);
    EXPECT_EQ(bytes.substr(0, 12), Words({0xFFFFFFF4, 0x00FF0000, 96}));
    // Pitch, character set, bold and strike-out, and 13 bytes of face name.
    EXPECT_EQ(bytes.substr(12, 4), std::string("\x02\x80\x09\x0D", 4));
    EXPECT_EQ(bytes.substr(16, 13), font.faceName);
    EXPECT_EQ(bytes.substr(29), std::string(19, '\0'));
    EXPECT_EQ(DecodeFontInfo(bytes), font);

    EXPECT_EQ(DecodeFontInfo(bytes.substr(0, 47)), std::nullopt);
    EXPECT_EQ(DecodeFontInfo(bytes + '\0'), std::nullopt);
}

TEST(FontInfoRecord, FaceNamesStayWithinTheirThirtyOneBytes) {
    FontInfo font;
    // Sixteen double-byte characters are 32 bytes: the last whole one that fits is the 15th.
    font.faceName = platform::Utf8ToCp932("あいうえおかきくけこさしすせそた");
    const std::string bytes = EncodeFontInfo(font);
    EXPECT_EQ(static_cast<unsigned char>(bytes[15]), 30);
    EXPECT_EQ(DecodeFontInfo(bytes)->faceName, font.faceName.substr(0, 30));

    // A length byte beyond the field reads only the field; other style bits are ignored.
    std::string damaged = bytes;
    damaged[15] = static_cast<char>(200);
    damaged[14] = static_cast<char>(0xF2);
    const std::optional<FontInfo> read = DecodeFontInfo(damaged);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->faceName.size(), 31u);
    EXPECT_EQ(read->style, (FontStyle{false, true, false, false}));
}

TEST(BinaryRecords, AreReadFromTheProgramKeyOnlyWithTheirExactSize) {
    fixture::MachineSandbox machine;
    SettingsStore store = SettingsStore::OpenMachine();
    EXPECT_EQ(ReadWindowPlacement(store), std::nullopt);
    EXPECT_EQ(ReadFontInfo(store, settings::kFontInfoList), std::nullopt);

    WindowPlacement placement;
    placement.normalPosition = {1, 2, 3, 4};
    FontInfo font;
    font.faceName = "Arial";
    ASSERT_TRUE(WriteWindowPlacement(store, placement).Ok());
    ASSERT_TRUE(WriteFontInfo(store, settings::kFontInfoDetail, font).Ok());
    const SettingsStore reader = SettingsStore::OpenMachine();
    EXPECT_EQ(ReadWindowPlacement(reader), placement);
    EXPECT_EQ(ReadFontInfo(reader, settings::kFontInfoDetail), font);
    EXPECT_EQ(ReadFontInfo(reader, settings::kFontInfoList), std::nullopt);
    EXPECT_EQ(reader.StoredValue("", "FontInfoDetail")->type, platform::RegistryType::Binary);

    // Too short, or stored as text: as if absent.
    ASSERT_TRUE(store.WriteBinary("FontInfoList", EncodeFontInfo(font).substr(0, 47)).Ok());
    EXPECT_EQ(ReadFontInfo(reader, settings::kFontInfoList), std::nullopt);
    ASSERT_TRUE(
        store.WriteString("", "FormMainWinPlaceMain", EncodeWindowPlacement(placement)).Ok());
    EXPECT_EQ(ReadWindowPlacement(reader), std::nullopt);
}
