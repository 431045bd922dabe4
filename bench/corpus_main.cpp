// bench_corpus FOLDER COUNT WIDTH HEIGHT: writes COUNT camera-like JPEG files of WIDTH x HEIGHT
// (IMG_0001.JPG ...) with an APP1 Exif segment and a 160 x 120 IFD1 thumbnail.

#include "bench/corpus_jpeg.h"
#include "bench/corpus_picture.h"
#include "exif/imaging_jpeg.h"
#include "exif/imaging_resample.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int kCameraQuality = 92;

std::string DateTimeOf(int index) {
    char text[32];
    std::snprintf(text, sizeof text, "2023:%02d:%02d %02d:%02d:%02d", 1 + index % 12,
                  1 + index % 28, index % 24, index % 60, (index * 7) % 60);
    return text;
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: bench_corpus FOLDER COUNT WIDTH HEIGHT\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const int count = std::stoi(argv[2]);
    const auto width = static_cast<std::uint32_t>(std::stoul(argv[3]));
    const auto height = static_cast<std::uint32_t>(std::stoul(argv[4]));
    std::filesystem::create_directories(folder);
    for (int i = 1; i <= count; ++i) {
        const exif::Image scene =
            bench::MakeScene(width, height, static_cast<std::uint32_t>(i) * 7919u + width);
        const auto thumbnail = exif::EncodeJpeg(exif::Resample(scene, 160, 120));
        const auto app1 = bench::ExifSegment(width, height, DateTimeOf(i), *thumbnail);
        char name[32];
        std::snprintf(name, sizeof name, "IMG_%04d.JPG", i);
        WriteFile(folder / name, bench::CameraJpeg(scene, kCameraQuality, app1));
    }
    return 0;
}
