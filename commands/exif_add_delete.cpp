#include "commands/exif_add_delete.h"

#include "commands/output_folder.h"
#include "commands/template_picture.h"
#include "exif/exif_writer.h"
#include "exif/file_probes.h"
#include "platform/codepage.h"

#include <functional>

namespace commands {
namespace {

namespace fs = std::filesystem;

using Work = std::function<void(const fs::path& target, const fs::path& picture)>;

struct SegmentTexts {
    const char* newCaption; // UTF-8
    const char* action;
};

fs::path TargetOf(const fs::path& file, const OutputChoice& output) {
    return output.copyToFolder ? output.folder / file.filename() : file;
}

BatchPlan PlanSegmentWork(const Selection& files, const OutputChoice& output,
                          const SegmentTexts& texts, const Work& work) {
    using platform::PathToCp932;
    using platform::Utf8ToCp932;
    BatchPlan plan{
        Utf8ToCp932("元ファイル"), Utf8ToCp932(texts.newCaption), Utf8ToCp932(texts.action), {}};
    for (const fs::path& file : files) {
        if (!exif::IsJpegName(file)) {
            plan.items.push_back(NotProcessedItem(file, NotJpegReason()));
            continue;
        }
        const fs::path target = TargetOf(file, output);
        const PlannedRow row{RowCaption(file), plan.progressText, PathToCp932(file),
                             PathToCp932(target), true};
        plan.items.push_back({row, file, [work, target, file] { work(target, file); }, ""});
    }
    return plan;
}

} // namespace

BatchPlan PlanExifAdd(const Selection& files, const OutputChoice& output,
                      const fs::path& templatePicture) {
    return PlanSegmentWork(files, output, {"付加後のファイル", "Exif情報追加"},
                           [templatePicture](const fs::path& target, const fs::path& picture) {
                               exif::RebuildWithExif(target, picture, templatePicture,
                                                     exif::RebuildDates::FromPictureFile,
                                                     exif::RebuildThumbnail::Renew);
                           });
}

BatchPlan PlanExifDelete(const Selection& files, const OutputChoice& output) {
    return PlanSegmentWork(
        files, output, {"削除後のファイル", "Exif情報削除"},
        [](const fs::path& target, const fs::path& picture) { exif::StripExif(target, picture); });
}

std::optional<BatchReport> RunExifAdd(const Selection& files, const OutputChoice& output,
                                      const fs::path& templatePicture, EditPorts ports) {
    // Checked first, so that no folder is made for a run that cannot start.
    if (const auto problem = TemplatePictureProblem(templatePicture)) {
        ports.prompt.Warn(*problem);
        return std::nullopt;
    }
    if (!OutputFolderReady(output, ports.prompt)) {
        return std::nullopt;
    }
    return RunEditBatch([&] { return PlanExifAdd(files, output, templatePicture); }, ports);
}

std::optional<BatchReport> RunExifDelete(const Selection& files, const OutputChoice& output,
                                         EditPorts ports) {
    if (!OutputFolderReady(output, ports.prompt)) {
        return std::nullopt;
    }
    return RunEditBatch([&] { return PlanExifDelete(files, output); }, ports);
}

} // namespace commands
