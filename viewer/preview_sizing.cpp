#include "viewer/preview_sizing.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace viewer {
namespace {

constexpr int kDefaultWidth = 640;

int ClampExtent(double extent) {
    return static_cast<int>(std::clamp(extent, 1.0, static_cast<double>(kMaxClientExtent)));
}

// Two decimals whatever the process locale says: a caption must not read "1/2,50".
std::string TwoDecimals(double value) {
    std::array<char, 64> text{};
    const auto [end, error] =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 2);
    return error == std::errc{} ? std::string(text.data(), end) : std::string("?");
}

} // namespace

PreviewLayout StandardLayout(PixelSize picture, PixelSize screen, PixelSize frame) {
    // A frame as large as the screen leaves one pixel rather than a division by zero.
    const double roomWidth = std::max(screen.width - frame.width, 1);
    const double roomHeight = std::max(screen.height - frame.height, 1);
    const double reduction =
        std::max(std::ceil(picture.width / roomWidth), std::ceil(picture.height / roomHeight));
    const int n = reduction < 1 ? 1 : static_cast<int>(std::min(reduction, 1e9));
    return {{std::max(picture.width / n, 1), std::max(picture.height / n, 1)},
            "1/" + std::to_string(n)};
}

PreviewLayout FixedWidthLayout(PixelSize picture, int clientWidth) {
    const int width = std::clamp(clientWidth, 1, kMaxClientExtent);
    const double ratio = static_cast<double>(std::max(picture.width, 1)) / width;
    // nearbyint rounds halves to even under the default rounding mode.
    const double height = std::nearbyint(picture.height / ratio);
    return {{width, ClampExtent(height)}, "1/" + TwoDecimals(ratio)};
}

int PreviewWidthFromText(std::string_view text) {
    const std::string_view digits = !text.empty() && text.front() == '+' ? text.substr(1) : text;
    int width = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), width);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) {
        return kDefaultWidth;
    }
    return width;
}

PreviewLayout LayoutFor(const PreviewSettings& settings, PixelSize picture, PixelSize screen,
                        PixelSize frame) {
    if (settings.standard) {
        return StandardLayout(picture, screen, frame);
    }
    return FixedWidthLayout(picture, PreviewWidthFromText(settings.width));
}

std::string PreviewCaption(const std::filesystem::path& picture, const PreviewLayout& layout) {
    return picture.string() + " × " + layout.scale;
}

PixelSize ZoomedIn(PixelSize window) {
    return {std::min(window.width, kMaxClientExtent / 2) * 2,
            std::min(window.height, kMaxClientExtent / 2) * 2};
}

PixelSize ZoomedOut(PixelSize window) {
    return {window.width / 2, window.height / 2};
}

} // namespace viewer
