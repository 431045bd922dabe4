#include "publish/album.h"

#include "platform/codepage.h"
#include "platform/file_error.h"
#include "publish/album_phases.h"
#include "shell/settings_values.h"

#include <system_error>

namespace publish {
namespace {

namespace fs = std::filesystem;

// Asks before a missing folder is made (with every missing parent). False when the answer is
// No or the folder cannot be made (told).
bool EnsureFolder(const fs::path& folder, PublishPort& port) {
    std::error_code error;
    if (fs::is_directory(folder, error)) {
        return true;
    }
    const std::string shown = (folder / "").string();
    if (!port.Ask("フォルダ " + shown + " がありません。作成しますか？")) {
        return false;
    }
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder, error)) {
        port.Tell("cannot create the folder " + shown + ": " +
                  (error ? error.message() : "a file of that name is there"));
        return false;
    }
    return true;
}

// Closes the progress window however the generation ends.
class ProgressShown {
public:
    explicit ProgressShown(commands::ProgressPort& progress) : progress_(progress) {}
    ~ProgressShown() { progress_.Finish(); }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;

private:
    commands::ProgressPort& progress_;
};

} // namespace

int WidthOf(const std::string& text, int defaultWidth) {
    return shell::ParseDecimalInteger(text).value_or(defaultWidth);
}

AlbumDialogValues LoadAlbumDialog(const shell::SettingsStore& store) {
    using namespace shell::settings;
    AlbumDialogValues values;
    values.folder = platform::Cp932ToPath(store.Read(kHtmlEditFolder));
    values.width = store.Read(kHtmlEditWidth);
    values.thumbnailWidth = store.Read(kHtmlEditWidthS);
    if (store.Read(kHtmlRBImage3)) {
        values.existing = ExistingImages::Keep;
    } else if (store.Read(kHtmlRBImage2)) {
        values.existing = ExistingImages::CopyExif;
    }
    return values;
}

void SaveAlbumDialog(shell::SettingsStore& store, const AlbumDialogValues& values) {
    using namespace shell::settings;
    (void)store.Write(kHtmlEditFolder, platform::PathToCp932(values.folder));
    (void)store.Write(kHtmlEditWidth, values.width);
    (void)store.Write(kHtmlEditWidthS, values.thumbnailWidth);
    (void)store.Write(kHtmlRBImage1, values.existing == ExistingImages::Replace);
    (void)store.Write(kHtmlRBImage2, values.existing == ExistingImages::CopyExif);
    (void)store.Write(kHtmlRBImage3, values.existing == ExistingImages::Keep);
}

AlbumEnd RunAlbum(const AlbumRequest& request, PublishPort& port,
                  commands::ProgressPort& progress) {
    const fs::path& folder = request.values.folder;
    if (folder.empty()) {
        port.Tell("コピー先フォルダを指定してください");
        return AlbumEnd::StayOpen;
    }
    if (!EnsureFolder(folder, port) || !EnsureFolder(folder / "thumbnail", port)) {
        return AlbumEnd::StayOpen;
    }
    AlbumPhases phases(request, progress);
    try {
        const ProgressShown shown(progress);
        phases.StandardImages();
        phases.Thumbnails();
        phases.IndexPage();
        phases.ContentsPage();
        phases.DetailPages();
    } catch (const platform::FileError& error) {
        port.Tell(error.what());
        return AlbumEnd::Failed;
    }
    if (const std::string notes = phases.Notes(); !notes.empty()) {
        port.Tell(notes);
    }
    return AlbumEnd::Generated;
}

DialogEnd AlbumDialogOk(const AlbumRequest& request, shell::SettingsStore& store, PublishPort& port,
                        commands::ProgressPort& progress) {
    if (RunAlbum(request, port, progress) != AlbumEnd::Generated) {
        return DialogEnd::StayOpen;
    }
    SaveAlbumDialog(store, request.values);
    return DialogEnd::Close;
}

} // namespace publish
