#include "commands/template_picture.h"

#include "exif/exif_block.h"
#include "exif/exif_writer_segments.h"
#include "exif/jpeg_segments.h"
#include "exif/file_probes.h"
#include "platform/file_error.h"
#include "platform/input_file.h"
#include "shell/shipped_files.h"

namespace commands {
namespace {

namespace fs = std::filesystem;

bool IsUsableTemplate(const fs::path& file) {
    if (!exif::IsJpegName(file)) {
        return false;
    }
    if (!exif::FindExifSegment(platform::InputFile(file))) {
        return false;
    }
    const std::optional<exif::ExifBlock> block = exif::LoadExifBlock(file);
    return block && exif::IntegerTag(*block, "JPEGInterchangeFormat").has_value();
}

} // namespace

fs::path TemplatePicturePath(const fs::path& programFolder) {
    return shell::FindShippedFile(programFolder, kTemplatePictureName)
        .value_or(shell::ShippedFileCandidates(programFolder, kTemplatePictureName).front());
}

std::optional<std::string> TemplatePictureProblem(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) {
        return "テンプレートファイル " + file.string() + " がありません。";
    }
    const std::string unusable = "テンプレートファイル " + file.string() +
                                 " は、Exif情報とサムネイルを持つJPEGファイルではありません。";
    try {
        if (!IsUsableTemplate(file)) {
            return unusable;
        }
    } catch (const platform::FileError& failure) {
        return unusable + "\n" + failure.what();
    }
    return std::nullopt;
}

} // namespace commands
