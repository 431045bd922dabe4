#pragma once

// Usage counts of shared files: one 32-bit value per file under HKEY_LOCAL_MACHINE
// "SOFTWARE\Microsoft\Windows\CurrentVersion\SharedDLLs", named by the file's full path.

#include "platform/result.h"

#include <cstdint>
#include <string_view>

namespace setup {

inline constexpr std::string_view kSharedDllsKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

// The count; 0 when it is absent or unreadable.
[[nodiscard]] std::int64_t SharedDllCount(std::string_view path);

enum class CountChange { Increment, Decrement };

// Increment: a count of 0 for a file that exists already is taken as 1 (another program
// installed it without counting), then count + 1 is written. Decrement: count - 1, the value
// deleted when the count was 1 or the result is negative. Returns the new count.
[[nodiscard]] platform::Result<std::int64_t> ChangeSharedDllCount(std::string_view path,
                                                                  CountChange change);

} // namespace setup
