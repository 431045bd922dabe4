#pragma once

// The status window: what the engine is doing, the progress frame of the copy phase, and the
// abort button. It is the engine's status port; waiting between steps keeps the windows alive.

#include "setup/ports.h"

#include <QWidget>
#include <functional>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace setup_ui {

class TfrmStatus : public QWidget, public setup::StatusPort {
    Q_OBJECT
public:
    // abortRequested tells whether the abort has been confirmed (the main window disabled).
    explicit TfrmStatus(std::function<bool()> abortRequested);

    void Show() override;
    void Hide() override;
    void SetMessage(const std::string& message) override;
    void ShowProgressFrame(bool visible) override;
    void SetProgress(int position, const std::string& text) override;
    void EnableAbort(bool enabled) override;
    [[nodiscard]] bool AbortRequested() override;
    void Pause(int milliseconds) override;

    QLabel* lblMessage;
    QGroupBox* fraStatus;
    QProgressBar* prgStatus;
    QLabel* lblStatus;
    QPushButton* btnAbort;

signals:
    void abortClicked();

private:
    std::function<bool()> abortRequested_;
};

} // namespace setup_ui
