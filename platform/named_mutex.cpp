#include "platform/named_mutex.h"

#include "platform/machine_folder.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace platform {
namespace {

bool IsPlainNameByte(unsigned char byte) {
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= '0' && byte <= '9') || byte == '-' || byte == '_' || byte == '.';
}

} // namespace

Result<std::filesystem::path> NamedMutex::LockFile(std::string_view name) {
    Result<std::filesystem::path> machine = MachineFolder();
    if (!machine) {
        return machine;
    }
    std::string file = "lumaro-mutex-";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsPlainNameByte(byte)) {
            file.push_back(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
            file += escaped;
        }
    }
    return machine.Value() / (file + ".lock");
}

Result<std::optional<NamedMutex>> NamedMutex::Acquire(std::string_view name) {
    const Result<std::filesystem::path> lockFile = LockFile(name);
    if (!lockFile) {
        return Failure{lockFile.Error()};
    }
    const std::filesystem::path& file = lockFile.Value();
    // A link in its place is refused rather than followed.
    const int descriptor = ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        return Failure{"cannot open lock file " + file.string() + ": " + std::strerror(errno)};
    }
    NamedMutex mutex(descriptor);
    // flock locks belong to the open file, so a second open in the same process conflicts too.
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            return std::optional<NamedMutex>();
        }
        return Failure{"cannot lock " + file.string() + ": " + std::strerror(errno)};
    }
    return std::optional<NamedMutex>(std::move(mutex));
}

NamedMutex::NamedMutex(NamedMutex&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)) {}

NamedMutex& NamedMutex::operator=(NamedMutex&& other) noexcept {
    if (this != &other) {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

NamedMutex::~NamedMutex() {
    // The lock file stays: removing it would let a newcomer lock a fresh file while another
    // process still holds the old one.
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

} // namespace platform
