#include "exif/imaging.h"
#include "tests/exif/writer_test_tools.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>

using namespace writer_test;

// djpeg, written by others, must decode what the encoder writes, at the size asked for.
TEST(ThumbnailInterop, DjpegDecodesCopiesAtTheirSize) {
    if (!HaveTool("djpeg")) {
        GTEST_SKIP() << "djpeg is not installed";
    }
    const fixture::Sandbox box;
    const auto source = box.Path() / "source.jpg";
    fixture::WriteFile(source, fixture::EncodeJpeg(1600, 1200));
    struct Case {
        std::uint32_t width;
        std::uint32_t height;
        const char* header;
    };
    for (const Case& c : {Case{640, 0, "P6\n640 480\n255\n"}, Case{160, 120, "P6\n160 120\n255\n"},
                          Case{2000, 100, "P6\n2000 100\n255\n"}}) {
        const auto copy = box.Path() / "copy.jpg";
        ASSERT_TRUE(exif::MakeThumbnailJpeg(source, copy, c.width, c.height));
        const ToolRun run = RunTool("djpeg -pnm " + Quoted(copy) + " | head -c 20");
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.output.substr(0, std::string(c.header).size()), c.header);
        const ToolRun strict = RunTool("djpeg -pnm -outfile /dev/null " + Quoted(copy));
        EXPECT_EQ(strict.exitCode, 0);
        EXPECT_EQ(strict.output, "") << "djpeg warned about " << copy;
    }
}
