#pragma once

// Turning a picture is nearly all of a rotation's time: while one file is written, the next one
// is turned on another thread, so a batch keeps two cores busy.

#include "exif/lossless_rotation.h"

#include <cstddef>
#include <filesystem>
#include <future>
#include <map>
#include <utility>
#include <vector>

namespace commands {

class TurnAhead {
public:
    // The file's place in the order the batch takes them.
    std::size_t Add(const std::filesystem::path& file, const exif::RotationPlan& plan);

    // The turned picture of that file, then the next file's turn started. Throws as
    // exif::TurnPicture does; a file that failed ahead of its turn is tried once more.
    [[nodiscard]] exif::TurnedPicture Take(std::size_t index);

private:
    void Start(std::size_t index);

    std::vector<std::pair<std::filesystem::path, exif::RotationPlan>> files_;
    std::map<std::size_t, std::future<exif::TurnedPicture>> started_;
};

} // namespace commands
