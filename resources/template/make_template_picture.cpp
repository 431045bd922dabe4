// make_template_picture FILE: writes the EXIF template picture (Hestrom.jpg) whose APP1
// segment EXIF add gives to pictures that have none: IFD0 with the usual camera tags and a
// 20-byte DateTime, room for a title, an Exif IFD with the other two dates, room for a comment
// and the picture size, and IFD1 with a 160 x 120 thumbnail. EXIF add replaces the dates, the
// size and the thumbnail by those of each picture.

#include "exif/imaging_jpeg.h"
#include "resources/demo/demo_exif.h"
#include "resources/demo/demo_pictures.h"
#include "tests/support/exif_fixture.h"

#include <filesystem>
#include <iostream>
#include <stdexcept>

namespace {

using namespace fixture;

constexpr std::uint32_t kWidth = 640;
constexpr std::uint32_t kHeight = 480;
constexpr char kDate[] = "2000:01:01 00:00:00";

std::vector<std::uint8_t> Encoded(const exif::Image& picture) {
    auto bytes = exif::EncodeJpeg(picture);
    if (!bytes) {
        throw std::runtime_error("the JPEG encoder failed");
    }
    return std::move(*bytes);
}

std::vector<std::uint8_t> Chars(std::string_view text) {
    return {text.begin(), text.end()};
}

// SOI and the picture without the encoder's JFIF segment, as cameras embed their thumbnails.
std::vector<std::uint8_t> Thumbnail(const exif::Image& picture) {
    std::vector<std::uint8_t> bytes = {0xFF, 0xD8};
    const auto rest = demo::WithoutHeaderSegments(Encoded(picture));
    bytes.insert(bytes.end(), rest.begin(), rest.end());
    return bytes;
}

ExifContent TemplateContent(std::vector<std::uint8_t> thumbnail) {
    ExifContent content;
    // Title and comment get the room the demonstration photos have, so that the title and
    // comment commands can fill them in after EXIF add.
    content.ifd0 = {AsciiFixed(0x010E, "", 32), Ascii(0x010F, "Hestrom"),
                    Ascii(0x0110, "LumaroUty"), Short(0x0112, {1}),
                    Rational(0x011A, 72, 1),    Rational(0x011B, 72, 1),
                    Short(0x0128, {2}),         Ascii(0x0131, "LumaroUty"),
                    Ascii(0x0132, kDate),       Short(0x0213, {2})};
    content.exif = std::vector<Entry>{
        Undefined(0x9000, Chars("0220")),
        Ascii(0x9003, kDate),
        Ascii(0x9004, kDate),
        Undefined(0x9101, {1, 2, 3, 0}),
        Undefined(0x9286, std::vector<std::uint8_t>(125, 0)),
        Undefined(0xA000, Chars("0100")),
        Short(0xA001, {1}),
        Long(0xA002, {kWidth}),
        Long(0xA003, {kHeight}),
    };
    content.ifd1 = std::vector<Entry>{Short(0x0103, {6}), Rational(0x011A, 72, 1),
                                      Rational(0x011B, 72, 1), Short(0x0128, {2})};
    content.thumbnail = std::move(thumbnail);
    return content;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_template_picture FILE\n";
        return 2;
    }
    const std::filesystem::path file = argv[1];
    try {
        const auto thumbnail = Thumbnail(demo::Paint(demo::Subject::GreenHills, 160, 120));
        const Built tiff = BuildTiff(TemplateContent(thumbnail));
        WriteFile(file, demo::ExifJpeg(tiff.bytes, Encoded(demo::Paint(demo::Subject::GreenHills,
                                                                       kWidth, kHeight))));
    } catch (const std::exception& error) {
        std::cerr << "make_template_picture: " << file.string() << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}
