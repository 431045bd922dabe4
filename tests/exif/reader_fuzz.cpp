// libFuzzer entry: any bytes, read as a JPEG file and as a bare block, must be walked, valued
// and reported without reading outside what was loaded.

#include "exif/detail_report.h"
#include "exif/file_probes.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

void Exercise(const exif::ExifBlock& block) {
    (void)exif::BuildDetailReport(block);
    for (const auto dictionary : {exif::TagDictionary::Standard, exif::TagDictionary::MakerNote2,
                                  exif::TagDictionary::MakerNote3}) {
        for (const exif::TagRow& row : exif::TTagTable(dictionary)) {
            if (const auto entry = exif::FindEntry(block, dictionary, row.name)) {
                (void)exif::EntryValue(block, *entry, exif::ValuePart::First);
                (void)exif::EntryValue(block, *entry, exif::ValuePart::Second);
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Exercise(exif::ExifBlock(std::vector<std::uint8_t>(data, data + size)));

    static const std::string path = "/tmp/lumaro-fuzz-" + std::to_string(::getpid()) + ".jpg";
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    if (const auto block = exif::LoadExifBlock(path)) {
        Exercise(*block);
    }
    (void)exif::JpegImageSize(path);
    return 0;
}
