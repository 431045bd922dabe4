#include "resources/demo/demo_exif.h"

#include "exif/user_comment.h"
#include "platform/codepage.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace demo {
namespace {

using namespace fixture;

// Camera texts were written in fields of fixed width, padded with blanks.
Entry Padded(std::uint16_t tag, const std::string& text, std::uint32_t count) {
    std::string padded = text;
    padded.resize(count - 1, ' ');
    return AsciiFixed(tag, padded, count);
}

// Titles and comments get room to be edited in place: a title field of 32 bytes and a comment
// of 125, the comment's CP932 text behind its character code as the program writes them.
Entry Title(const std::string& utf8) {
    return AsciiFixed(0x010E, platform::Utf8ToCp932(utf8), 32);
}

Entry Comment(const std::string& utf8) {
    std::vector<std::uint8_t> bytes(125, 0);
    const std::string text = exif::EncodeUserComment(platform::Utf8ToCp932(utf8));
    std::copy_n(text.begin(), std::min<std::size_t>(text.size(), bytes.size() - 1), bytes.begin());
    return Undefined(0x9286, bytes);
}

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

MakerNote NumbersNote(const NikonNumbers& note) {
    return {MakerNoteLayout::NikonHeader,
            {
                Ascii(0x0002, "08.00"),
                Short(0x0003, {note.sizeQuality}),
                Short(0x0004, {note.colorMode}),
                Short(0x0005, {note.imageAdjust}),
                Short(0x0006, {0}),
                Short(0x0007, {note.whiteBalance}),
                Rational(0x0008, note.focus.first, note.focus.second),
                Rational(0x000A, note.digitalZoom, 100),
                Short(0x000B, {note.converter}),
            }};
}

MakerNote WordsNote(const NikonWords& note) {
    return {MakerNoteLayout::Headerless,
            {
                Undefined(0x0001, {0x00, 0x01, 0x00, 0x00}),
                Short(0x0002, {0, note.iso}),
                Padded(0x0003, note.colorMode, 6),
                Padded(0x0004, note.quality, 7),
                Padded(0x0005, note.whiteBalance, 13),
                Padded(0x0006, note.sharpness, 7),
                Padded(0x0007, note.focusMode, 7),
                Padded(0x0008, note.flashSetting, 8),
                Padded(0x000F, "AUTO", 7),
                Padded(0x0080, note.imageAdjust, 14),
                Padded(0x0082, note.converter, 13),
                Rational(0x0085, note.focusDistance.first, note.focusDistance.second),
                Rational(0x0086, note.digitalZoom.first, note.digitalZoom.second),
                Undefined(0x0088, {0, note.focusArea, 0, 0}),
            }};
}

std::vector<Entry> ImageIfd(const PhotoExif& photo) {
    return {
        Title(photo.title), Ascii(0x010F, photo.make),     Ascii(0x0110, photo.model),
        Short(0x0112, {photo.orientation}), Rational(0x011A, 72, 1),       Rational(0x011B, 72, 1),
        Short(0x0128, {2}), Ascii(0x0131, photo.software), Ascii(0x0132, photo.date),
        Short(0x0213, {2}),
    };
}

std::vector<Entry> ExifIfd(const PhotoExif& photo, std::uint32_t width, std::uint32_t height) {
    const Exposure& e = photo.exposure;
    return {
        Rational(0x829A, e.exposureTime.first, e.exposureTime.second),
        Rational(0x829D, e.fNumber.first, e.fNumber.second),
        Short(0x8822, {e.program}),
        Short(0x8827, {e.iso}),
        Undefined(0x9000, Bytes("0210")),
        Ascii(0x9003, photo.date),
        Ascii(0x9004, photo.date),
        Undefined(0x9101, {1, 2, 3, 0}),
        Rational(0x9102, e.compressedBitsPerPixel, 1),
        SRational(0x9204, e.biasTenths, 10),
        Rational(0x9205, e.maxAperture.first, e.maxAperture.second),
        Short(0x9207, {e.metering}),
        Short(0x9208, {0}),
        Short(0x9209, {e.flash}),
        Rational(0x920A, e.focalLength.first, e.focalLength.second),
        Comment(photo.comment),
        Undefined(0xA000, Bytes("0100")),
        Short(0xA001, {1}),
        Long(0xA002, {width}),
        Long(0xA003, {height}),
        Undefined(0xA300, {3}),
        Undefined(0xA301, {1}),
    };
}

} // namespace

ExifContent ExifContentOf(const PhotoExif& photo, std::uint32_t width, std::uint32_t height,
                          std::vector<std::uint8_t> thumbnail) {
    ExifContent content;
    content.ifd0 = ImageIfd(photo);
    content.exif = ExifIfd(photo, width, height);
    if (photo.numbers) {
        content.makerNote = NumbersNote(*photo.numbers);
    } else if (photo.words) {
        content.makerNote = WordsNote(*photo.words);
    }
    content.ifd1 = std::vector<Entry>{
        Short(0x0103, {6}),
        Rational(0x011A, 72, 1),
        Rational(0x011B, 72, 1),
        Short(0x0128, {2}),
    };
    content.thumbnail = std::move(thumbnail);
    return content;
}

std::vector<std::uint8_t> WithoutHeaderSegments(const std::vector<std::uint8_t>& jpeg) {
    if (jpeg.size() < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8) {
        throw std::runtime_error("the encoder gave no JPEG");
    }
    std::size_t at = 2;
    // Each APPn segment: FF En, a big-endian length that counts itself, its data.
    while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF && (jpeg[at + 1] & 0xF0) == 0xE0) {
        const std::size_t length = (std::size_t{jpeg[at + 2]} << 8) | jpeg[at + 3];
        if (length < 2 || length > jpeg.size() - at - 2) {
            throw std::runtime_error("the encoder gave a damaged JPEG segment");
        }
        at += 2 + length;
    }
    return {jpeg.begin() + static_cast<std::ptrdiff_t>(at), jpeg.end()};
}

std::vector<std::uint8_t> ExifJpeg(const std::vector<std::uint8_t>& tiff,
                                   const std::vector<std::uint8_t>& picture) {
    // The APP1 length counts itself (2), "Exif\0\0" (6) and the TIFF block.
    const std::size_t length = 2 + 6 + tiff.size();
    if (length > 0xFFFF) {
        throw std::runtime_error("the EXIF data do not fit one segment");
    }
    const std::uint8_t header[] = {0xFF, 0xD8, 0xFF, 0xE1, static_cast<std::uint8_t>(length >> 8),
                                   static_cast<std::uint8_t>(length & 0xFF), 'E', 'x', 'i', 'f',
                                   0, 0};
    const std::vector<std::uint8_t> rest = WithoutHeaderSegments(picture);
    // Filled in place: appending to the header makes g++ 12 -O3 warn of a copy out of bounds.
    std::vector<std::uint8_t> file(sizeof header + tiff.size() + rest.size());
    auto end = std::copy(std::begin(header), std::end(header), file.begin());
    end = std::copy(tiff.begin(), tiff.end(), end);
    std::copy(rest.begin(), rest.end(), end);
    return file;
}

} // namespace demo
