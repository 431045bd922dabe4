#pragma once

// The install's error report: one entry per failed item, which the user may read at the end
// instead of the run stopping at the first failure.

#include "platform/system_errors.h"

#include <string>
#include <string_view>

namespace setup {

class ErrorReport {
public:
    // tag + subject + CR LF + reason + CR LF; the reason ends with its own CR LF.
    void Add(std::string_view tag, std::string_view subject, std::string_view reason);
    // The reason is the code's message (SystemErrorText).
    void AddSystemError(std::string_view tag, std::string_view subject, platform::SystemError code);
    // The reason is a message of the platform (UTF-8), converted to CP932.
    void AddFailure(std::string_view tag, std::string_view subject, std::string_view utf8Message);

    [[nodiscard]] const std::string& Text() const { return text_; }
    [[nodiscard]] int FailureCount() const { return failureCount_; }

private:
    std::string text_;
    int failureCount_ = 0;
};

// The tags that start each entry.
namespace report_tag {
inline constexpr std::string_view kFolder = "<Folder> ";
inline constexpr std::string_view kFile = "<File> ";
inline constexpr std::string_view kSetupFile = "<SetupFile> ";
inline constexpr std::string_view kSetupFolder = "<SetupFolder> ";
inline constexpr std::string_view kShortcut = "<ShortCut> ";
inline constexpr std::string_view kRegistry = "<Registry> ";
inline constexpr std::string_view kIniFile = "<IniFile> ";
inline constexpr std::string_view kRelate = "<Relate> ";
inline constexpr std::string_view kUnSetup = "<UnSetup> ";
} // namespace report_tag

} // namespace setup
