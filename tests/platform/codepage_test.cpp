#include "platform/codepage.h"
#include "platform/cp932_reference.h"
#include "platform/utf8.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>

using namespace platform;

TEST(Cp932Conversion, RoundTripsJapaneseAndAscii) {
    const std::string utf8 = "撮影日付: 2000:12:31 ｶﾅ ～①";
    const std::string cp932 = Utf8ToCp932(utf8);
    EXPECT_EQ(cp932.substr(0, 8), "\x8E\x42\x89\x65\x93\xFA\x95\x74");
    EXPECT_EQ(Cp932ToUtf8(cp932), utf8);
    // Half-width katakana are single bytes in CP932.
    EXPECT_NE(cp932.find("\xB6\xC5"), std::string::npos);
}

TEST(Cp932Conversion, UndecodableBytesBecomeVisibleReplacements) {
    // 0x80 and 0xA0 are unassigned; a lead byte at the end has no partner; 0x81 followed by
    // a line feed is a broken pair that must not swallow the line feed.
    EXPECT_EQ(Cp932ToUtf8("A\x80"
                          "B"),
              "A\xEF\xBF\xBD"
              "B");
    EXPECT_EQ(Cp932ToUtf8("A\xA0"), "A\xEF\xBF\xBD");
    EXPECT_EQ(Cp932ToUtf8("AB\x82"), "AB\xEF\xBF\xBD");
    EXPECT_EQ(Cp932ToUtf8("\x81\nX"), "\xEF\xBF\xBD\nX");
    EXPECT_EQ(Cp932ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp932Conversion, UnrepresentableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp932("a\xF0\x9F\x98\x80z"), "a?z"); // emoji: no CP932 code
    EXPECT_EQ(Utf8ToCp932("a\xC3z"), "a?z");             // truncated UTF-8 sequence
    EXPECT_EQ(Utf8ToCp932("\xFF\xFE"), "??");            // bytes that never start UTF-8
}

// Text tags written today are mostly UTF-8; those of Japanese cameras and programs CP932.
TEST(Cp932Conversion, ForeignTextIsReadAsUtf8WhenItIsThat) {
    const std::string tower = Utf8ToCp932("東京タワー");
    struct Case {
        std::string text, expected;
    };
    for (const Case& c : {Case{"東京タワー", tower}, // UTF-8 Japanese
                          Case{tower, tower},        // CP932 stays
                          Case{Utf8ToCp932("ｶﾒﾗ 撮影"), Utf8ToCp932("ｶﾒﾗ 撮影")},
                          Case{"Jos\xC3\xA9", "Jos?"}, // UTF-8 beyond CP932
                          Case{"Jos\xE9", "Jos\xE9"},  // Latin-1: no UTF-8, kept
                          Case{"plain ASCII", "plain ASCII"}}) {
        EXPECT_EQ(ForeignTextToCp932(c.text), c.expected) << Cp932ToUtf8(c.text);
    }
}

TEST(Cp932Stepping, LeadBytesStartTwoByteCharacters) {
    EXPECT_FALSE(IsCp932LeadByte('A'));
    EXPECT_FALSE(IsCp932LeadByte(0x80));
    EXPECT_TRUE(IsCp932LeadByte(0x81));
    EXPECT_TRUE(IsCp932LeadByte(0x9F));
    EXPECT_FALSE(IsCp932LeadByte(0xA0));
    EXPECT_FALSE(IsCp932LeadByte(0xDF));
    EXPECT_TRUE(IsCp932LeadByte(0xE0));
    EXPECT_TRUE(IsCp932LeadByte(0xFC));
    EXPECT_FALSE(IsCp932LeadByte(0xFD));

    // "ソ" is 0x83 0x5C: its trail byte is the backslash.
    const std::string text = "a\x83\x5C"
                             "b\x83";
    EXPECT_EQ(Cp932CharLength(text, 0), 1u);
    EXPECT_EQ(Cp932CharLength(text, 1), 2u);
    EXPECT_EQ(Cp932CharLength(text, 3), 1u);
    EXPECT_EQ(Cp932CharLength(text, 4), 1u); // lead byte at the end
}

TEST(Cp932Paths, PathsConvertBothWays) {
    const std::filesystem::path path = "/写真/DSCN0001.JPG";
    EXPECT_EQ(PathToCp932(path), "/\x8E\xCA\x90\x5E/DSCN0001.JPG");
    EXPECT_EQ(Cp932ToPath("/\x8E\xCA\x90\x5E/DSCN0001.JPG"), path);
}

namespace {

std::string Utf8Of(char32_t code) {
    std::string text;
    platform::AppendUtf8(text, code);
    return text;
}

} // namespace

TEST(Cp932Conversion, DecodesEveryByteAndPairAsTheCLibraryDoes) {
    ReferenceConverter library("UTF-8", "CP932");
    int compared = 0;
    for (int first = 0; first < 256; ++first) {
        const std::string single(1, static_cast<char>(first));
        if (!IsCp932LeadByte(static_cast<unsigned char>(first))) {
            EXPECT_EQ(Cp932ToUtf8(single), library.Convert(single).value_or("\xEF\xBF\xBD"))
                << std::hex << first;
            continue;
        }
        for (int second = 0; second < 256; ++second) {
            const std::string pair = single + static_cast<char>(second);
            if (const auto expected = library.Convert(pair)) {
                EXPECT_EQ(Cp932ToUtf8(pair), *expected) << std::hex << first << ' ' << second;
                ++compared;
            } else if (IsCp932TrailByte(static_cast<unsigned char>(second))) {
                EXPECT_EQ(Cp932ToUtf8(pair), "\xEF\xBF\xBD") << std::hex << first << ' ' << second;
            }
        }
    }
    EXPECT_GT(compared, 7000) << "the double-byte characters of CP932";
}

TEST(Cp932Conversion, EncodesEveryCharacterAsTheCLibraryDoes) {
    ReferenceConverter library("CP932", "UTF-8");
    int encoded = 0;
    for (std::uint32_t code = 0; code < 0x110000; ++code) {
        if (code >= 0xD800 && code < 0xE000) {
            continue;
        }
        const std::string utf8 = Utf8Of(code);
        const auto expected = library.Convert(utf8);
        ASSERT_EQ(Utf8ToCp932(utf8), expected.value_or("?")) << std::hex << code;
        encoded += expected ? 1 : 0;
    }
    EXPECT_GT(encoded, 7000);
    // Forms the C library refuses too: overlong, surrogate, beyond U+10FFFF, a lone trail.
    for (const char* malformed : {"\xC0\x80", "\xE0\x80\xBF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                                  "\x80", "\xF8\x88\x80\x80\x80"}) {
        EXPECT_FALSE(library.Convert(malformed)) << malformed;
        EXPECT_EQ(Utf8ToCp932(malformed).find_first_not_of('?'), std::string::npos) << malformed;
    }
}
