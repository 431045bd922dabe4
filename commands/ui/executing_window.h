#pragma once

// The progress window: what is being done, to which file, and how far the run is.
// It has no buttons and no close box: a run cannot be cancelled from it.

#include "commands/batch_ports.h"

#include <QDialog>

class QLabel;
class QProgressBar;

namespace commands {

class TFormExecuting : public QDialog, public ProgressPort {
    Q_OBJECT
public:
    explicit TFormExecuting(QWidget* parent = nullptr);

    void Start(int maximum) override;
    void SetTexts(const std::string& action, const std::string& source,
                  const std::string& destination) override;
    void Step() override;
    void Finish() override;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QProgressBar* ProgressBar1;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Repaint();
    bool finishing_ = false;
};

} // namespace commands
