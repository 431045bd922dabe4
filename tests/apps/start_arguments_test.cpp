// LumaroUty's start arguments: a folder opens that folder, files open their folder with those
// files selected, an unknown option is told before any window opens.

#include "apps/lumarouty/start_arguments.h"
#include "shell/settings_live.h"
#include "shell/ui/file_list_model.h"
#include "shell/ui/form_main.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/machine_sandbox.h"
#include "tests/support/sandbox.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

class StartArguments : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
            fixture::ExifContent content;
            content.ifd0 = {fixture::Ascii(0x010F, "NIKON")};
            fixture::WriteFile(photos.Path() / name, fixture::BuildJpeg(content).bytes);
        }
    }

    fixture::MachineSandbox machine;
    fixture::Sandbox photos;
};

TEST_F(StartArguments, NameTheFolderToOpenAndTheFilesToSelect) {
    const fs::path folder = photos.Path();
    const auto place = lumarouty::StartPlaceOf(
        {"LumaroUty", (folder / "b.jpg").string(), (folder / "c.jpg").string()});
    EXPECT_EQ(place.folder, folder);
    EXPECT_EQ(place.selected, (std::vector<fs::path>{folder / "b.jpg", folder / "c.jpg"}));

    const auto whole = lumarouty::StartPlaceOf({"LumaroUty", folder.string()});
    EXPECT_EQ(whole.folder, folder);
    EXPECT_TRUE(whole.selected.empty());

    EXPECT_FALSE(lumarouty::StartPlaceOf({"LumaroUty", "--frobnicate"}).problem.empty());
    EXPECT_TRUE(lumarouty::StartPlaceOf({"LumaroUty", "--", "-odd"}).problem.empty());
    EXPECT_FALSE(lumarouty::StartPlaceOf({"LumaroUty"}).folder);
}

TEST_F(StartArguments, AFileOpensItsFolderWithTheFileSelected) {
    shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    shell::LiveSettings live = shell::LiveSettings::Load(store);
    TFormMain form{store, live};
    lumarouty::ApplyStartPlace(form,
                               lumarouty::StartPlaceOf({"LumaroUty", (photos.Path() / "b.jpg").string()}));
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.SelectedFiles().empty(); }, 20000));
    EXPECT_EQ(form.CurrentFolder(), photos.Path());
    EXPECT_EQ(form.SelectedFiles(), std::vector<fs::path>{photos.Path() / "b.jpg"});
    form.grab().save(QString::fromStdString(std::string(LUMARO_SCREENSHOT_DIR) +
                                            "/lumarouty_started_on_a_file.png"));
}

} // namespace
