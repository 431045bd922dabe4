#include "publish/text_file.h"

#include "platform/file_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace publish {

void WriteTextFile(const std::filesystem::path& file, const std::string& text) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        throw platform::FileError("create", file, std::strerror(errno));
    }
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            const int error = written < 0 ? errno : ENOSPC;
            ::close(fd);
            throw platform::FileError("write", file, std::strerror(error));
        }
        done += static_cast<std::size_t>(written);
    }
    if (::close(fd) != 0) {
        throw platform::FileError("write", file, std::strerror(errno));
    }
}

} // namespace publish
