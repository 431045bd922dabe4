#include "platform/file_times.h"

#include "platform/file_error.h"

#include <chrono>
#include <ctime>
#include <system_error>

namespace platform {
namespace {

bool IsCalendarMoment(const LocalDateTime& local) {
    using namespace std::chrono;
    const year_month_day date{year{local.year}, month{static_cast<unsigned>(local.month)},
                              day{static_cast<unsigned>(local.day)}};
    return local.year >= 1 && local.year <= 9999 && date.ok() && local.hour >= 0 &&
           local.hour < 24 && local.minute >= 0 && local.minute < 60 && local.second >= 0 &&
           local.second < 60;
}

} // namespace

timespec ToTimespec(FileTime time) {
    using namespace std::chrono;
    const auto since = std::chrono::file_clock::to_sys(time).time_since_epoch();
    const auto whole = floor<seconds>(since);
    return timespec{static_cast<std::time_t>(whole.count()),
                    static_cast<long>(duration_cast<nanoseconds>(since - whole).count())};
}

FileTime FromTimespec(const timespec& time) {
    using namespace std::chrono;
    const sys_time<nanoseconds> moment{seconds(time.tv_sec) + nanoseconds(time.tv_nsec)};
    return time_point_cast<FileTime::duration>(std::chrono::file_clock::from_sys(moment));
}

std::optional<FileTime> LastWriteTime(const std::filesystem::path& path) {
    std::error_code error;
    const FileTime time = std::filesystem::last_write_time(path, error);
    if (error) {
        return std::nullopt;
    }
    return time;
}

void SetLastWriteTime(const std::filesystem::path& path, FileTime time) {
    std::error_code error;
    std::filesystem::last_write_time(path, time, error);
    if (error) {
        throw FileError("set the last-write time of", path, error.message());
    }
}

std::optional<FileTime> FileTimeFromLocal(const LocalDateTime& local) {
    if (!IsCalendarMoment(local)) {
        return std::nullopt;
    }
    std::tm parts{};
    parts.tm_year = local.year - 1900;
    parts.tm_mon = local.month - 1;
    parts.tm_mday = local.day;
    parts.tm_hour = local.hour;
    parts.tm_min = local.minute;
    parts.tm_sec = local.second;
    parts.tm_isdst = -1;
    const std::time_t seconds = std::mktime(&parts);
    const auto moment = std::chrono::system_clock::from_time_t(seconds);
    return std::chrono::file_clock::from_sys(moment);
}

} // namespace platform
