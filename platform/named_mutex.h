#pragma once

// A named mutex that other processes see, such as the one that keeps a second installer from
// starting: a lock on a file in the machine folder, held while the object lives. The machine
// folder and not the temporary folder, since what the holders share is the machine: two
// installers with different temporary folders still write one registry and one drive C:. The
// lock goes with the process, so a crashed holder never blocks the next start.

#include "platform/result.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace platform {

class NamedMutex {
public:
    // Takes the mutex; none when another holder, in this process or another, has it.
    [[nodiscard]] static Result<std::optional<NamedMutex>> Acquire(std::string_view name);

    // The lock file in the machine folder that stands for the name: bytes other than letters,
    // digits, "-", "_" and "." are written as "%" and two hexadecimal digits. Fails when there is
    // no machine folder.
    [[nodiscard]] static Result<std::filesystem::path> LockFile(std::string_view name);

    NamedMutex(NamedMutex&& other) noexcept;
    NamedMutex& operator=(NamedMutex&& other) noexcept;
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;
    ~NamedMutex();

private:
    explicit NamedMutex(int descriptor) : descriptor_(descriptor) {}

    int descriptor_ = -1;
};

} // namespace platform
