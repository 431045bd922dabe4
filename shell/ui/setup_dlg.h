#pragma once

// The settings dialog: every value of sections Setup, Tool and Exec, and the fonts of the file
// list and the detail pane. It edits a copy; OK makes the copy the live settings and writes
// them and the font records to the registry, Cancel reads the live settings back from it.

#include "shell/settings_live.h"
#include "shell/settings_store.h"

#include <QDialog>
#include <vector>

class QTabWidget;

namespace shell {

class DetailPage;
class ListPage;
class SetupPage;

class TSetupDlg : public QDialog {
public:
    TSetupDlg(SettingsStore& store, LiveSettings& live, QWidget* parent = nullptr);

protected:
    // A dialog kept for the program's life shows the live settings anew each time it opens.
    void showEvent(QShowEvent* event) override;

private:
    void ShowLiveSettings();
    void OKBtnClick();
    void CancelBtnClick();

    SettingsStore& store_;
    LiveSettings& live_;
    QTabWidget* pages_;
    std::vector<SetupPage*> setupPages_;
    ListPage* listPage_;
    DetailPage* detailPage_;
};

} // namespace shell

// The main window names the dialog without its namespace.
using shell::TSetupDlg;
