#include "publish/album_phases.h"

#include "exif/exif_writer.h"
#include "exif/jpeg_segments.h"
#include "exif/file_probes.h"
#include "platform/codepage.h"
#include "platform/input_file.h"
#include "publish/album_pages.h"

#include <algorithm>
#include <system_error>

namespace publish {
namespace {

namespace fs = std::filesystem;

constexpr int kStandardWidth = 640;
constexpr int kThumbnailWidth = 200;

std::uint32_t PixelWidth(const std::string& text, int defaultWidth) {
    const int width = WidthOf(text, defaultWidth);
    return width > 0 ? static_cast<std::uint32_t>(width) : 0;
}

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error);
}

// A picture whose EXIF data can be put onto its standard image: a JPEG name and an APP1
// "Exif" segment, as the rebuild requires.
bool HasExifSegment(const fs::path& picture) {
    return exif::IsJpegName(picture) &&
           exif::FindExifSegment(platform::InputFile(picture)).has_value();
}

std::string Cp932(const char* utf8) {
    return platform::Utf8ToCp932(utf8);
}

std::string NameList(const std::vector<fs::path>& files) {
    std::string list;
    for (const fs::path& file : files) {
        list += '\n';
        list += file.filename().string();
    }
    return list;
}

} // namespace

AlbumPhases::AlbumPhases(const AlbumRequest& request, commands::ProgressPort& progress)
    : request_(request), progress_(progress), folder_(request.values.folder),
      pictures_(PixelWidth(request.values.width, kStandardWidth),
                PixelWidth(request.values.thumbnailWidth, kThumbnailWidth)) {}

fs::path AlbumPhases::Output(const fs::path& picture) const {
    return folder_ / picture.filename();
}

fs::path AlbumPhases::ThumbnailOf(const fs::path& picture) const {
    return folder_ / "thumbnail" / picture.filename();
}

void AlbumPhases::NotMade(const fs::path& picture) {
    if (std::find(notMade_.begin(), notMade_.end(), picture) == notMade_.end()) {
        notMade_.push_back(picture);
    }
}

void AlbumPhases::MakeStandardImage(const fs::path& picture) {
    // The thumbnail phase will want this picture's thumbnail: make it from the same decode.
    const bool thumbnailWanted =
        request_.values.existing == ExistingImages::Replace || !Exists(ThumbnailOf(picture));
    if (!pictures_.MakeStandard(picture, Output(picture), thumbnailWanted)) {
        NotMade(picture);
        return;
    }
    CopyExif(picture);
}

void AlbumPhases::CopyExif(const fs::path& picture) {
    if (!HasExifSegment(picture)) {
        withoutExif_.push_back(picture);
        return;
    }
    exif::RebuildWithExif(Output(picture), Output(picture), picture,
                          exif::RebuildDates::FromDateTimeTag, exif::RebuildThumbnail::Renew);
    // The standard image is written upright and the rebuild gave it its own pixel size; a
    // viewer that still read the source's Orientation would turn it a second time.
    (void)exif::WriteTagShort(Output(picture), "Orientation", 1);
}

void AlbumPhases::StandardImages() {
    const std::string phase = Cp932("標準画像作成");
    progress_.Start(static_cast<int>(request_.pictures.size()));
    for (const fs::path& picture : request_.pictures) {
        progress_.SetTexts(phase, platform::PathToCp932(picture),
                           platform::PathToCp932(Output(picture)));
        const bool exists = Exists(Output(picture));
        switch (request_.values.existing) {
        case ExistingImages::Replace:
            MakeStandardImage(picture);
            break;
        case ExistingImages::CopyExif:
            if (exists) {
                CopyExif(picture);
            } else {
                MakeStandardImage(picture);
            }
            break;
        case ExistingImages::Keep:
            if (!exists) {
                MakeStandardImage(picture);
            }
            break;
        }
        progress_.Step();
    }
}

void AlbumPhases::Thumbnails() {
    const std::string phase = Cp932("サムネイル画像作成");
    progress_.Start(static_cast<int>(request_.pictures.size()));
    for (const fs::path& picture : request_.pictures) {
        const fs::path thumbnail = ThumbnailOf(picture);
        progress_.SetTexts(phase, platform::PathToCp932(picture), platform::PathToCp932(thumbnail));
        if (request_.values.existing == ExistingImages::Replace || !Exists(thumbnail)) {
            if (!pictures_.MakeThumbnail(picture, thumbnail)) {
                NotMade(picture);
            }
        }
        progress_.Step();
    }
}

void AlbumPhases::Page(const std::string& page, const char* phase) {
    progress_.Start(static_cast<int>(request_.pictures.size()));
    const PageRun run{request_.pictures, request_.fields, progress_, Cp932(phase)};
    BuildPage(PageTemplatesOf(request_.templateFolder, request_.albumType, page),
              folder_ / (page + ".html"), run);
}

void AlbumPhases::IndexPage() {
    Page("index", "index.html 作成");
}

void AlbumPhases::ContentsPage() {
    Page("contents", "contents.html 作成");
}

void AlbumPhases::DetailPages() {
    const std::string phase = Cp932("detail 作成");
    progress_.Start(static_cast<int>(request_.pictures.size()));
    const fs::path& templates = request_.templateFolder;
    const std::string& type = request_.albumType;
    if (Exists(templates / (type + "_index.html")) && Exists(templates / (type + "_intop.html"))) {
        CopyWholePage(templates / (type + "_intop.html"), folder_ / "intop.html");
    }
    const fs::path detail = templates / (type + "_detail.html");
    if (!Exists(detail)) {
        return;
    }
    const std::vector<std::string> lines = ReadTemplateLines(detail);
    for (const fs::path& picture : request_.pictures) {
        progress_.SetTexts(phase, platform::PathToCp932(picture), "");
        const fs::path page = folder_ / fs::path(picture.filename()).replace_extension(".html");
        BuildDetailPage(lines, picture, page, request_.fields);
        progress_.Step();
    }
}

std::string AlbumPhases::Notes() const {
    std::string notes;
    if (!withoutExif_.empty()) {
        notes += "次の画像にはExif情報がないため、標準画像をExif情報なしで作成しました。" +
                 NameList(withoutExif_);
    }
    if (!notMade_.empty()) {
        notes +=
            std::string(notes.empty() ? "" : "\n\n") +
            "次のファイルは画像として読めないため、標準画像またはサムネイル画像を作成できません"
            "でした。" +
            NameList(notMade_);
    }
    return notes;
}

} // namespace publish
