#include "commands/date_shift.h"

#include <chrono>
#include <cstdio>

namespace commands {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads `least` (at least one) to `most` digits at `at`; advances past them.
std::optional<int> Digits(std::string_view text, std::size_t& at, std::size_t least,
                          std::size_t most) {
    std::size_t end = at;
    while (end < text.size() && end - at < most && IsDigit(text[end])) {
        ++end;
    }
    if (end - at < least) {
        return std::nullopt;
    }
    int value = 0;
    for (; at < end; ++at) {
        value = value * 10 + (text[at] - '0');
    }
    return value;
}

bool Expect(std::string_view text, std::size_t& at, char c) {
    if (at < text.size() && text[at] == c) {
        ++at;
        return true;
    }
    return false;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// "D " in front of the time, when there is one: digits followed by a blank.
std::optional<int> LeadingDays(std::string_view text, std::size_t& at) {
    std::size_t probe = at;
    const auto days = Digits(text, probe, 1, 5);
    if (!days || !Expect(text, probe, ' ')) {
        return 0;
    }
    while (probe < text.size() && text[probe] == ' ') {
        ++probe;
    }
    at = probe;
    return days;
}

} // namespace

std::optional<std::int64_t> ParseTimeShift(std::string_view text) {
    text = Trimmed(text);
    std::size_t at = 0;
    int sign = 1;
    if (Expect(text, at, '-')) {
        sign = -1;
    } else {
        (void)Expect(text, at, '+');
    }
    const auto days = LeadingDays(text, at);
    const auto hours = Digits(text, at, 1, 2);
    if (!hours || !Expect(text, at, ':')) {
        return std::nullopt;
    }
    const auto minutes = Digits(text, at, 2, 2);
    std::optional<int> seconds = 0;
    if (minutes && Expect(text, at, ':')) {
        seconds = Digits(text, at, 2, 2);
    }
    if (!minutes || !seconds || at != text.size() || *minutes > 59 || *seconds > 59) {
        return std::nullopt;
    }
    return sign * (std::int64_t{*days} * kSecondsPerDay + std::int64_t{*hours} * 3600 +
                   std::int64_t{*minutes} * 60 + *seconds);
}

std::optional<std::string> ShiftDateText(std::string_view date, std::int64_t seconds) {
    constexpr std::string_view kForm = "dddd:dd:dd dd:dd:dd";
    if (date.size() != kForm.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kForm.size(); ++i) {
        if (kForm[i] == 'd' ? !IsDigit(date[i]) : date[i] != kForm[i]) {
            return std::nullopt;
        }
    }
    auto number = [&](std::size_t from, std::size_t length) {
        int value = 0;
        for (std::size_t i = from; i < from + length; ++i) {
            value = value * 10 + (date[i] - '0');
        }
        return value;
    };
    using namespace std::chrono;
    const year_month_day day{year{number(0, 4)}, month(static_cast<unsigned>(number(5, 2))),
                             std::chrono::day(static_cast<unsigned>(number(8, 2)))};
    const int hour = number(11, 2), minute = number(14, 2), second = number(17, 2);
    if (!day.ok() || hour > 23 || minute > 59 || second > 59) {
        return std::nullopt;
    }
    const sys_seconds moment = sys_days{day} + hours{hour} + minutes{minute} +
                               std::chrono::seconds{second} + std::chrono::seconds{seconds};
    const sys_days shiftedDay = floor<days>(moment);
    const year_month_day shifted{shiftedDay};
    const hh_mm_ss time{moment - shiftedDay};
    if (shifted.year() < year{1} || shifted.year() > year{9999}) {
        return std::nullopt;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04d:%02u:%02u %02d:%02d:%02d",
                  static_cast<int>(shifted.year()), static_cast<unsigned>(shifted.month()),
                  static_cast<unsigned>(shifted.day()), static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return std::string(text);
}

} // namespace commands
