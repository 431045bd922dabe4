#pragma once

// The uninstall log while an install runs. It is written whole before the first thing is made,
// with what an earlier install recorded, and every entry is then appended the moment its file,
// folder or key has been made, so that an install killed at any point leaves a log that undoes
// all it made, and never an empty one. At the end the log is written whole again, in the form
// that readers of every version read. Appended entries repeat their section's header: a
// reader that lets a repeated section continue the first (ReadUninstallLog) sees every entry.

#include "platform/result.h"

#include <span>
#include <string>
#include <string_view>

namespace setup {

// One key of a section, to append.
struct LogLine {
    std::string_view section;
    std::string key;
    std::string value;
};

class LogJournal {
public:
    LogJournal() = default;
    ~LogJournal();
    LogJournal(const LogJournal&) = delete;
    LogJournal& operator=(const LogJournal&) = delete;

    // Writes the text as the whole log, in place of an earlier one at once, and opens it for
    // appending.
    [[nodiscard]] platform::Status Begin(std::string_view logFile, std::string_view text);
    // Appends the lines in one write and hands them to the system, so that a kill right after
    // cannot lose them; nothing when the log is not open. A failed append leaves the log as it
    // was and closes it.
    [[nodiscard]] platform::Status Append(std::span<const LogLine> lines);
    // Writes the text as the whole log and closes it.
    [[nodiscard]] platform::Status Finish(std::string_view logFile, std::string_view text);

    [[nodiscard]] bool IsOpen() const { return fd_ >= 0; }

private:
    void Close();

    std::string logFile_; // Windows spelling, for messages
    int fd_ = -1;
    std::string lastSection_;
};

} // namespace setup
