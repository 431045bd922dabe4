// make_demo_photos FOLDER: writes the demonstration photos into FOLDER (made when missing):
// camera JPEGs of several makes, the four Nikon models with their maker notes, EXIF
// thumbnails, one portrait stored on its side, and one scanned picture without EXIF data. Files of the same names are replaced.

#include "exif/image_transform.h"
#include "exif/imaging_jpeg.h"
#include "exif/upright_picture.h"
#include "platform/file_error.h"
#include "platform/file_times.h"
#include "resources/demo/demo_photos.h"
#include "tests/support/exif_fixture.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <stdexcept>

namespace {

constexpr std::uint32_t kWidth = 640;
constexpr std::uint32_t kHeight = 480;
constexpr std::uint32_t kThumbnailWidth = 160;
constexpr std::uint32_t kThumbnailHeight = 120;

std::vector<std::uint8_t> Encoded(const exif::Image& picture) {
    auto bytes = exif::EncodeJpeg(picture);
    if (!bytes) {
        throw std::runtime_error("the JPEG encoder failed");
    }
    return std::move(*bytes);
}

// The photo's subject as the camera stored it, width x height: painted upright, then turned
// back against the turn its Orientation asks a viewer for. The thumbnail is stored so too.
exif::Image Stored(const demo::DemoPhoto& photo, std::uint32_t width, std::uint32_t height) {
    const exif::PixelTransform upright =
        exif::TransformOfOrientation(photo.exif ? photo.exif->orientation : 1);
    const exif::PictureSize shown = exif::TransformedSize({width, height}, upright);
    return exif::Transformed(demo::Paint(photo.subject, shown.width, shown.height),
                             exif::Inverse(upright));
}

// A camera's thumbnail: SOI and the picture, without the JFIF header.
std::vector<std::uint8_t> Thumbnail(const demo::DemoPhoto& photo) {
    std::vector<std::uint8_t> bytes = {0xFF, 0xD8};
    const auto rest =
        demo::WithoutHeaderSegments(Encoded(Stored(photo, kThumbnailWidth, kThumbnailHeight)));
    bytes.insert(bytes.end(), rest.begin(), rest.end());
    return bytes;
}

std::vector<std::uint8_t> PhotoBytes(const demo::DemoPhoto& photo) {
    std::vector<std::uint8_t> picture = Encoded(Stored(photo, kWidth, kHeight));
    if (!photo.exif) {
        return picture;
    }
    demo::PhotoExif exif = *photo.exif;
    exif.date = photo.date;
    const fixture::Built tiff =
        fixture::BuildTiff(demo::ExifContentOf(exif, kWidth, kHeight, Thumbnail(photo)));
    return demo::ExifJpeg(tiff.bytes, picture);
}

platform::LocalDateTime LocalDate(const std::string& date) {
    platform::LocalDateTime local;
    if (std::sscanf(date.c_str(), "%d:%d:%d %d:%d:%d", &local.year, &local.month, &local.day,
                    &local.hour, &local.minute, &local.second) != 6) {
        throw std::runtime_error("not a date: " + date);
    }
    return local;
}

// As a camera leaves it: the file was last written when the photo was taken.
void WritePhoto(const std::filesystem::path& folder, const demo::DemoPhoto& photo) {
    const std::filesystem::path path = folder / photo.fileName;
    fixture::WriteFile(path, PhotoBytes(photo));
    const auto time = platform::FileTimeFromLocal(LocalDate(photo.date));
    if (!time) {
        throw std::runtime_error("no such moment: " + photo.date);
    }
    platform::SetLastWriteTime(path, *time);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_demo_photos FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    try {
        std::filesystem::create_directories(folder);
        for (const demo::DemoPhoto& photo : demo::DemoPhotos()) {
            WritePhoto(folder, photo);
        }
    } catch (const std::exception& error) {
        std::cerr << "make_demo_photos: " << folder.string() << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}
