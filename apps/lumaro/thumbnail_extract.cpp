#include "apps/lumaro/thumbnail_extract.h"

#include "platform/file_error.h"
#include "platform/safe_replace.h"
#include "shell/embedded_thumbnail.h"

#include <ostream>

namespace lumaro {
namespace {

namespace fs = std::filesystem;

fs::path TargetOf(const fs::path& file, const Arguments& arguments) {
    const fs::path name = file.stem().string() + "_thumb.jpg";
    if (const auto folder = arguments.Value("--out")) {
        return fs::path(*folder) / name;
    }
    return file.parent_path() / name;
}

// True when the thumbnail was saved (or, in a dry run, would be); otherwise the reason is told.
bool ExtractOne(const fs::path& file, const Arguments& arguments, std::ostream& out,
                std::ostream& err) {
    const auto block = exif::LoadExifBlock(file);
    const auto thumbnail =
        block ? shell::ReadEmbeddedThumbnail(*block, file) : std::optional<std::vector<std::uint8_t>>();
    if (!thumbnail) {
        TellFile(err, file, block ? "no embedded thumbnail" : "no EXIF data");
        return false;
    }
    const fs::path target = TargetOf(file, arguments);
    std::error_code error;
    if (fs::exists(target, error) && !arguments.Has("--yes")) {
        TellFile(err, file, "kept " + target.string() + ", which exists (--yes replaces it)");
        return false;
    }
    if (arguments.Has("--dry-run")) {
        out << file.string() << '\t' << target.string() << '\n';
        return true;
    }
    if (!target.parent_path().empty()) {
        fs::create_directories(target.parent_path(), error);
    }
    platform::FileReplacement replacement(target);
    replacement.Write(*thumbnail);
    replacement.Commit(std::nullopt);
    return true;
}

} // namespace

int ExtractThumbnails(std::span<const fs::path> files, const Arguments& arguments,
                      std::ostream& out, std::ostream& err) {
    int status = 0;
    for (const fs::path& file : files) {
        try {
            if (!ExtractOne(file, arguments, out, err)) {
                status = 1;
            }
        } catch (const platform::FileError& error) {
            err << "lumaro: " << error.what() << '\n';
            status = 1;
        }
    }
    return status;
}

} // namespace lumaro
