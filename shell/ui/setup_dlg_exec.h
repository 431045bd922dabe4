#pragma once

// The external-program page of the settings dialog: the 26 entries A to Z in a list, and the
// title, program, parameters, working folder and option letters of the chosen one.

#include "shell/ui/setup_dlg_pages.h"

#include <array>

class QListWidget;

namespace shell {

class ExecPage : public SetupPage {
public:
    explicit ExecPage(QWidget* parent = nullptr);
    void ShowSettings(const LiveSettings& settings) override;
    void StoreSettings(LiveSettings& settings) const override;

    // Makes entry 0-25 the one the fields show.
    void ChooseEntry(int index);

private:
    [[nodiscard]] QWidget* MakeFields();
    void ShowEntry(int index);
    void KeepFields();
    void ShowListRow(int index);
    void Browse(QLineEdit& target, bool folder);

    QListWidget* entries_;
    QLineEdit* title_;
    QLineEdit* program_;
    QLineEdit* param_;
    QLineEdit* work_;
    std::array<QCheckBox*, 4> options_{}; // E, T, D, M
    ExecTable table_{};
    int shownEntry_ = -1;
};

} // namespace shell
