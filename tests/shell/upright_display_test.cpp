// Pictures shown upright: a photo whose thumbnail and picture have a red top-left corner, at
// each Orientation, comes out of the icon reading and of the viewers' decoder with that corner
// where a viewer shows it.

#include "exif/upright_picture.h"
#include "shell/list_icon_pictures.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

constexpr std::uint16_t kOrientationTag = 0x0112;

enum class Corner { TopLeft, TopRight, BottomRight, BottomLeft };

// Where a viewer shows the stored top-left corner, for Orientations 1 to 8.
constexpr std::array<Corner, 8> kMarkShownAt = {
    Corner::TopLeft,  Corner::TopRight,    Corner::BottomRight, Corner::BottomLeft,
    Corner::TopLeft,  Corner::TopRight,    Corner::BottomRight, Corner::BottomLeft};

struct Area {
    std::uint32_t left, top, width, height;
};

bool IsRed(const exif::Image& picture, std::uint32_t x, std::uint32_t y) {
    const auto pixel = picture.Row(y).subspan(std::size_t{x} * 3, 3);
    return pixel[0] > 180 && pixel[1] < 90 && pixel[2] < 90;
}

// Looks at the middle of each corner's third of the area the picture covers.
void ExpectMarkAt(const exif::Image& shown, Area area, Corner marked, const std::string& what) {
    for (const Corner corner : {Corner::TopLeft, Corner::TopRight, Corner::BottomRight,
                                Corner::BottomLeft}) {
        const bool right = corner == Corner::TopRight || corner == Corner::BottomRight;
        const bool bottom = corner == Corner::BottomRight || corner == Corner::BottomLeft;
        const std::uint32_t x = area.left + (right ? 5 : 1) * area.width / 6;
        const std::uint32_t y = area.top + (bottom ? 5 : 1) * area.height / 6;
        EXPECT_EQ(IsRed(shown, x, y), corner == marked)
            << what << ", corner " << static_cast<int>(corner);
    }
}

// A 64 x 48 photo at the Orientation with a 160 x 120 thumbnail, both marked.
std::filesystem::path MarkedPhoto(const fixture::Sandbox& sandbox, std::uint16_t orientation) {
    fixture::ExifContent content;
    content.ifd0 = {fixture::Short(kOrientationTag, {orientation})};
    content.ifd1 = std::vector<fixture::Entry>{};
    content.thumbnail = fixture::EncodeMarkedJpeg(160, 120);
    fixture::JpegOptions options;
    options.markedCorner = true;
    const auto path = sandbox.Path() / ("DSCN000" + std::to_string(orientation) + ".JPG");
    fixture::WriteFile(path, fixture::BuildJpeg(content, options).bytes);
    return path;
}

// Where the icon's picture lies: all of it, or a turned 3:4 thumbnail centred between white.
Area IconArea(const exif::Image& icon, bool turned) {
    if (!turned) {
        return {0, 0, icon.Width(), icon.Height()};
    }
    const std::uint32_t width = (icon.Height() * 3 + 2) / 4;
    return {(icon.Width() - width) / 2, 0, width, icon.Height()};
}

TEST(UprightDisplay, EachOrientationShowsTheMarkedCornerWhereAViewerDoes) {
    fixture::Sandbox sandbox;
    for (std::uint16_t orientation = 1; orientation <= 8; ++orientation) {
        const std::filesystem::path photo = MarkedPhoto(sandbox, orientation);
        const Corner marked = kMarkShownAt[orientation - 1];
        const bool turned = orientation >= 5;
        const std::string what = "Orientation " + std::to_string(orientation);

        for (const bool listThumbSize : {true, false}) {
            const auto icons = shell::ReadIconPictures(photo, shell::LargeIconPicture(listThumbSize));
            ASSERT_TRUE(icons) << what;
            for (const exif::Image* icon : {&icons->small, &icons->large}) {
                ExpectMarkAt(*icon, IconArea(*icon, turned), marked,
                             what + ", icon " + std::to_string(icon->Width()));
                const auto beside = icon->Row(icon->Height() / 2).first(3);
                EXPECT_EQ(beside[0] == 255 && beside[1] == 255 && beside[2] == 255, turned)
                    << what << ": white beside a turned thumbnail only";
            }
        }

        exif::UprightDecoder decoder;
        const auto size = decoder.Open(photo);
        ASSERT_TRUE(size) << what;
        EXPECT_EQ(size->width, turned ? 48u : 64u) << what;
        const auto half = decoder.Decode({size->width / 2, size->height / 2});
        ASSERT_TRUE(half) << what;
        EXPECT_EQ(half->Width(), size->width / 2) << what << ": decoded at 4/8";
        EXPECT_EQ(half->Height(), size->height / 2) << what;
        ExpectMarkAt(*half, {0, 0, half->Width(), half->Height()}, marked, what + ", viewer");
    }
}

} // namespace
