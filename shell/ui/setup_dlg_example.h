#pragma once

// The example name of the date-name settings: the name a photo taken on 31 December 2000 at
// 09:05:07 gets. It is made by the same function the copy, move and rename commands use, on a
// stand-in file of that date, so the example cannot drift from what they do.

#include "exif/name_templates.h"

#include <QTemporaryDir>
#include <filesystem>
#include <string>

namespace shell {

class DateNameExample {
public:
    // Makes the stand-in, an empty file whose last-write time is the sample date, in a
    // temporary folder of its own that goes with the object.
    DateNameExample();

    // The name (CP932) for the settings; empty when the stand-in could not be made.
    [[nodiscard]] std::string Name(const exif::NameTemplateSettings& settings) const;

private:
    QTemporaryDir folder_;
    std::filesystem::path sample_;
};

} // namespace shell
