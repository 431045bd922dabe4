// A date pattern chosen in the utility applies on the command line too.

#include "apps/lumaro/names_command.h"
#include "apps/lumaro/settings_command.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/machine_sandbox.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace fixture;

TEST(NamesWithSavedSettings, TakeTheDateNameSettingsTheUtilitySaved) {
    MachineSandbox machine;
    Sandbox photos;
    ExifContent content;
    content.ifd0 = {Ascii(0x010F, "NIKON")};
    content.exif = std::vector<Entry>{Ascii(0x9003, "2000:12:31 09:05:07")};
    const auto photo = photos.Path() / "DSCN0001.JPG";
    WriteFile(photo, BuildJpeg(content).bytes);

    auto names = [&] {
        std::ostringstream out;
        std::ostringstream err;
        const std::vector<std::string> args = {"--date", photo.string()};
        EXPECT_EQ(RunNamesCommand(args, out, err), 0) << err.str();
        return out.str();
    };
    EXPECT_EQ(names(), photo.string() + "\t20001231_0905_01.jpg\n");

    for (const std::vector<std::string>& set :
         {std::vector<std::string>{"set", "Setup", "Date1", "3"},
          std::vector<std::string>{"set", "Setup", "Date3", "1"},
          std::vector<std::string>{"set", "Setup", "Date5", "3"}}) {
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(RunSettingsCommand(set, out, err), 0) << err.str();
    }
    EXPECT_EQ(names(), photo.string() + "\t001231_090507_001.jpg\n");
}
