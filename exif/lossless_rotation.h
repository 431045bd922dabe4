#pragma once

// Lossless rotation of JPEG files: the picture turned or mirrored in its DCT coefficients (see
// jpeg_transform.h), its segments kept byte for byte except the EXIF segment, whose tags are
// made to describe the new picture. The file is rewritten in one step under its write lock,
// keeping its last-write time.
//
// A turn asked of a file whose Orientation is not 1 turns the picture as it is shown: the
// pixels take the upright transform and then the turn, and Orientation becomes 1. The file then
// looks the same in every viewer, also in those that do not read the tag.

#include "exif/orientation.h"

#include <filesystem>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace exif {

struct RotationRequest {
    bool upright = false;                       // make the pixels match the Orientation tag
    PixelTransform turn = PixelTransform::None; // then turn or mirror as the picture is shown
};

// What a rotation will do to one file.
struct RotationPlan {
    PixelTransform pixels = PixelTransform::None; // done to the stored picture
    bool hasExif = false;    // the EXIF segment is brought along; false: a turn without tags
    bool trimsEdges = false; // partial MCU blocks at a moved edge will be dropped
};

// The plan, or why the file is left alone (UTF-8): not a JPEG, its headers cut short, no EXIF
// data for an upright turn, already upright. Reads only the file's headers. Throws
// platform::FileError when it cannot be read at all.
[[nodiscard]] std::variant<RotationPlan, std::string>
PlanRotation(const std::filesystem::path& path, const RotationRequest& request);

// A file's picture turned in memory, ahead of its writing.
struct TurnedPicture {
    std::vector<std::uint8_t> source; // the file as it was read
    std::vector<std::uint8_t> turned; // the whole new file
};

// Reads the file and turns it as planned, writing nothing. Throws platform::FileRefused when
// libjpeg-turbo refuses its picture data (damaged or cut short: a turn must not lose the
// picture's end), and platform::FileError naming it when it cannot be read.
[[nodiscard]] TurnedPicture TurnPicture(const std::filesystem::path& path,
                                        const RotationPlan& plan);

// Replaces the file with the turned picture under its write lock, keeping its last-write time;
// turns it again first when the file changed since it was read. The file is unchanged when this
// throws.
void WriteTurnedPicture(const std::filesystem::path& path, const RotationPlan& plan,
                        TurnedPicture picture);

} // namespace exif
