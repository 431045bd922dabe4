#pragma once

// The date-name page of the settings dialog: date pattern, separator, time pattern, separator
// and digits of the running number, with the name a sample photo would get.

#include "shell/ui/setup_dlg_example.h"
#include "shell/ui/setup_dlg_pages.h"

class QComboBox;
class QLabel;

namespace shell {

class DateNamePage : public SetupPage {
public:
    explicit DateNamePage(QWidget* parent = nullptr);
    void ShowSettings(const LiveSettings& settings) override;
    void StoreSettings(LiveSettings& settings) const override;

private:
    void ShowExample();

    QComboBox* datePattern_;
    QLineEdit* dateSeparator_;
    QComboBox* timePattern_;
    QLineEdit* timeSeparator_;
    QComboBox* digits_;
    QLabel* example_;
    DateNameExample exampleMaker_;
    // The settings last shown, so the example is made through the same conversion as the
    // program's own names.
    LiveSettings shown_{};
};

} // namespace shell
