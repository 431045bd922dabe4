#pragma once

// The five phases of one album generation, after the folder questions.

#include "commands/batch_ports.h"
#include "publish/album.h"
#include "publish/album_pictures.h"

#include <filesystem>
#include <string>
#include <vector>

namespace publish {

class AlbumPhases {
public:
    AlbumPhases(const AlbumRequest& request, commands::ProgressPort& progress);

    // Each throws platform::FileError when a file cannot be read or written.
    void StandardImages();
    void Thumbnails();
    void IndexPage();
    void ContentsPage();
    void DetailPages();

    // The message for the pictures that kept their standard image without EXIF data and the
    // files that are not pictures this program reads (UTF-8); "" when there are none.
    [[nodiscard]] std::string Notes() const;

private:
    [[nodiscard]] std::filesystem::path Output(const std::filesystem::path& picture) const;
    [[nodiscard]] std::filesystem::path ThumbnailOf(const std::filesystem::path& picture) const;
    void MakeStandardImage(const std::filesystem::path& picture);
    void CopyExif(const std::filesystem::path& picture);
    void NotMade(const std::filesystem::path& picture);
    void Page(const std::string& page, const char* phase);

    const AlbumRequest& request_;
    commands::ProgressPort& progress_;
    std::filesystem::path folder_; // D
    AlbumPictures pictures_;
    std::vector<std::filesystem::path> withoutExif_;
    std::vector<std::filesystem::path> notMade_;
};

} // namespace publish
