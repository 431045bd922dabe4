#pragma once

// The pictures of the demonstration photos: small painted scenes (a sky, a sun, hills, the sea,
// blossoms ...), drawn in coordinates relative to the picture so that the thumbnail shows the
// same scene as the photo.

#include "exif/imaging.h"

#include <cstdint>

namespace demo {

enum class Subject {
    GreenHills,
    NewYearSunrise,
    AutumnLeaves,
    NightTown,
    CherryBlossoms,
    EveningBeach,
    SeasideAfternoon,
    SnowMorning,
    Hydrangea,
    Sunset,
    OldPrint,
    Lighthouse, // a tall subject, painted upright for a portrait photo
};

[[nodiscard]] exif::Image Paint(Subject subject, std::uint32_t width, std::uint32_t height);

} // namespace demo
