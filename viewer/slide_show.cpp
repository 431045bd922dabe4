#include "viewer/slide_show.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

namespace viewer {
namespace {

// a * b / c rounded to nearest, in 64 bits: picture and screen sides stay far below 2^31.
int ScaledSide(std::int64_t a, std::int64_t b, std::int64_t c) {
    return static_cast<int>((a * b + c / 2) / c);
}

} // namespace

SlidePlan PlanSlideShow(std::span<const std::filesystem::path> listed,
                        std::span<const std::filesystem::path> selected) {
    if (selected.size() >= 2) {
        return {{selected.begin(), selected.end()}, 0};
    }
    SlidePlan plan{{listed.begin(), listed.end()}, 0};
    if (selected.size() == 1) {
        const auto found = std::find(listed.begin(), listed.end(), selected.front());
        if (found != listed.end()) {
            plan.first = static_cast<std::size_t>(found - listed.begin());
        }
    }
    return plan;
}

std::optional<std::chrono::milliseconds> SlideInterval(std::string_view seconds) {
    // from_chars takes a minus sign but no plus sign; both are decimal integers.
    const std::string_view digits =
        !seconds.empty() && seconds.front() == '+' ? seconds.substr(1) : seconds;
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) {
        return kDefaultSlideInterval;
    }
    if (value <= 0) {
        return std::nullopt;
    }
    // The window's timer counts milliseconds in an int.
    constexpr long long kLongest = std::numeric_limits<int>::max() / 1000;
    return std::chrono::seconds(std::min(value, kLongest));
}

SlideShow::SlideShow(SlidePlan plan)
    : pictures_(std::move(plan.pictures)),
      position_(plan.first < pictures_.size() ? plan.first : 0) {}

void SlideShow::Forward() {
    position_ = position_ + 1 < pictures_.size() ? position_ + 1 : 0;
}

void SlideShow::Back() {
    position_ = position_ > 0 ? position_ - 1 : pictures_.size() - 1;
}

SlidePlacement FitToScreen(PixelSize picture, PixelSize screen) {
    const std::int64_t width = std::max(picture.width, 1);
    const std::int64_t height = std::max(picture.height, 1);
    const int screenWidth = std::max(screen.width, 1);
    const int screenHeight = std::max(screen.height, 1);
    PixelSize fitted;
    if (width * screenHeight <= height * screenWidth) {
        // Taller than the screen's shape: the height fills it.
        fitted = {ScaledSide(width, screenHeight, height), screenHeight};
    } else {
        fitted = {screenWidth, ScaledSide(height, screenWidth, width)};
    }
    fitted.width = std::clamp(fitted.width, 1, screenWidth);
    fitted.height = std::clamp(fitted.height, 1, screenHeight);
    return {(screenWidth - fitted.width) / 2, (screenHeight - fitted.height) / 2, fitted};
}

std::optional<SlidePicture> LoadSlidePicture(const std::filesystem::path& file, PixelSize screen,
                                             exif::UprightDecoder& decoder) {
    if (const std::optional<exif::PictureSize> full = decoder.Open(file)) {
        // libjpeg limits both sides to 65500, so they fit an int.
        const SlidePlacement placement =
            FitToScreen({static_cast<int>(full->width), static_cast<int>(full->height)}, screen);
        std::optional<exif::Image> image =
            decoder.Decode({static_cast<std::uint32_t>(placement.size.width),
                            static_cast<std::uint32_t>(placement.size.height)});
        if (!image) {
            return std::nullopt;
        }
        return SlidePicture{std::move(*image), placement};
    }
    // The list also shows TIFF files, which have no DCT scaling.
    std::optional<exif::Image> image = exif::ExifLoadUprightImage(file);
    if (!image || image->Width() > std::numeric_limits<int>::max() ||
        image->Height() > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    const SlidePlacement placement =
        FitToScreen({static_cast<int>(image->Width()), static_cast<int>(image->Height())}, screen);
    return SlidePicture{std::move(*image), placement};
}

} // namespace viewer
