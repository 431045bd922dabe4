#pragma once

// Date editing: the date tags DateTime, DateTimeOriginal and DateTimeDigitized of every
// selected JPEG file set to its last-write time, to one given date and time, or to its own
// DateTime shifted by a signed amount (a camera clock that was wrong by that much).

#include "commands/edit_batch.h"

#include <optional>
#include <string>

namespace commands {

enum class DateSource {
    FileTime, // the file's last-write time
    Given,    // one date and a time text typed by the user
    Shift,    // the file's DateTime plus a signed amount
};

// Which tags are written, in this order.
struct DateTargets {
    bool dateTime = true;
    bool dateTimeOriginal = true;
    bool dateTimeDigitized = true;
};

struct CalendarDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

struct DateEditRequest {
    DateSource source = DateSource::FileTime;
    CalendarDate date;     // Given: the date picked
    std::string timeText;  // Given: written as typed after the date and a blank (CP932)
    std::string shiftText; // Shift: "[+|-][D ]HH:MM[:SS]" (UTF-8)
    DateTargets targets;
};

// The rows: column 2 each file's current DateTime, column 3 its new date. With a shift, a
// file whose DateTime is no valid date keeps its row unticked with the current value and is
// left alone. shiftSeconds is read only for DateSource::Shift.
[[nodiscard]] BatchPlan PlanDateEdit(const Selection& files, const DateEditRequest& request,
                                     std::int64_t shiftSeconds);

// Nothing when the shift text does not parse: the prompt says so and nothing is planned.
[[nodiscard]] std::optional<BatchReport>
RunDateEdit(const Selection& files, const DateEditRequest& request, EditPorts ports);

} // namespace commands
