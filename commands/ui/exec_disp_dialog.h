#pragma once

// The confirmation list window: the planned rows with a check box each.

#include "commands/batch_ports.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;

namespace commands {

class TFormExecDisp : public QDialog, public ConfirmPort {
    Q_OBJECT
public:
    explicit TFormExecDisp(QWidget* parent = nullptr);

    // Shows the rows modally; on OK the list's check marks are those the user left.
    [[nodiscard]] Confirmation Confirm(ConfirmationList& list) override;

    QTreeWidget* ListView1;
    QPushButton* ButtonOk;
    QPushButton* ButtonCancel;
    QPushButton* ButtonAll;
    QPushButton* ButtonNone;

private:
    void Fill(const ConfirmationList& list);
    void FitColumns();
    void CheckAll(bool checked);
};

} // namespace commands
