#include "shell/ui/setup_dlg_example.h"

#include "platform/codepage.h"
#include "platform/file_error.h"
#include "platform/file_times.h"

#include <fstream>

namespace shell {
namespace {

// The sample date, in local time as the file-date fallback of the shooting date reads it.
constexpr platform::LocalDateTime kSampleDate{2000, 12, 31, 9, 5, 7};

// A camera's file name, so the example ends as a photo's new name would.
constexpr const char* kSampleName = "DSCN0001.JPG";

} // namespace

DateNameExample::DateNameExample() {
    const auto time = platform::FileTimeFromLocal(kSampleDate);
    if (!folder_.isValid() || !time) {
        return;
    }
    const std::filesystem::path sample =
        std::filesystem::path(folder_.path().toStdString()) / kSampleName;
    if (!std::ofstream(sample)) {
        return;
    }
    try {
        platform::SetLastWriteTime(sample, *time);
        sample_ = sample;
    } catch (const platform::FileError&) {
        // No example then; the settings themselves are unaffected.
    }
}

std::string DateNameExample::Name(const exif::NameTemplateSettings& settings) const {
    if (sample_.empty()) {
        return {};
    }
    try {
        // The stand-in's own folder holds no other file, so the running number starts at 1.
        const std::filesystem::path name =
            exif::MakeDateName(sample_, sample_.parent_path(), {}, {}, settings);
        return platform::PathToCp932(name.filename());
    } catch (const platform::FileError&) {
        return {};
    }
}

} // namespace shell
