// The file list's reading on worker threads: every file handed over once, in list order, with
// its values as UTF-8, whatever order the workers finish in.

#include "exif/summary_fields.h"
#include "platform/codepage.h"
#include "shell/fill_reading.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace shell;
using namespace fixture;
using exif::SummaryFieldId;

namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

constexpr std::uint16_t kImageDescription = 0x010E;

// Files 000 to count-1: every third one a JPEG without EXIF, the others titled with their
// number in Japanese and carrying a thumbnail whose size grows with the number, so that the
// workers finish them at different speeds.
std::vector<std::string> Photos(const Sandbox& sandbox, int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "P%03d.JPG", i);
        const fs::path file = sandbox.Path() / name;
        if (i % 3 == 2) {
            WriteFile(file, EncodeJpeg(64, 48));
        } else {
            ExifContent content;
            content.ifd0 = {
                Ascii(kImageDescription, platform::Utf8ToCp932("写真" + std::to_string(i)))};
            content.ifd1 = std::vector<Entry>{};
            content.thumbnail = EncodeJpeg(16 + 16 * (i % 10), 12 + 12 * (i % 10));
            WriteFile(file, BuildJpeg(content).bytes);
        }
        names.emplace_back(name);
    }
    return names;
}

// Looks every millisecond, as the window does every ten.
std::vector<FilledPhoto> TakeAll(FillReading& reading) {
    std::vector<FilledPhoto> photos;
    while (!reading.AllTaken()) {
        std::this_thread::sleep_for(milliseconds(1));
        for (FilledPhoto& photo : reading.TakeReady()) {
            photos.push_back(std::move(photo));
        }
    }
    return photos;
}

TEST(AFillReading, HandsOverEveryFileOnceInListOrderWithUtf8Values) {
    Sandbox sandbox;
    std::vector<std::string> names = Photos(sandbox, 40);
    names.emplace_back("gone.JPG");
    FillReading reading(sandbox.Path(), names,
                        {SummaryFieldId::FileName, SummaryFieldId::ImageTitle});
    ASSERT_EQ(reading.Count(), names.size());

    const std::vector<FilledPhoto> photos = TakeAll(reading);
    ASSERT_EQ(photos.size(), names.size());
    EXPECT_TRUE(reading.TakeReady().empty());
    EXPECT_TRUE(reading.WaitForAllRead(milliseconds(0)));
    for (std::size_t i = 0; i < 40; ++i) {
        const FilledPhoto& photo = photos[i];
        EXPECT_EQ(photo.file, sandbox.Path() / names[i]);
        const bool withExif = i % 3 != 2;
        EXPECT_EQ(photo.values,
                  (std::vector<std::string>{names[i], withExif ? "写真" + std::to_string(i) : ""}));
    }
    EXPECT_EQ(photos.back().values, (std::vector<std::string>{"gone.JPG", ""}));
}

TEST(AFillReading, WaitedForUntilEveryFileIsReadHandsThemAllOverInOneTake) {
    Sandbox sandbox;
    const std::vector<std::string> names = Photos(sandbox, 30);
    FillReading reading(sandbox.Path(), names, {SummaryFieldId::FileName});
    while (!reading.WaitForAllRead(milliseconds(10))) {
    }
    const std::vector<FilledPhoto> photos = reading.TakeReady();
    ASSERT_EQ(photos.size(), names.size());
    EXPECT_EQ(photos.back().file, sandbox.Path() / names.back());
    EXPECT_TRUE(reading.AllTaken());
}

TEST(AFillReading, OfNoFilesIsTakenAtOnceAndOneDroppedHalfWayStopsItsWorkers) {
    FillReading empty({}, {}, {SummaryFieldId::FileName});
    EXPECT_TRUE(empty.WaitForAllRead(milliseconds(0)));
    EXPECT_TRUE(empty.AllTaken());
    EXPECT_TRUE(empty.TakeReady().empty());

    Sandbox sandbox;
    const std::vector<std::string> names = Photos(sandbox, 60);
    auto reading = std::make_unique<FillReading>(sandbox.Path(), names,
                                                 std::vector{SummaryFieldId::ImageTitle});
    std::vector<FilledPhoto> first;
    while (first.empty()) {
        std::this_thread::sleep_for(milliseconds(1));
        first = reading->TakeReady();
    }
    EXPECT_EQ(first.front().file, sandbox.Path() / names.front());
    EXPECT_EQ(reading->Taken(), first.size());
    reading.reset(); // joins workers that may still be reading; a race here is the sanitizers'
}

} // namespace
