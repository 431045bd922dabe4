#pragma once

// The time shift of the date command: a signed amount "[+|-][D ]HH:MM[:SS]" added to an EXIF
// date "yyyy:mm:dd hh:nn:ss" on the calendar, so that a wrong camera clock is put right by the
// same amount in every file. No time zone takes part.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace commands {

// Seconds; nothing when the text is not of the form "[+|-][D ]HH:MM[:SS]" (days up to five
// digits, hours up to two, minutes and seconds two digits below 60; blanks around are ignored).
[[nodiscard]] std::optional<std::int64_t> ParseTimeShift(std::string_view text);

// The date shifted by the seconds; nothing when the text is not a valid date of that exact
// form or the result leaves the years 1 to 9999.
[[nodiscard]] std::optional<std::string> ShiftDateText(std::string_view date, std::int64_t seconds);

} // namespace commands
