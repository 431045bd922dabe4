#include "commands/thumbnail_command.h"

#include "exif/exif_writer.h"
#include "exif/file_probes.h"
#include "platform/codepage.h"

namespace commands {

BatchPlan PlanThumbnails(const Selection& files) {
    using platform::PathToCp932;
    using platform::Utf8ToCp932;
    BatchPlan plan{Utf8ToCp932("元ファイル"),
                   Utf8ToCp932("付加後のファイル"),
                   Utf8ToCp932("サムネイル作成中"),
                   {}};
    const std::string action = Utf8ToCp932("サムネイル作成");
    for (const std::filesystem::path& file : files) {
        const auto block =
            exif::IsJpegName(file) ? exif::LoadExifBlock(file) : std::optional<exif::ExifBlock>();
        if (!block) {
            plan.items.push_back(
                NotProcessedItem(file, exif::IsJpegName(file) ? "no EXIF data" : NotJpegReason()));
            continue;
        }
        // Without a place for it the rebuild renews only the size tags and the file's time.
        const bool hasThumbnail =
            exif::FindEntry(*block, exif::TagDictionary::Standard, "JPEGInterchangeFormat")
                .has_value();
        const PlannedRow row{RowCaption(file), action, PathToCp932(file), PathToCp932(file), true};
        plan.items.push_back({row, file,
                              [file] {
                                  exif::RebuildWithExif(file, file, file,
                                                        exif::RebuildDates::FromDateTimeTag,
                                                        exif::RebuildThumbnail::Renew);
                              },
                              hasThumbnail ? "" : "no embedded thumbnail to renew"});
    }
    return plan;
}

BatchReport RunThumbnails(const Selection& files, EditPorts ports) {
    return RunEditBatch([&] { return PlanThumbnails(files); }, ports);
}

} // namespace commands
