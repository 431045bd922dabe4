#pragma once

// Last-write times of files: read before a write and put back after it, so that an edit of the
// EXIF data does not change the date a folder listing shows.

#include <ctime>
#include <filesystem>
#include <optional>

namespace platform {

using FileTime = std::filesystem::file_time_type;

// A moment of the local calendar, as EXIF dates and the folder listing show it.
struct LocalDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The file's last-write time; nothing when the file cannot be examined.
[[nodiscard]] std::optional<FileTime> LastWriteTime(const std::filesystem::path& path);

// The same moment as the file system stores it, and back.
[[nodiscard]] timespec ToTimespec(FileTime time);
[[nodiscard]] FileTime FromTimespec(const timespec& time);

// Throws FileError when the time cannot be set.
void SetLastWriteTime(const std::filesystem::path& path, FileTime time);

// The moment a local calendar date and time names; nothing when it names none (a month 13, a
// February 30th, a year outside 1..9999).
[[nodiscard]] std::optional<FileTime> FileTimeFromLocal(const LocalDateTime& local);

} // namespace platform
