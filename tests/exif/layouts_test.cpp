// The same EXIF data in both byte orders and with the APP1 "Exif" segment first or behind other
// segments must read the same everywhere.

#include "exif/detail_pane.h"
#include "exif/detail_report.h"
#include "exif/exif_block.h"
#include "exif/summary_fields.h"
#include "exif/summary_values.h"
#include "exif/thumbnail_place.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>

using namespace fixture;
namespace fs = std::filesystem;

namespace {

// Every value type and every place a value can lie in: inline and at an offset, arrays, signed
// numbers, bytes, a maker note and a thumbnail.
ExifContent Camera(std::string_view model, MakerNote makerNote) {
    ExifContent content;
    content.ifd0 = {Ascii(0x010E, "Title written by hand"), Ascii(0x010F, "NIKON"),
                    Ascii(0x0110, model),                   Short(0x0112, {1}),
                    Rational(0x011A, 300, 1),               Ascii(0x0131, "v1.0"),
                    Ascii(0x0132, "2001:02:03 04:05:06"),   SShort(0x0213, {-2, 7, 9})};
    content.exif = std::vector<Entry>{
        Rational(0x829A, 1, 125),         Rational(0x829D, 28, 10),
        Short(0x8827, {200}),             Undefined(0x9000, {'0', '2', '1', '0'}),
        Ascii(0x9003, "2001:02:03 04:05:06"), Undefined(0x9101, {1, 2, 3, 0}),
        SRational(0x9204, -7, 10),        Short(0x9207, {5}),
        Short(0x9209, {1}),               Rational(0x920A, 82, 10),
        Undefined(0x9286, std::vector<std::uint8_t>(40, 'c')), Short(0xA002, {64, 65}),
        Long(0xA003, {48}),               Byte(0xA300, {3}),
        SLong(0xA404, {-100})};
    content.makerNote = std::move(makerNote);
    content.ifd1 = std::vector<Entry>{Short(0x0103, {6}), Rational(0x011A, 72, 1)};
    content.thumbnail = EncodeJpeg(16, 12);
    return content;
}

std::vector<ExifContent> Cameras() {
    return {Camera("E950", {MakerNoteLayout::NikonHeader,
                            {Short(0x0003, {4}), Short(0x0007, {2}), Ascii(0x0008, "AUTO  "),
                             Rational(0x000A, 25, 10)}}),
            Camera("E990", {MakerNoteLayout::Headerless,
                            {Short(0x0002, {0, 100}), Ascii(0x0004, "FINE  "),
                             Ascii(0x0007, "AF-S  "), Rational(0x0085, 3, 2),
                             Short(0x0088, {0, 1, 0, 0})}})};
}

struct FileLayout {
    const char* name;
    bool bigEndian;
    bool makerNoteInOtherOrder;
    JpegOptions options;
};

std::vector<FileLayout> Layouts() {
    const JpegOptions first;
    const JpegOptions behind{.app0First = true,
                             .segmentsBeforeExif = {IccProfileSegment(), XmpSegment(),
                                                    Segment(0xED, "Photoshop 3.0")}};
    return {{"II first", false, false, first},
            {"MM first", true, false, first},
            {"II behind", false, false, behind},
            {"MM behind", true, false, behind},
            {"MM, maker note II", true, true, behind}};
}

struct Reading {
    std::string report;
    std::vector<std::string> summary; // without the file's size, which the layout changes
    std::string pane;
    std::vector<std::uint8_t> thumbnail;
};

Reading Read(const fs::path& file) {
    const auto block = exif::LoadExifBlock(file);
    Reading reading;
    if (!block) {
        return reading;
    }
    reading.report = exif::BuildDetailReport(block);
    for (const exif::SummaryField& field : exif::SummaryFields()) {
        if (field.id != exif::SummaryFieldId::FileSize) {
            reading.summary.push_back(exif::SummaryValue(block, field.id, file));
        }
    }
    std::vector<std::string> names;
    for (const exif::SummaryField& field : exif::SummaryFields()) {
        if (field.id != exif::SummaryFieldId::FileSize) {
            names.push_back(field.name);
        }
    }
    reading.pane = exif::BuildDetailPaneText(file, names, false);
    if (const auto place = exif::FindThumbnail(*block)) {
        const auto bytes = block->Bytes().subspan(place->start, place->length);
        reading.thumbnail.assign(bytes.begin(), bytes.end());
    }
    return reading;
}

} // namespace

TEST(EveryLayout, ReadsAsTheLittleEndianFileWithItsExifSegmentFirst) {
    const Sandbox box;
    for (const ExifContent& camera : Cameras()) {
        std::optional<Reading> twin;
        for (const FileLayout& layout : Layouts()) {
            ExifContent content = camera;
            content.bigEndian = layout.bigEndian;
            content.makerNoteInOtherOrder = layout.makerNoteInOtherOrder;
            const fs::path folder = box.Path() / layout.name;
            fs::create_directories(folder);
            const fs::path file = folder / "DSCN0001.JPG";
            WriteFile(file, BuildJpeg(content, layout.options).bytes);
            const Reading reading = Read(file);
            if (!twin) {
                twin = reading;
                ASSERT_NE(reading.report.find("== MakerNote =="), std::string::npos);
                ASSERT_NE(reading.summary[2], "") << "the model";
                ASSERT_EQ(reading.thumbnail, *camera.thumbnail);
                continue;
            }
            SCOPED_TRACE(layout.name);
            EXPECT_EQ(reading.report, twin->report);
            EXPECT_EQ(reading.summary, twin->summary);
            EXPECT_EQ(reading.pane, twin->pane);
            EXPECT_EQ(reading.thumbnail, twin->thumbnail);
        }
    }
}
