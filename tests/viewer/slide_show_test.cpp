// The slide show without its window: which pictures in which order, the interval from the
// settings, the steps, the fit to the screen and the decode no larger than needed.

#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"
#include "viewer/slide_show.h"

#include <gtest/gtest.h>

using namespace viewer;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

const std::vector<fs::path> kListed = {"/p/a.jpg", "/p/b.jpg", "/p/c.jpg", "/p/d.jpg"};

} // namespace

TEST(SlideShowPictures, AreTheSelectedOnesWhenTwoOrMoreAreSelected) {
    const std::vector<fs::path> selected = {"/p/b.jpg", "/p/d.jpg"};
    const SlidePlan plan = PlanSlideShow(kListed, selected);
    EXPECT_EQ(plan.pictures, selected);
    EXPECT_EQ(plan.first, 0u);
}

TEST(SlideShowPictures, AreAllListedOnesOtherwiseFromTheOneSelected) {
    const SlidePlan none = PlanSlideShow(kListed, {});
    EXPECT_EQ(none.pictures, kListed);
    EXPECT_EQ(none.first, 0u);

    const std::vector<fs::path> one = {"/p/c.jpg"};
    const SlidePlan fromOne = PlanSlideShow(kListed, one);
    EXPECT_EQ(fromOne.pictures, kListed);
    EXPECT_EQ(fromOne.first, 2u);

    EXPECT_TRUE(PlanSlideShow({}, {}).pictures.empty());
}

TEST(SlideShowInterval, IsTheSettingInSecondsAndTenSecondsWhenItIsNoNumber) {
    EXPECT_EQ(SlideInterval("10"), 10s);
    EXPECT_EQ(SlideInterval("3"), 3s);
    EXPECT_EQ(SlideInterval("+7"), 7s);
    for (const char* text : {"", "abc", "5s", " 5", "1.5", "0x10", "99999999999999999999"}) {
        EXPECT_EQ(SlideInterval(text), 10s) << '"' << text << '"';
    }
}

TEST(SlideShowInterval, StandsStillAtZeroOrLessAndIsCappedForTheTimer) {
    EXPECT_EQ(SlideInterval("0"), std::nullopt);
    EXPECT_EQ(SlideInterval("-3"), std::nullopt);
    const std::optional<std::chrono::milliseconds> longest = SlideInterval("99999999999");
    ASSERT_TRUE(longest);
    EXPECT_LE(longest->count(), std::numeric_limits<int>::max());
    EXPECT_GT(longest->count(), std::numeric_limits<int>::max() - 1000);
}

TEST(SlideShowSteps, GoRoundInBothDirections) {
    SlideShow show({kListed, 2});
    EXPECT_EQ(show.Current(), "/p/c.jpg");
    show.Forward();
    EXPECT_EQ(show.Current(), "/p/d.jpg");
    show.Forward();
    EXPECT_EQ(show.Current(), "/p/a.jpg");
    show.Back();
    EXPECT_EQ(show.Current(), "/p/d.jpg");
    show.Back();
    show.Back();
    EXPECT_EQ(show.Position(), 1u);
    EXPECT_EQ(show.Count(), 4u);

    SlideShow single({{"/p/only.jpg"}, 5});
    EXPECT_EQ(single.Position(), 0u);
    single.Forward();
    single.Back();
    EXPECT_EQ(single.Current(), "/p/only.jpg");
}

TEST(SlideShowFit, FillsOneSideOfTheScreenAndCentresTheOther) {
    EXPECT_EQ(FitToScreen({2048, 1536}, {1024, 768}), (SlidePlacement{0, 0, {1024, 768}}));
    EXPECT_EQ(FitToScreen({3000, 2000}, {1920, 1080}), (SlidePlacement{150, 0, {1620, 1080}}));
    EXPECT_EQ(FitToScreen({600, 800}, {1024, 768}), (SlidePlacement{224, 0, {576, 768}}));
    EXPECT_EQ(FitToScreen({4000, 1000}, {1024, 768}), (SlidePlacement{0, 256, {1024, 256}}));
    // Small pictures grow to the screen too.
    EXPECT_EQ(FitToScreen({100, 50}, {1920, 1080}), (SlidePlacement{0, 60, {1920, 960}}));
    EXPECT_EQ(FitToScreen({160, 120}, {800, 600}), (SlidePlacement{0, 0, {800, 600}}));
}

TEST(SlideShowFit, KeepsAtLeastOnePixelOfExtremeShapes) {
    EXPECT_EQ(FitToScreen({65500, 1}, {800, 600}), (SlidePlacement{0, 299, {800, 1}}));
    EXPECT_EQ(FitToScreen({1, 65500}, {800, 600}), (SlidePlacement{399, 0, {1, 600}}));
    EXPECT_EQ(FitToScreen({0, 0}, {800, 600}), (SlidePlacement{100, 0, {600, 600}}));
}

TEST(SlideShowDecode, UsesTheSmallestDctScaleThatCoversThePlace) {
    fixture::Sandbox sandbox;
    const fs::path file = sandbox.Path() / "big.jpg";
    fixture::WriteFile(file, fixture::EncodeJpeg(1600, 1200));
    exif::UprightDecoder decoder;

    const std::optional<SlidePicture> quarter = LoadSlidePicture(file, {400, 300}, decoder);
    ASSERT_TRUE(quarter);
    EXPECT_EQ(quarter->placement, (SlidePlacement{0, 0, {400, 300}}));
    EXPECT_EQ(quarter->image.Width(), 400u); // 2/8
    EXPECT_EQ(quarter->image.Height(), 300u);

    const std::optional<SlidePicture> screen = LoadSlidePicture(file, {1024, 768}, decoder);
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->placement, (SlidePlacement{0, 0, {1024, 768}}));
    EXPECT_EQ(screen->image.Width(), 1200u); // 6/8: 5/8 would be 1000 wide
    EXPECT_EQ(screen->image.Height(), 900u);

    // A screen larger than the picture decodes it whole.
    const std::optional<SlidePicture> whole = LoadSlidePicture(file, {3200, 2400}, decoder);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->image.Width(), 1600u);
    EXPECT_EQ(whole->placement.size, (PixelSize{3200, 2400}));
}

TEST(SlideShowDecode, GivesNothingForAFileThatHoldsNoPicture) {
    fixture::Sandbox sandbox;
    exif::UprightDecoder decoder;
    const fs::path block = sandbox.Path() / "block.tif";
    fixture::ExifContent content;
    content.ifd0 = {fixture::Ascii(0x010F, "Maker")};
    fixture::WriteFile(block, fixture::BuildTiff(content).bytes);
    EXPECT_FALSE(LoadSlidePicture(block, {800, 600}, decoder));
    EXPECT_FALSE(LoadSlidePicture(sandbox.Path() / "missing.jpg", {800, 600}, decoder));
}
