// cp932_table_maker OUTPUT: writes the CP932 tables of platform/codepage as C++ source, read from
// the C library's own converter at build time. The programs then convert without loading converter
// modules at run time (a statically linked program would need the very C library it was built
// with), and every thread can share the tables.
//
// The maker checks what the converter relies on and fails the build when the C library
// disagrees: ASCII maps to itself both ways, a lead byte is never a character alone, and a lead
// byte followed by a byte that cannot trail is never a pair.

#include "platform/codepage.h"
#include "platform/cp932_reference.h"
#include "platform/utf8.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kNone = 0xFFFF;
// The columns of the double-byte table: every trail byte, and 0x7F among them.
constexpr std::uint32_t kFirstColumn = 0x40;
constexpr std::uint32_t kLastColumn = 0xFC;

std::string Utf8Of(char32_t code) {
    std::string text;
    platform::AppendUtf8(text, code);
    return text;
}

// The one BMP character of a UTF-8 text, or kNone when it is not exactly one such character.
std::uint32_t SingleBmpCharacter(const std::optional<std::string>& utf8) {
    if (!utf8) {
        return kNone;
    }
    const std::string& text = *utf8;
    const auto byte = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(text[i]));
    };
    std::uint32_t code = kNone;
    if (text.size() == 1 && byte(0) < 0x80) {
        code = byte(0);
    } else if (text.size() == 2) {
        code = ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
    } else if (text.size() == 3) {
        code = ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    }
    return code == kNone || Utf8Of(code) != text ? kNone : code;
}

[[noreturn]] void Fail(const char* what, std::uint32_t value) {
    std::fprintf(stderr, "cp932_table_maker: %s (0x%X)\n", what, value);
    std::exit(1);
}

template <typename Value>
void PrintTable(const char* declaration, const std::vector<Value>& values) {
    std::printf("%s = {\n", declaration);
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::printf("0x%llX", static_cast<unsigned long long>(values[i]));
        std::printf(i % 8 == 7 || i + 1 == values.size() ? ",\n" : ", ");
    }
    std::printf("};\n\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 || std::freopen(argv[1], "w", stdout) == nullptr) {
        Fail("usage: cp932_table_maker OUTPUT", 0);
    }
    platform::ReferenceConverter decoder("UTF-8", "CP932");
    platform::ReferenceConverter encoder("CP932", "UTF-8");
    if (!decoder.Usable() || !encoder.Usable()) {
        Fail("the C library has no CP932 converter", 0);
    }

    std::vector<std::uint32_t> single(256);
    for (std::uint32_t byte = 0; byte < 256; ++byte) {
        single[byte] = SingleBmpCharacter(decoder.Convert(std::string(1, static_cast<char>(byte))));
        if (byte < 0x80 && single[byte] != byte) {
            Fail("an ASCII byte does not decode to itself", byte);
        }
        if (platform::IsCp932LeadByte(static_cast<unsigned char>(byte)) && single[byte] != kNone) {
            Fail("a lead byte decodes alone", byte);
        }
    }

    std::vector<std::uint32_t> pairs;
    for (std::uint32_t lead = 0x81; lead <= 0xFC; ++lead) {
        if (!platform::IsCp932LeadByte(static_cast<unsigned char>(lead))) {
            continue;
        }
        for (std::uint32_t trail = 0; trail < 256; ++trail) {
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            const std::uint32_t code = SingleBmpCharacter(decoder.Convert(pair));
            if (!platform::IsCp932TrailByte(static_cast<unsigned char>(trail)) && code != kNone) {
                Fail("a lead byte pairs with a byte that cannot trail", lead << 8 | trail);
            }
            if (trail >= kFirstColumn && trail <= kLastColumn) {
                pairs.push_back(code);
            }
        }
    }

    std::vector<std::uint64_t> encoding; // (character << 16) | CP932 code, by character
    for (std::uint32_t code = 0; code < 0x110000; ++code) {
        if (code >= 0xD800 && code < 0xE000) {
            continue;
        }
        const auto cp932 = encoder.Convert(Utf8Of(code));
        if (code < 0x80) {
            if (cp932 != std::string(1, static_cast<char>(code))) {
                Fail("an ASCII character does not encode to itself", code);
            }
            continue;
        }
        if (!cp932) {
            continue;
        }
        if (cp932->size() > 2) {
            Fail("a character encodes to more than two bytes", code);
        }
        std::uint64_t bytes = 0; // none for a character the converter drops (language tags)
        for (const char c : *cp932) {
            bytes = bytes << 8 | static_cast<unsigned char>(c);
        }
        encoding.push_back(std::uint64_t{code} << 16 | bytes);
    }

    std::printf("// Made by cp932_table_maker from the C library's CP932 converter.\n\n");
    PrintTable("constexpr std::array<std::uint16_t, 256> kSingleByteCharacters", single);
    std::printf("constexpr unsigned kFirstTrailColumn = 0x%X;\n", kFirstColumn);
    std::printf("constexpr unsigned kTrailColumns = %u;\n", kLastColumn - kFirstColumn + 1);
    std::printf("constexpr std::size_t kDoubleByteCount = %zu;\n", pairs.size());
    PrintTable("constexpr std::array<std::uint16_t, kDoubleByteCount> kDoubleByteCharacters",
               pairs);
    std::printf("constexpr std::size_t kEncodingCount = %zu;\n", encoding.size());
    PrintTable("constexpr std::array<std::uint64_t, kEncodingCount> kEncodings", encoding);
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 1;
}
