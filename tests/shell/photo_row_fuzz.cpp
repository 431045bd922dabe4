// libFuzzer entry: any bytes, as a .JPG and as a .TIF file in a browsed folder, must give the
// file list its row (every summary value) and its icon pictures at both large sizes, and the
// preview its picture, without reading outside what was loaded.

#include "exif/imaging_jpeg.h"
#include "exif/name_templates.h"
#include "platform/file_error.h"
#include "shell/list_icon_pictures.h"
#include "shell/photo_row.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::vector<exif::SummaryFieldId>& EveryField() {
    static const std::vector<exif::SummaryFieldId> fields = [] {
        std::vector<exif::SummaryFieldId> all;
        for (const exif::SummaryField& field : exif::SummaryFields()) {
            all.push_back(field.id);
        }
        return all;
    }();
    return fields;
}

void Exercise(const fs::path& file) {
    (void)shell::ReadPhotoRow(file, EveryField());
    (void)shell::ReadIconPictures(file, shell::LargeIconPicture(true));
    (void)shell::ReadIconPictures(file, shell::LargeIconPicture(false));
    try {
        (void)exif::NamingDate(file);
    } catch (const platform::FileError&) {
    }
    exif::JpegDecoder decoder;
    if (decoder.Open(file)) {
        (void)decoder.Decode({64, 48});
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fs::path folder = [] {
        fs::path made =
            fs::temp_directory_path() / ("lumaro-fuzz-rows-" + std::to_string(::getpid()));
        fs::create_directories(made);
        return made;
    }();
    for (const char* name : {"DSCN0001.JPG", "DSCN0001.TIF"}) {
        const fs::path file = folder / name;
        {
            std::ofstream out(file, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        }
        Exercise(file);
    }
    return 0;
}
