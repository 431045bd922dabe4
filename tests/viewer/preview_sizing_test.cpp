#include "viewer/preview_sizing.h"

#include <gtest/gtest.h>

using namespace viewer;

namespace {

struct StandardCase {
    PixelSize picture;
    PixelSize screen;
    PixelSize frame;
    PixelSize client;
    const char* scale;
};

struct FixedCase {
    PixelSize picture;
    int width;
    PixelSize client;
    const char* scale;
};

} // namespace

TEST(StandardLayout, ReducesByTheSmallestWholeFactorThatFitsTheScreenLessTheFrame) {
    const StandardCase cases[] = {
        // ceil(2048 / 1018) = 3 beats ceil(1536 / 743) = 3; 2048 div 3 = 682.
        {{2048, 1536}, {1024, 768}, {6, 25}, {682, 512}, "1/3"},
        {{640, 480}, {1024, 768}, {6, 25}, {640, 480}, "1/1"},
        // Exactly the room left by the frame still fits at 1/1.
        {{1018, 743}, {1024, 768}, {6, 25}, {1018, 743}, "1/1"},
        {{1019, 743}, {1024, 768}, {6, 25}, {509, 371}, "1/2"},
        // The height decides for a tall picture.
        {{600, 2000}, {1024, 768}, {6, 25}, {200, 666}, "1/3"},
        // Without a frame the whole screen counts.
        {{2048, 1536}, {1024, 768}, {0, 0}, {1024, 768}, "1/2"},
        // A frame that leaves no room does not divide by zero.
        {{10, 10}, {100, 100}, {100, 200}, {1, 1}, "1/10"},
        // An empty picture counts as a reduction of 1.
        {{0, 0}, {1024, 768}, {6, 25}, {1, 1}, "1/1"},
    };
    for (const StandardCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.picture.width << "x" << c.picture.height);
        const PreviewLayout layout = StandardLayout(c.picture, c.screen, c.frame);
        EXPECT_EQ(layout.client, c.client);
        EXPECT_EQ(layout.scale, c.scale);
    }
}

TEST(FixedWidthLayout, KeepsTheAspectWithHalvesRoundedToEven) {
    const FixedCase cases[] = {
        {{1600, 1200}, 640, {640, 480}, "1/2.50"},
        {{640, 480}, 640, {640, 480}, "1/1.00"},
        {{320, 240}, 640, {640, 480}, "1/0.50"},
        // 5 / (4 / 2) = 2.5 goes down to 2, 7 / (4 / 2) = 3.5 goes up to 4.
        {{4, 5}, 2, {2, 2}, "1/2.00"},
        {{4, 7}, 2, {2, 4}, "1/2.00"},
        {{3, 3}, 1, {1, 1}, "1/3.00"},
        // A height that rounds to nothing still leaves one row.
        {{2000, 1}, 600, {600, 1}, "1/3.33"},
        // Widths below 1 are taken as 1.
        {{1600, 1200}, 0, {1, 1}, "1/1600.00"},
        {{1600, 1200}, -5, {1, 1}, "1/1600.00"},
    };
    for (const FixedCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.picture.width << "x" << c.picture.height << " at " << c.width);
        const PreviewLayout layout = FixedWidthLayout(c.picture, c.width);
        EXPECT_EQ(layout.client, c.client);
        EXPECT_EQ(layout.scale, c.scale);
    }
}

TEST(FixedWidthLayout, StaysWithinWhatAWindowCanBe) {
    const PreviewLayout tall = FixedWidthLayout({1, 65500}, kMaxClientExtent);
    EXPECT_EQ(tall.client, (PixelSize{kMaxClientExtent, kMaxClientExtent}));
    const PreviewLayout wide = FixedWidthLayout({65500, 1}, 1);
    EXPECT_EQ(wide.client, (PixelSize{1, 1}));
}

TEST(PreviewWidthFromText, ReadsWholeDecimalsAndFallsBackTo640) {
    const std::pair<const char*, int> cases[] = {
        {"640", 640}, {"800", 800},  {"+320", 320}, {"-5", -5},   {"0", 0},   {"", 640},
        {"abc", 640}, {"12px", 640}, {" 12", 640},  {"1.5", 640}, {"+", 640}, {"99999999999", 640},
    };
    for (const auto& [text, width] : cases) {
        EXPECT_EQ(PreviewWidthFromText(text), width) << '"' << text << '"';
    }
}

TEST(LayoutFor, FollowsTheChosenMode) {
    const PixelSize picture{1600, 1200};
    const PixelSize screen{1024, 768};
    const PixelSize frame{6, 25};
    EXPECT_EQ(LayoutFor(PreviewSettings{}, picture, screen, frame).scale, "1/2");
    EXPECT_EQ(LayoutFor({false, "640"}, picture, screen, frame).client, (PixelSize{640, 480}));
    EXPECT_EQ(LayoutFor({false, "800"}, picture, screen, frame).client, (PixelSize{800, 600}));
    EXPECT_EQ(LayoutFor({false, "wide"}, picture, screen, frame).scale, "1/2.50");
}

TEST(PreviewCaption, IsThePathFollowedByTheScale) {
    const std::filesystem::path picture = "/写真/DSCN0001.JPG";
    EXPECT_EQ(PreviewCaption(picture, {{682, 512}, "1/3"}), "/写真/DSCN0001.JPG × 1/3");
    EXPECT_EQ(PreviewCaption(picture, {{640, 480}, "1/2.50"}), "/写真/DSCN0001.JPG × 1/2.50");
}

TEST(Zoom, DoublesAndHalvesTheOuterSize) {
    EXPECT_EQ(ZoomedIn(ZoomedIn({400, 300})), (PixelSize{1600, 1200}));
    EXPECT_EQ(ZoomedOut({301, 201}), (PixelSize{150, 100}));
    EXPECT_EQ(ZoomedOut({1, 1}), (PixelSize{0, 0}));
    // Doubling stops short of overflow.
    EXPECT_LE(ZoomedIn({kMaxClientExtent, kMaxClientExtent}).width, kMaxClientExtent);
}
