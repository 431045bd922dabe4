#pragma once

// The demonstration photos: what each shows and what its camera recorded.

#include "resources/demo/demo_exif.h"
#include "resources/demo/demo_pictures.h"

#include <optional>
#include <string>
#include <vector>

namespace demo {

struct DemoPhoto {
    std::string fileName;
    Subject subject;
    std::string date; // "yyyy:mm:dd hh:nn:ss": the shooting date and the file's last-write time
    std::optional<PhotoExif> exif; // none for a scanned picture without EXIF data
};

[[nodiscard]] std::vector<DemoPhoto> DemoPhotos();

} // namespace demo
