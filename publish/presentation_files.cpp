#include "publish/presentation_files.h"

#include "commands/batch_naming.h"
#include "commands/file_plan.h"
#include "commands/output_folder.h"
#include "commands/template_picture.h"
#include "exif/exif_writer.h"
#include "exif/file_probes.h"
#include "platform/codepage.h"
#include "platform/file_error.h"
#include "platform/file_times.h"
#include "platform/safe_replace.h"
#include "platform/temp_names.h"
#include "publish/presentation_picture.h"
#include "shell/settings_values.h"

namespace publish {
namespace {

namespace fs = std::filesystem;

// The 640 x 480 picture in the temporary folder, with the source's last-write time, which the
// rebuild takes as the dates of the EXIF data. Removed however the file's work ends.
class ScaledPicture {
public:
    ScaledPicture(const std::vector<std::uint8_t>& jpeg, platform::FileTime lastWrite) {
        platform::FileReplacement output(path_);
        output.Write(jpeg);
        output.Commit(lastWrite);
    }
    ~ScaledPicture() {
        std::error_code ignored;
        fs::remove(path_, ignored);
    }
    ScaledPicture(const ScaledPicture&) = delete;
    ScaledPicture& operator=(const ScaledPicture&) = delete;

    [[nodiscard]] const fs::path& Path() const { return path_; }

private:
    fs::path path_ = platform::TemporaryFileName("_Prezen");
};

} // namespace

commands::BatchPlan PlanPresentationFiles(const commands::Selection& files,
                                          const PresentationRequest& request,
                                          const fs::path& templatePicture) {
    using platform::PathToCp932;
    using platform::Utf8ToCp932;
    commands::BatchPlan plan{Utf8ToCp932("元ファイル"),
                             Utf8ToCp932("作成するファイル"),
                             Utf8ToCp932("プレゼンテーション用ファイル作成"),
                             {}};
    commands::BatchNamer namer({commands::NamingChoice::Dcf, request.prefix, {}});
    for (const fs::path& file : files) {
        if (!exif::IsJpegName(file)) {
            plan.items.push_back(commands::NotProcessedItem(file, commands::NotJpegReason()));
            continue;
        }
        const fs::path target = request.folder / namer.NameFor(file, request.folder);
        const commands::PlannedRow row{commands::RowCaption(file), plan.progressText,
                                       PathToCp932(file), PathToCp932(target), true};
        plan.items.push_back({row, file,
                              [file, target, templatePicture] {
                                  WritePresentationFile(file, target, templatePicture);
                              },
                              ""});
    }
    return plan;
}

void WritePresentationFile(const fs::path& picture, const fs::path& target,
                           const fs::path& templatePicture) {
    std::error_code error;
    if (fs::symlink_status(target, error).type() != fs::file_type::not_found) {
        throw platform::FileError("create", target, "a file of that name exists");
    }
    const std::optional<platform::FileTime> lastWrite = platform::LastWriteTime(picture);
    if (!lastWrite) {
        throw platform::FileError("read", picture, "the file cannot be examined");
    }
    exif::UprightDecoder decoder;
    const auto jpeg = PresentationPicture(picture, decoder);
    if (!jpeg) {
        throw platform::FileError("read", picture, "not a picture this program can decode");
    }
    const ScaledPicture scaled(*jpeg, *lastWrite);
    exif::RebuildWithExif(target, scaled.Path(), templatePicture,
                          exif::RebuildDates::FromPictureFile, exif::RebuildThumbnail::Renew);
    // The slide is upright; the template's own Orientation does not describe it.
    (void)exif::WriteTagShort(target, "Orientation", 1);
}

std::optional<commands::BatchReport> RunPresentationFiles(const commands::Selection& files,
                                                          const PresentationRequest& request,
                                                          const fs::path& templatePicture,
                                                          commands::EditPorts ports) {
    // Checked first, so that no folder is made for a run that cannot start.
    if (const auto problem = commands::TemplatePictureProblem(templatePicture)) {
        ports.prompt.Warn(*problem);
        return std::nullopt;
    }
    if (!commands::OutputFolderReady({true, request.folder}, ports.prompt)) {
        return std::nullopt;
    }
    return commands::RunEditBatch(
        [&] { return PlanPresentationFiles(files, request, templatePicture); }, ports);
}

PresentationRequest ReadPresentationSettings(const shell::SettingsStore& store) {
    return {platform::Cp932ToPath(store.Read(shell::settings::kCrePrezenEditFolder)),
            store.Read(shell::settings::kCrePrezenEditDCF)};
}

void WritePresentationSettings(shell::SettingsStore& store, const PresentationRequest& request) {
    // Settings that cannot be written are lost without a word, as elsewhere.
    (void)store.Write(shell::settings::kCrePrezenEditFolder, platform::PathToCp932(request.folder));
    (void)store.Write(shell::settings::kCrePrezenEditDCF, request.prefix);
}

} // namespace publish
