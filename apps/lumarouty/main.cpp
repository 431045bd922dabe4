// LumaroUty: the photo-file utility's main window over the settings in the registry.
// "LumaroUty FOLDER" opens the folder instead of the start folder of the settings.

#include "apps/lumarouty/batch_windows.h"
#include "apps/lumarouty/edit_commands_wiring.h"
#include "apps/lumarouty/external_program_wiring.h"
#include "apps/lumarouty/file_commands_wiring.h"
#include "apps/lumarouty/slide_show_wiring.h"
#include "shell/settings_live.h"
#include "shell/settings_store.h"
#include "shell/ui/form_main.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <filesystem>
#include <system_error>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("LumaroUty"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(shell::kMainCaption));
    QApplication::setDesktopFileName(QStringLiteral("lumarouty")); // its entry's icon and name

    shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    if (!store.Problem().empty()) {
        // Told once; the program then runs on the defaults.
        QMessageBox::warning(nullptr, QStringLiteral("LumaroUty"),
                             QString::fromStdString(store.Problem()));
    }
    shell::LiveSettings live = shell::LiveSettings::Load(store);

    TFormMain form(store, live);
    lumarouty::BatchWindows batchWindows(form);
    lumarouty::WireEditCommands(form, store, batchWindows);
    lumarouty::WireFileCommands(form, store, live, batchWindows);
    lumarouty::WireSlideShow(form, live);
    const auto launcher = lumarouty::WireExternalPrograms(form, live);
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1) {
        std::error_code ignored; // a folder that cannot be made absolute is tried as given
        const std::filesystem::path folder(QFile::encodeName(arguments[1]).toStdString());
        const std::filesystem::path absolute = std::filesystem::absolute(folder, ignored);
        form.SetStartFolder(absolute.empty() ? folder : absolute);
    }
    form.show();
    return QApplication::exec();
}
