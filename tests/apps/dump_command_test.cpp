#include "apps/lumaro/dump_command.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace fixture;

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Dump(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunDumpCommand(args, out, err);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(DumpCommand, PrintsEachReportInUtf8AfterItsPath) {
    Sandbox sandbox;
    ExifContent withComment;
    withComment.ifd0 = {Ascii(0x010F, "NIKON"), Ascii(0x010E, "\x8E\xCA\x90\x5E")}; // 写真
    const auto first = sandbox.Path() / "a.jpg";
    const auto second = sandbox.Path() / "b.jpg";
    WriteFile(first, BuildJpeg(withComment).bytes);
    WriteFile(second, BuildJpeg(withComment).bytes);

    const Outcome one = Dump({first.string()});
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.out, "== IFD ==\nMake(A:6): NIKON\nImageDescription(A:5): 写真\n");

    const Outcome raw = Dump({"--raw", first.string()});
    EXPECT_EQ(raw.out,
              "== IFD ==\r\nMake(A:6): NIKON\r\nImageDescription(A:5): \x8E\xCA\x90\x5E\r\n");

    const Outcome two = Dump({first.string(), second.string()});
    EXPECT_EQ(two.out,
              "# " + first.string() + "\n" + one.out + "# " + second.string() + "\n" + one.out);
}

TEST(DumpCommand, NamesFilesItCannotOpenAndGoesOn) {
    Sandbox sandbox;
    const auto plain = sandbox.Path() / "plain.jpg";
    WriteFile(plain, std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xD9});
    const auto missing = sandbox.Path() / "missing.jpg";

    const Outcome outcome = Dump({missing.string(), plain.string()});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.err.find(missing.string()), std::string::npos);
    EXPECT_EQ(outcome.out, "# " + plain.string() + "\n"); // no usable EXIF: an empty report

    EXPECT_EQ(Dump({}).status, 2);
}
