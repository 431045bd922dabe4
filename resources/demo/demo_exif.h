#pragma once

// The EXIF data of a demonstration photo as the fixture builder declares it, with the maker
// notes of the Nikon models whose notes the program decodes, and the JPEG file around it.

#include "tests/support/exif_fixture.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace demo {

using Ratio = std::pair<std::uint32_t, std::uint32_t>;

struct Exposure {
    Ratio exposureTime;
    Ratio fNumber;
    std::int32_t biasTenths = 0; // exposure bias in tenths of a step
    Ratio focalLength;
    Ratio maxAperture;
    std::uint16_t iso = 100;
    std::uint16_t program = 2;  // 2 program AE, 3 aperture priority ...
    std::uint16_t metering = 5; // 5 multi-segment, 2 centre-weighted, 3 spot
    std::uint16_t flash = 0;    // bit 0: fired
    std::uint32_t compressedBitsPerPixel = 4;
};

// Maker note of the E700, E800 and E950: the "Nikon\0\1\0" header, then an IFD of numbers.
struct NikonNumbers {
    std::uint16_t sizeQuality = 3;  // 1-3 BASIC, NORMAL, FINE at VGA size
    std::uint16_t colorMode = 1;    // 1 colour, 2 black and white
    std::uint16_t imageAdjust = 0;  // 0 normal, 1 bright, 2 dark, 3 more contrast, 4 less
    std::uint16_t whiteBalance = 0; // 0 auto, 2 daylight, 3 incandescent, 5 cloudy ...
    Ratio focus{0, 0};              // distance in metres; n/0 infinity, 0/0 autofocus
    std::uint32_t digitalZoom = 0;  // hundredths: 0 none, 125, 160, 200, 250
    std::uint16_t converter = 0;    // 1 with a lens converter
};

// Maker note of the E990: a headerless IFD whose settings are words.
struct NikonWords {
    std::uint16_t iso = 0; // 0 automatic
    std::string colorMode = "COLOR";
    std::string quality = "FINE";
    std::string whiteBalance = "AUTO";
    std::string sharpness = "AUTO";
    std::string focusMode = "AF-S";
    std::string flashSetting; // "" no flash, "NORMAL", "RED-EYE", "SLOW"
    std::string imageAdjust = "AUTO";
    std::string converter = "OFF";
    Ratio focusDistance{1, 0}; // metres; n/0 infinity
    Ratio digitalZoom{100, 100};
    std::uint8_t focusArea = 0; // 0 centre, 1 top, 2 bottom, 3 left, 4 right
};

struct PhotoExif {
    std::string make;
    std::string model;
    std::string software;
    std::string date;    // "yyyy:mm:dd hh:nn:ss"
    std::string title;   // UTF-8
    std::string comment; // UTF-8
    std::uint16_t orientation = 1; // 6: the camera was held upright, the picture lies on its side
    Exposure exposure;
    std::optional<NikonNumbers> numbers;
    std::optional<NikonWords> words;
};

// The IFDs of the photo, its picture size and its thumbnail (a JPEG file's bytes).
[[nodiscard]] fixture::ExifContent ExifContentOf(const PhotoExif& photo, std::uint32_t width,
                                                 std::uint32_t height,
                                                 std::vector<std::uint8_t> thumbnail);

// The segments and scan of an encoded JPEG without its SOI and APPn segments. Throws
// std::runtime_error when the bytes are no JPEG.
[[nodiscard]] std::vector<std::uint8_t>
WithoutHeaderSegments(const std::vector<std::uint8_t>& jpeg);

// SOI, the APP1 "Exif" segment holding the TIFF block, then the picture.
[[nodiscard]] std::vector<std::uint8_t> ExifJpeg(const std::vector<std::uint8_t>& tiff,
                                                 const std::vector<std::uint8_t>& picture);

} // namespace demo
