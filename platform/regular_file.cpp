#include "platform/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

OpenedFile OpenRegularFile(const std::filesystem::path& path, int flags) {
    // Without O_NONBLOCK, opening a pipe waits for a writer. The flag stays: reads and writes
    // of a regular file take no notice of it.
    OpenedFile file;
    file.fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
    if (file.fd < 0) {
        // A folder opened for writing fails here rather than at the check below.
        throw FileError("open", path, errno == EISDIR ? "it is a folder" : std::strerror(errno));
    }
    const char* refusal = nullptr;
    if (::fstat(file.fd, &file.status) != 0) {
        refusal = std::strerror(errno);
    } else if (S_ISDIR(file.status.st_mode)) {
        refusal = "it is a folder";
    } else if (!S_ISREG(file.status.st_mode)) {
        refusal = "it is not a regular file (a pipe, device or socket)";
    }
    if (refusal != nullptr) {
        ::close(file.fd);
        throw FileError("open", path, refusal);
    }
    return file;
}

std::vector<std::uint8_t> ReadRange(int fd, const std::filesystem::path& path,
                                    std::uint64_t offset, std::size_t length, std::uint64_t size) {
    const std::uint64_t held = offset < size ? size - offset : 0;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::min<std::uint64_t>(length, held)));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::pread(fd, bytes.data() + done, bytes.size() - done,
                                    static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw FileError("read", path, std::strerror(errno));
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

} // namespace platform
