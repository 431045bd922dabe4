#include "setup/log_journal.h"

#include "platform/codepage.h"
#include "setup/file_primitives.h"
#include "setup/host_paths.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace setup {
namespace {

platform::Failure CannotWrite(std::string_view logFile, const std::string& reason) {
    return {"cannot write the uninstall log " + platform::Cp932ToUtf8(logFile) + ": " + reason};
}

} // namespace

LogJournal::~LogJournal() {
    Close();
}

void LogJournal::Close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

platform::Status LogJournal::Begin(std::string_view logFile, std::string_view text) {
    Close();
    if (platform::Status written = Finish(logFile, text); !written) {
        return written;
    }
    const auto host = HostPathOf(logFile);
    fd_ = host ? ::open(host->c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC) : -1;
    if (fd_ < 0) {
        return CannotWrite(logFile, host ? std::strerror(errno) : "it names no drive");
    }
    logFile_ = std::string(logFile);
    lastSection_.clear();
    return {};
}

platform::Status LogJournal::Append(std::span<const LogLine> lines) {
    if (fd_ < 0) {
        return {};
    }
    std::string text;
    std::string section = lastSection_;
    for (const LogLine& line : lines) {
        if (line.section != section) {
            section = std::string(line.section);
            text.append("\r\n[").append(section).append("]\r\n");
        }
        text.append(line.key).append("=").append(line.value).append("\r\n");
    }
    struct stat before {};
    const bool measured = ::fstat(fd_, &before) == 0;
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t put = ::write(fd_, text.data() + done, text.size() - done);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            const std::string reason = std::strerror(put < 0 ? errno : ENOSPC);
            // A line cut short could name another file; the log goes back to its last whole line.
            if (measured) {
                (void)::ftruncate(fd_, before.st_size);
            }
            Close();
            return CannotWrite(logFile_, reason);
        }
        done += static_cast<std::size_t>(put);
    }
    lastSection_ = std::move(section);
    return {};
}

platform::Status LogJournal::Finish(std::string_view logFile, std::string_view text) {
    Close();
    if (const platform::SystemError code = WriteWholeFile(logFile, text)) {
        return CannotWrite(logFile, platform::Cp932ToUtf8(platform::SystemErrorMessage(code)));
    }
    return {};
}

} // namespace setup
