#pragma once

// The platform's error codes, which the installer reports to the user with their message text.
// The stand-ins for file and shell operations answer with these codes, 0 being success.

#include <cstdint>
#include <string>
#include <system_error>

namespace platform {

using SystemError = std::uint32_t;

inline constexpr SystemError kErrorSuccess = 0;
inline constexpr SystemError kErrorFileNotFound = 2;
inline constexpr SystemError kErrorPathNotFound = 3;
inline constexpr SystemError kErrorTooManyOpenFiles = 4;
inline constexpr SystemError kErrorAccessDenied = 5;
inline constexpr SystemError kErrorNotEnoughMemory = 8;
inline constexpr SystemError kErrorWriteProtect = 19;
inline constexpr SystemError kErrorSharingViolation = 32;
inline constexpr SystemError kErrorFileExists = 80;
inline constexpr SystemError kErrorInvalidParameter = 87;
inline constexpr SystemError kErrorDiskFull = 112;
inline constexpr SystemError kErrorInvalidName = 123;
inline constexpr SystemError kErrorDirNotEmpty = 145;
inline constexpr SystemError kErrorAlreadyExists = 183;
inline constexpr SystemError kErrorFilenameTooLong = 206;
inline constexpr SystemError kErrorDirectory = 267;
// What an error of the host maps to when no closer code exists.
inline constexpr SystemError kErrorGenFailure = 31;

// The code for a host error number (ENOENT gives 2, EACCES 5 ...).
[[nodiscard]] SystemError SystemErrorFromErrno(int errnoValue);
// The code for a host error; 0 for no error.
[[nodiscard]] SystemError SystemErrorFrom(const std::error_code& error);

// The platform's message for the code as CP932 text, one sentence ending in "。" without a line
// end; a code without a message of its own gets a sentence that names its number.
[[nodiscard]] std::string SystemErrorMessage(SystemError code);

} // namespace platform
