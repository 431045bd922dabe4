#include "commands/confirmation_list.h"

#include <algorithm>

namespace commands {

void ConfirmationList::Clear(std::string oldCaption, std::string newCaption) {
    oldCaption_ = std::move(oldCaption);
    newCaption_ = std::move(newCaption);
    rows_.clear();
}

void ConfirmationList::AddRow(PlannedRow row) {
    const auto at = std::upper_bound(
        rows_.begin(), rows_.end(), row.fileName,
        [](const std::string& name, const PlannedRow& other) { return name < other.fileName; });
    rows_.insert(at, std::move(row));
}

void ConfirmationList::CheckAll(bool checked) {
    for (PlannedRow& row : rows_) {
        row.checked = checked;
    }
}

std::size_t ConfirmationList::CheckedCount() const {
    return static_cast<std::size_t>(
        std::count_if(rows_.begin(), rows_.end(), [](const PlannedRow& row) { return row.checked; }));
}

} // namespace commands
