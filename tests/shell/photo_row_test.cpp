// The row each photo file gives the list: the chosen values in order.

#include "exif/summary_fields.h"
#include "platform/codepage.h"
#include "shell/photo_row.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>

using namespace shell;
using namespace fixture;
using exif::SummaryFieldId;

namespace {

namespace fs = std::filesystem;

constexpr std::uint16_t kMake = 0x010F, kModel = 0x0110, kFNumber = 0x829D;

TEST(PhotoRow, HoldsTheChosenValuesInOrder) {
    Sandbox sandbox;
    ExifContent content;
    content.ifd0 = {Ascii(kMake, "Maker"), Ascii(kModel, "Model 1")};
    content.exif = std::vector<Entry>{Rational(kFNumber, 28, 10)};
    const fs::path file = sandbox.Path() / "DSCN0001.JPG";
    WriteFile(file, BuildJpeg(content).bytes);

    const std::vector columns{SummaryFieldId::Aperture, SummaryFieldId::FileName,
                              SummaryFieldId::Model, SummaryFieldId::ImageTitle};
    const PhotoRow row = ReadPhotoRow(file, columns);
    EXPECT_EQ(row.file, file);
    EXPECT_EQ(row.values, (std::vector<std::string>{"F2.8", "DSCN0001.JPG", "Model 1", ""}));
}

TEST(PhotoRow, OfAFileWithoutExifOrThatCannotBeReadHoldsWhatTheSummaryGives) {
    Sandbox sandbox;
    const fs::path plain = sandbox.Path() / "plain.jpg";
    WriteFile(plain, EncodeJpeg(64, 48));
    const std::vector columns{SummaryFieldId::FileName, SummaryFieldId::ImageSize};
    const PhotoRow row = ReadPhotoRow(plain, columns);
    EXPECT_EQ(row.values[0], "plain.jpg");
    EXPECT_EQ(platform::Cp932ToUtf8(row.values[1]), "64 × 48");

    const PhotoRow gone = ReadPhotoRow(sandbox.Path() / "gone.jpg", columns);
    EXPECT_EQ(gone.values, (std::vector<std::string>{"gone.jpg", ""}));
}

} // namespace
