#pragma once

// The planned work of a batch command: one row per file, shown for confirmation before the run.
// Texts are CP932.

#include <string>
#include <vector>

namespace commands {

struct PlannedRow {
    std::string fileName; // the row caption
    std::string action;   // "処理"
    std::string oldValue; // third column
    std::string newValue; // fourth column
    bool checked = true;
};

class ConfirmationList {
public:
    // Empties the list and names its third and fourth column.
    void Clear(std::string oldCaption, std::string newCaption);

    // Rows stay sorted by file name whatever order they are added in; equal names keep their
    // order of adding.
    void AddRow(PlannedRow row);

    void CheckAll(bool checked);

    [[nodiscard]] const std::string& OldCaption() const { return oldCaption_; }
    [[nodiscard]] const std::string& NewCaption() const { return newCaption_; }
    [[nodiscard]] const std::vector<PlannedRow>& Rows() const { return rows_; }
    [[nodiscard]] std::vector<PlannedRow>& Rows() { return rows_; }

    [[nodiscard]] std::size_t CheckedCount() const;

private:
    std::string oldCaption_;
    std::string newCaption_;
    std::vector<PlannedRow> rows_;
};

} // namespace commands
