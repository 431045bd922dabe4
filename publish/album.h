#pragma once

// The HTML album ("HTML作成"): the selected pictures as a small web album in a folder of the
// user's choice. Five phases, each shown in the progress window: the standard images (with the
// source's EXIF data copied onto them), the thumbnails in the sub-folder "thumbnail", the index
// page, the contents page and the detail pages, all from the templates of the chosen album type.

#include "commands/batch_ports.h"
#include "publish/publish_ports.h"
#include "shell/settings_store.h"

#include <filesystem>
#include <string>
#include <vector>

namespace publish {

// What happens to a standard image or thumbnail that is already in the output folder.
enum class ExistingImages {
    Replace,  // RadioButtonImage1 "置き換える"
    CopyExif, // RadioButtonImage2 "Exif情報のコピー": the image stays, its EXIF data is copied
              // again
    Keep, // RadioButtonImage3 "なにもしない"
};

// The values of the album dialog (section HTML).
struct AlbumDialogValues {
    std::filesystem::path folder;       // EditFolder: the output folder D
    std::string width = "640";          // EditWidth: of the standard images
    std::string thumbnailWidth = "200"; // EditWidthS: of the thumbnails
    ExistingImages existing = ExistingImages::Replace;
    bool operator==(const AlbumDialogValues&) const = default;
};

[[nodiscard]] AlbumDialogValues LoadAlbumDialog(const shell::SettingsStore& store);
// Write failures are not reported, as for every dialog section.
void SaveAlbumDialog(shell::SettingsStore& store, const AlbumDialogValues& values);

struct AlbumRequest {
    AlbumDialogValues values;
    std::string albumType;                       // T, the prefix of the template files
    std::filesystem::path templateFolder;        // P
    std::vector<std::filesystem::path> pictures; // source folder + N, in list order
    std::vector<std::string> fields; // the album's field list (Setup HTML, ticked), CP932 names
};

enum class AlbumEnd {
    StayOpen,  // a value is missing or a folder question was answered No: nothing generated
    Generated, // every phase ran
    Failed,    // a file error ended the generation, told to the user; what was written stays
};

// The OK press: the folder questions, then the five phases. At the end the user is told which
// pictures kept their standard image without EXIF data (they have none) and which are not
// pictures this program reads.
[[nodiscard]] AlbumEnd RunAlbum(const AlbumRequest& request, PublishPort& port,
                                commands::ProgressPort& progress);

// OKBtnClick of the dialog: the run, and the section written only after a completed
// generation. The dialog closes only then.
[[nodiscard]] DialogEnd AlbumDialogOk(const AlbumRequest& request, shell::SettingsStore& store,
                                      PublishPort& port, commands::ProgressPort& progress);

// The width a text gives: its decimal value, or the default when it is not a number.
[[nodiscard]] int WidthOf(const std::string& text, int defaultWidth);

} // namespace publish
