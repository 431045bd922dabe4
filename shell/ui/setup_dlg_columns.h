#pragma once

// One of the four column lists of the settings dialog: the 25 summary fields as an ordered
// list with a tick per row, and buttons that move the current row and tick or untick them all.

#include "shell/settings_columns.h"

#include <QWidget>

class QListWidget;
class QPushButton;

namespace shell {

class ColumnCheckList : public QWidget {
public:
    // `listName` becomes the object name of the list itself (CheckListBoxList ...).
    ColumnCheckList(const QString& listName, QWidget* parent = nullptr);

    void SetRows(const ColumnRows& rows);
    [[nodiscard]] ColumnRows Rows() const;

    [[nodiscard]] QListWidget& List() const { return *list_; }

    // Moves the current row one place up (-1) or down (+1); it stays the current row.
    void MoveCurrent(int step);

private:
    void TickAll(bool ticked);
    void UpdateButtons();

    QListWidget* list_;
    QPushButton* up_;
    QPushButton* down_;
};

} // namespace shell
