#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"
#include "viewer/preview_walk.h"

#include <deque>
#include <gtest/gtest.h>

using namespace viewer;

namespace {

// Answers each picture with the next scripted result (stop when the script runs out) and
// records what it was asked to show.
class ScriptedDisplay : public PreviewDisplay {
public:
    explicit ScriptedDisplay(std::deque<PreviewResult> answers, PreviewScreen screen = {})
        : answers_(std::move(answers)), screen_(screen) {}

    PreviewScreen Screen() override { return screen_; }

    PreviewResult Show(const exif::Image& picture, const PreviewLayout& layout,
                       const std::string& caption) override {
        captions.push_back(caption);
        layouts.push_back(layout);
        decoded.push_back({static_cast<int>(picture.Width()), static_cast<int>(picture.Height())});
        if (answers_.empty()) {
            return PreviewResult::Stop;
        }
        const PreviewResult answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    void ReportError(const std::string& message) override { errors.push_back(message); }

    std::vector<std::string> captions;
    std::vector<PreviewLayout> layouts;
    std::vector<PixelSize> decoded;
    std::vector<std::string> errors;

private:
    std::deque<PreviewResult> answers_;
    PreviewScreen screen_;
};

class APreviewWalk : public testing::Test {
protected:
    // Seven small pictures, rows 0, 2 and 5 selected.
    APreviewWalk() {
        for (int i = 0; i < 7; ++i) {
            const auto path = sandbox_.Path() / ("DSCN000" + std::to_string(i) + ".JPG");
            fixture::WriteFile(path, fixture::EncodeJpeg(64, 48));
            rows_.push_back({path, i == 0 || i == 2 || i == 5});
        }
    }

    // The row numbers of the pictures shown, in order.
    std::vector<int> Shown(const ScriptedDisplay& display) const {
        std::vector<int> shown;
        for (const std::string& caption : display.captions) {
            for (std::size_t i = 0; i < rows_.size(); ++i) {
                if (caption.starts_with(rows_[i].path.string() + " ")) {
                    shown.push_back(static_cast<int>(i));
                }
            }
        }
        return shown;
    }

    fixture::Sandbox sandbox_;
    std::vector<PreviewRow> rows_;
    const PreviewSettings fixed_{false, "64"};
};

using enum PreviewResult;

} // namespace

TEST_F(APreviewWalk, GoesForwardOverTheSelectedRowsAndEndsAfterTheLast) {
    ScriptedDisplay display({Next, Next, Next});
    RunPreview(rows_, fixed_, display);
    EXPECT_EQ(Shown(display), (std::vector<int>{0, 2, 5}));
    EXPECT_TRUE(display.errors.empty());
}

TEST_F(APreviewWalk, GoesBackFromTheLastRowAndEndsBeforeTheFirst) {
    ScriptedDisplay display({Next, Next, Previous, Previous, Previous});
    RunPreview(rows_, fixed_, display);
    EXPECT_EQ(Shown(display), (std::vector<int>{0, 2, 5, 2, 0}));
}

TEST_F(APreviewWalk, PreviousOnTheSecondShowsTheFirstAgainAndOnTheFirstEnds) {
    ScriptedDisplay display({Next, Previous, Previous});
    RunPreview(rows_, fixed_, display);
    EXPECT_EQ(Shown(display), (std::vector<int>{0, 2, 0}));

    ScriptedDisplay first({Previous});
    RunPreview(rows_, fixed_, first);
    EXPECT_EQ(Shown(first), (std::vector<int>{0}));
}

TEST_F(APreviewWalk, TurnsAroundWhereverTheUserAsks) {
    ScriptedDisplay display({Next, Previous, Next, Next, Stop});
    RunPreview(rows_, fixed_, display);
    EXPECT_EQ(Shown(display), (std::vector<int>{0, 2, 0, 2, 5}));
}

TEST_F(APreviewWalk, StopEndsAtOnce) {
    ScriptedDisplay display({Stop, Next});
    RunPreview(rows_, fixed_, display);
    EXPECT_EQ(Shown(display), (std::vector<int>{0}));
}

TEST_F(APreviewWalk, ShowsNothingWithoutASelectedRow) {
    for (PreviewRow& row : rows_) {
        row.selected = false;
    }
    ScriptedDisplay display({Next});
    RunPreview(rows_, fixed_, display);
    EXPECT_TRUE(display.captions.empty());
    RunPreview({}, fixed_, display);
    EXPECT_TRUE(display.captions.empty());
}

TEST_F(APreviewWalk, EndsWithAMessageAtAFileThatIsNotAPicture) {
    fixture::WriteFile(rows_[2].path, std::vector<std::uint8_t>{'n', 'o', 't', ' ', 'J', 'P'});
    ScriptedDisplay display({Next, Next});
    RunPreview(rows_, fixed_, display);
    EXPECT_EQ(Shown(display), (std::vector<int>{0}));
    ASSERT_EQ(display.errors.size(), 1u);
    EXPECT_NE(display.errors[0].find(rows_[2].path.string()), std::string::npos);
}

TEST_F(APreviewWalk, EndsWithAMessageAtAFileThatIsGone) {
    std::filesystem::remove(rows_[5].path);
    ScriptedDisplay display({Next, Next, Next});
    RunPreview(rows_, fixed_, display);
    EXPECT_EQ(Shown(display), (std::vector<int>{0, 2}));
    ASSERT_EQ(display.errors.size(), 1u);
    EXPECT_NE(display.errors[0].find(rows_[5].path.string()), std::string::npos);
}

TEST(PreviewDecoding, DecodesNoLargerThanTheWindowNeeds) {
    fixture::Sandbox sandbox;
    const auto path = sandbox.Path() / "large.jpg";
    fixture::WriteFile(path, fixture::EncodeJpeg(2048, 1536));
    const std::vector<PreviewRow> rows{{path, true}};

    ScriptedDisplay display({Stop}, {{1024, 768}, {6, 25}});
    RunPreview(rows, PreviewSettings{}, display);
    ASSERT_EQ(display.layouts.size(), 1u);
    EXPECT_EQ(display.layouts[0].client, (PixelSize{682, 512}));
    EXPECT_EQ(display.captions[0], path.string() + " × 1/3");
    // 3/8 of 2048 x 1536 is the smallest DCT scale that still covers 682 x 512.
    EXPECT_EQ(display.decoded[0], (PixelSize{768, 576}));

    ScriptedDisplay fixed({Stop});
    RunPreview(rows, {false, "640"}, fixed);
    EXPECT_EQ(fixed.layouts[0].client, (PixelSize{640, 480}));
    EXPECT_EQ(fixed.captions[0], path.string() + " × 1/3.20");
    EXPECT_EQ(fixed.decoded[0], (PixelSize{768, 576}));
}

TEST(FindSelectedRow, SearchesInTheGivenDirectionAndStopsAtTheEnds) {
    const std::vector<PreviewRow> rows{{"a", false}, {"b", true}, {"c", false}, {"d", true}};
    EXPECT_EQ(FindSelectedRow(rows, 0, +1), 1u);
    EXPECT_EQ(FindSelectedRow(rows, 2, +1), 3u);
    EXPECT_EQ(FindSelectedRow(rows, 4, +1), std::nullopt);
    EXPECT_EQ(FindSelectedRow(rows, 2, -1), 1u);
    EXPECT_EQ(FindSelectedRow(rows, 0, -1), std::nullopt);
    EXPECT_EQ(FindSelectedRow(rows, -1, -1), std::nullopt);
}
