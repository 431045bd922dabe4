// LumaroUty: the photo-file utility's main window over the settings in the registry.
// "LumaroUty FOLDER" opens the folder instead of the start folder of the settings, "LumaroUty
// FILE..." the folder of the files with them selected.

#include "apps/lumarouty/batch_windows.h"
#include "apps/lumarouty/edit_commands_wiring.h"
#include "apps/lumarouty/external_program_wiring.h"
#include "apps/lumarouty/file_commands_wiring.h"
#include "apps/lumarouty/slide_show_wiring.h"
#include "apps/lumarouty/start_arguments.h"
#include "shell/settings_live.h"
#include "shell/settings_store.h"
#include "shell/ui/form_main.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <iostream>

int main(int argc, char** argv) {
    // Answered before the window system is reached, so they work without a display.
    if (const auto early = lumarouty::EarlyAnswerOf(argc, argv);
        early != lumarouty::EarlyAnswer::None) {
        early == lumarouty::EarlyAnswer::Help ? lumarouty::PrintHelp(std::cout)
                                              : lumarouty::PrintVersion(std::cout);
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("LumaroUty"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(shell::kMainCaption));
    QApplication::setDesktopFileName(QStringLiteral("lumarouty")); // its entry's icon and name

    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments()) {
        arguments.push_back(QFile::encodeName(argument).toStdString());
    }
    const lumarouty::StartPlace place = lumarouty::StartPlaceOf(arguments);
    if (!place.problem.empty()) {
        std::cerr << place.problem << "\n";
        lumarouty::PrintHelp(std::cerr);
        return 2;
    }

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
    lumarouty::ApplyStartPlace(form, place);
    form.show();
    return QApplication::exec();
}
