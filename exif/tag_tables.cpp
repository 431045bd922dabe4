#include "exif/tag_tables.h"

#include <array>

namespace exif {
namespace {

constexpr std::array<TagRow, 105> kStandardTags{{
    {0x00FE, "NewSubFileType"},
    {0x0100, "ImageWidth"},
    {0x0101, "ImageLength"},
    {0x0102, "BitsPerSample"},
    {0x0103, "Compression"},
    {0x0106, "PhotometricInterpretation"},
    {0x010A, "FillOrder"},
    {0x010D, "DocumentName"},
    {0x010E, "ImageDescription"},
    {0x010F, "Make"},
    {0x0110, "Model"},
    {0x0111, "StripOffsets"},
    {0x0112, "Orientation"},
    {0x0115, "SamplesPerPixel"},
    {0x0116, "RowsPerStrip"},
    {0x0117, "StripByteCounts"},
    {0x011A, "XResolution"},
    {0x011B, "YResolution"},
    {0x011C, "PlanarConfiguration"},
    {0x0128, "ResolutionUnit"},
    {0x012D, "TransferFunction"},
    {0x0131, "Software"},
    {0x0132, "DateTime"},
    {0x013B, "Artist"},
    {0x013E, "WhitePoint"},
    {0x013F, "PrimaryChromaticities"},
    {0x0142, "TileWidth"},
    {0x0143, "TileLength"},
    {0x0144, "TileOffsets"},
    {0x0145, "TileByteCounts"},
    {0x014A, "SubIFDs"},
    {0x0156, "TransferRange"},
    {0x015B, "JPEGTables"},
    {0x0200, "JPEGProc"},
    {0x0201, "JPEGInterchangeFormat"},
    {0x0202, "JPEGInterchangeFormatLength"},
    {0x0211, "YCbCrCoefficients"},
    {0x0212, "YCbCrSubSampling"},
    {0x0213, "YCbCrPositioning"},
    {0x0214, "ReferenceBlackWhite"},
    {0x828D, "CFARepeatPatternDim"},
    {0x828E, "CFAPattern"},
    {0x828F, "BatteryLevel"},
    {0x8298, "Copyright"},
    {0x829A, "ExposureTime"},
    {0x829D, "FNumber"},
    {0x83BB, "IPTC/NAA"},
    {0x8769, "ExifOffset"},
    {0x8773, "InterColorProfile"},
    {0x8822, "ExposureProgram"},
    {0x8824, "SpectralSensitivity"},
    {0x8825, "GPSInfo"},
    {0x8827, "ISOSpeedRatings"},
    {0x8828, "OECF"},
    {0x8829, "Interlace"},
    {0x882A, "TimeZeroOffset"},
    {0x882B, "SelfTimerMode"},
    {0x9000, "ExifVersion"},
    {0x9003, "DateTimeOriginal"},
    {0x9004, "DateTimeDigitized"},
    {0x9101, "ComponentsConfiguration"},
    {0x9102, "CompressedBitsPerPixel"},
    {0x9201, "ShutterSpeedValue"},
    {0x9202, "ApertureValue"},
    {0x9203, "BrightnessValue"},
    {0x9204, "ExposureBiasValue"},
    {0x9205, "MaxApertureValue"},
    {0x9206, "SubjectDistance"},
    {0x9207, "MeteringMode"},
    {0x9208, "LightSource"},
    {0x9209, "Flash"},
    {0x920A, "FocalLength"},
    {0x920B, "FlashEnergy"},
    {0x920C, "SpatialFrequencyResponse"},
    {0x920D, "Noise"},
    {0x920E, "FocalPlaneXResolution"},
    {0x920F, "FocalPlaneYResolution"},
    {0x9210, "FocalPlaneResolutionUnit"},
    {0x9211, "ImageNumber"},
    {0x9212, "SecurityClassification"},
    {0x9213, "ImageHistory"},
    {0x9214, "SubjectLocation"},
    {0x9215, "ExposureIndex"},
    {0x9216, "TIFF/EPStandardID"},
    {0x9217, "SensingMethod"},
    {0x927C, "MakerNote"},
    {0x9286, "UserComment"},
    {0x9290, "SubSecTime"},
    {0x9291, "SubSecTimeOriginal"},
    {0x9292, "SubSecTimeDigitized"},
    {0xA000, "FlashPixVersion"},
    {0xA001, "ColorSpace"},
    {0xA002, "ExifImageWidth"},
    {0xA003, "ExifImageLength"},
    {0xA005, "InteroperabilityOffset"},
    // The Exif-IFD twins of the TIFF/EP tags 920B-9217; the prefix keeps the names unique.
    {0xA20B, "E FlashEnergy"},
    {0xA20C, "E SpatialFrequencyResponse"},
    {0xA20E, "E FocalPlaneXResolution"},
    {0xA20F, "E FocalPlaneYResolution"},
    {0xA210, "E FocalPlaneResolutionUnit"},
    {0xA214, "E SubjectLocation"},
    {0xA215, "E ExposureIndex"},
    {0xA217, "E SensingMethod"},
    {0xA300, "FileSource"},
    {0xA301, "SceneType"},
}};

// Rows named "$<id> ???" are tags known to occur whose meaning is not decoded.
constexpr std::array<TagRow, 12> kMakerNote2Tags{{
    {0x0002, "$2 ???"},
    {0x0003, "SizeQuality"},
    {0x0004, "MonoMode"},
    {0x0005, "ImageAdjust"},
    {0x0006, "$6 ???"},
    {0x0007, "WhiteBalance"},
    {0x0008, "FocusMode"},
    {0x0009, "$9 ???"},
    {0x000A, "DigitalTele"},
    {0x000B, "Converter"},
    {0x0100, "ThumbnailImage"},
    {0x0F00, "$f00 ???"},
}};

constexpr std::array<TagRow, 17> kMakerNote3Tags{{
    {0x0001, "$1 ???"},
    {0x0002, "ISOValue"},
    {0x0003, "MonoMode"},
    {0x0004, "Quality"},
    {0x0005, "WhiteBalance"},
    {0x0006, "Sharpness"},
    {0x0007, "AF-MODE"},
    {0x0008, "SpeedLightMode"},
    {0x000A, "$a ???"},
    {0x000F, "ISOMode"},
    {0x0010, "$10 ???"},
    {0x0080, "ImageAdjust"},
    {0x0082, "Converter"},
    {0x0085, "FocusPosition"},
    {0x0086, "DigitalTele"},
    {0x0088, "FocusArea"},
    {0x0100, "ThumbnailImage"},
}};

} // namespace

std::span<const TagRow> TTagTable(TagDictionary dictionary) {
    switch (dictionary) {
    case TagDictionary::MakerNote2:
        return kMakerNote2Tags;
    case TagDictionary::MakerNote3:
        return kMakerNote3Tags;
    case TagDictionary::Standard:
        break;
    }
    return kStandardTags;
}

std::optional<std::uint16_t> TagIdOf(TagDictionary dictionary, std::string_view name) {
    for (const TagRow& row : TTagTable(dictionary)) {
        if (row.name == name) {
            return row.id;
        }
    }
    return std::nullopt;
}

std::string_view TagNameOf(TagDictionary dictionary, std::uint16_t id) {
    for (const TagRow& row : TTagTable(dictionary)) {
        if (row.id == id) {
            return row.name;
        }
    }
    return {};
}

} // namespace exif
