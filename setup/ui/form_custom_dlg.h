#pragma once

// The shared-file dialog: a file nobody counts any more may be deleted, kept, or every such
// file deleted or kept from now on. Only its four buttons answer it.

#include "setup/ports.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace setup_ui {

class TfrmCustomDlg : public QDialog, public setup::SharedFilePort {
    Q_OBJECT
public:
    explicit TfrmCustomDlg(QWidget* parent = nullptr);

    // Shows the message modally until a button is pressed.
    [[nodiscard]] setup::SharedFileAnswer Ask(const std::string& message) override;

    QLabel* lblMessage;
    QPushButton* btnYes;
    QPushButton* btnNo;
    QPushButton* btnDelete;
    QPushButton* btnSave;

public slots:
    // Escape and the window manager's close give no answer; the buttons must.
    void reject() override {}

private:
    void Answer(setup::SharedFileAnswer answer);
    setup::SharedFileAnswer answer_ = setup::SharedFileAnswer::No;
};

} // namespace setup_ui
