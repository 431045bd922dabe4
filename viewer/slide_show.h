#pragma once

// The slide show: which pictures of the file list it shows and from where, how long each stays,
// the steps forward and back, and where a picture goes on the screen. The window (ui/) only
// draws what this decides.

#include "exif/imaging.h"
#include "exif/upright_picture.h"
#include "viewer/preview_sizing.h"

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace viewer {

// The pictures in list order and the one shown first.
struct SlidePlan {
    std::vector<std::filesystem::path> pictures;
    std::size_t first = 0;
};

// The selected files when two or more are selected, otherwise every listed file. A single
// selected file is where the show starts. Both lists are in list order.
[[nodiscard]] SlidePlan PlanSlideShow(std::span<const std::filesystem::path> listed,
                                      std::span<const std::filesystem::path> selected);

inline constexpr std::chrono::milliseconds kDefaultSlideInterval{10'000};

// The time each picture stays, from the Slide setting in whole seconds: 10 seconds when the
// text is not a decimal number. None for 0 or less, where the platform's timer stands still:
// the pictures then change by hand only.
[[nodiscard]] std::optional<std::chrono::milliseconds> SlideInterval(std::string_view seconds);

// The position in the pictures; forward from the last goes to the first and back from the first
// to the last, so the show runs until the user ends it.
class SlideShow {
public:
    // `plan.pictures` must not be empty; a first position past the end starts at 0.
    explicit SlideShow(SlidePlan plan);

    [[nodiscard]] const std::filesystem::path& Current() const { return pictures_[position_]; }
    [[nodiscard]] std::size_t Position() const { return position_; }
    [[nodiscard]] std::size_t Count() const { return pictures_.size(); }

    void Forward();
    void Back();

private:
    std::vector<std::filesystem::path> pictures_;
    std::size_t position_;
};

// Where a picture goes on the screen: its top-left corner and its size.
struct SlidePlacement {
    int x = 0;
    int y = 0;
    PixelSize size;

    friend bool operator==(const SlidePlacement&, const SlidePlacement&) = default;
};

// The largest size with the picture's aspect that fits the screen (small pictures grow too),
// at least one pixel each way, centred.
[[nodiscard]] SlidePlacement FitToScreen(PixelSize picture, PixelSize screen);

struct SlidePicture {
    exif::Image image; // decoded no larger than needed; drawn scaled into placement
    SlidePlacement placement;
};

// A JPEG decoded at the smallest DCT scale that still covers its place on the screen, or a TIFF
// picture whole, upright as its EXIF Orientation says and placed by that upright size; none
// when the file holds neither in a form the decoders read.
[[nodiscard]] std::optional<SlidePicture> LoadSlidePicture(const std::filesystem::path& file,
                                                           PixelSize screen,
                                                           exif::UprightDecoder& decoder);

} // namespace viewer
