// lumaro_bench: runs one of the engine's operations over many files in one process, for
// bench/run to time against the peer tools.
//   lumaro_bench copy640 OUTPUT_FOLDER FILE...   640-pixel copies at quality 85
//   lumaro_bench title TEXT FILE...              in-place ImageDescription edits
//   lumaro_bench thumbnail FILE...               a new 160 x 120 embedded thumbnail in each file
// Prints the peak resident memory of the process in KiB as "peak_rss_kib N".

#include "bench/peak_memory.h"
#include "exif/exif_writer.h"
#include "exif/imaging.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>

namespace {

int Copy640(int argc, char** argv) {
    const std::filesystem::path output = argv[2];
    int failed = 0;
    for (int i = 3; i < argc; ++i) {
        const std::filesystem::path source = argv[i];
        if (!exif::MakeThumbnailJpeg(source, output / source.filename(), 640, 0)) {
            std::fprintf(stderr, "no copy of %s\n", argv[i]);
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}

int Title(int argc, char** argv) {
    for (int i = 3; i < argc; ++i) {
        exif::WriteTagText(argv[i], "ImageDescription", argv[2]);
    }
    return 0;
}

int Thumbnail(int argc, char** argv) {
    for (int i = 2; i < argc; ++i) {
        exif::RebuildWithExif(argv[i], argv[i], argv[i], exif::RebuildDates::FromDateTimeTag,
                              exif::RebuildThumbnail::Renew);
    }
    return 0;
}

int Run(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "copy640") == 0) {
        return Copy640(argc, argv);
    }
    if (argc >= 3 && std::strcmp(argv[1], "title") == 0) {
        return Title(argc, argv);
    }
    if (argc >= 2 && std::strcmp(argv[1], "thumbnail") == 0) {
        return Thumbnail(argc, argv);
    }
    std::fprintf(stderr, "usage: lumaro_bench copy640 FOLDER FILE... | title TEXT FILE... | "
                         "thumbnail FILE...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const int status = Run(argc, argv);
        std::printf("peak_rss_kib %ld\n", bench::PeakResidentKib());
        return status;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
