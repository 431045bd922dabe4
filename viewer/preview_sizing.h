#pragma once

// The preview window's size and caption for one picture, and its zoom steps: plain arithmetic
// on pixel counts, handed everything it needs.

#include <filesystem>
#include <string>
#include <string_view>

namespace viewer {

struct PixelSize {
    int width = 0;
    int height = 0;

    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// The preview values of the settings' `Tool` section, as the main window hands them over.
struct PreviewSettings {
    bool standard = true;      // Pre1 "標準": reduce by a whole factor to fit the screen
    std::string width = "640"; // Preview: the client width of "固定値", decimal text
};

// The client area a picture gets and the scale it is shown at ("1/3", "1/2.50").
struct PreviewLayout {
    PixelSize client;
    std::string scale;
};

// The largest client extent a window may ask for; beyond it window systems refuse the size.
inline constexpr int kMaxClientExtent = (1 << 24) - 1;

// "標準": the smallest whole n for which picture / n fits the screen less the window frame.
[[nodiscard]] PreviewLayout StandardLayout(PixelSize picture, PixelSize screen, PixelSize frame);

// "固定値": the given client width (at least 1), the height keeping the picture's aspect,
// rounded to nearest with halves to even.
[[nodiscard]] PreviewLayout FixedWidthLayout(PixelSize picture, int clientWidth);

// The fixed width as a whole decimal number; 640 when the text is not one.
[[nodiscard]] int PreviewWidthFromText(std::string_view text);

// The layout the settings ask for.
[[nodiscard]] PreviewLayout LayoutFor(const PreviewSettings& settings, PixelSize picture,
                                      PixelSize screen, PixelSize frame);

// The window caption: the picture's path, " × " and the scale (host encoding, UTF-8).
[[nodiscard]] std::string PreviewCaption(const std::filesystem::path& picture,
                                         const PreviewLayout& layout);

// "x 2" and "/ 2" on the window's outer size, frame included; halving truncates.
[[nodiscard]] PixelSize ZoomedIn(PixelSize window);
[[nodiscard]] PixelSize ZoomedOut(PixelSize window);

} // namespace viewer
