#pragma once

// Program information files (".pif"), which the shell writes instead of a link for a DOS
// program. Only the classic basic section is written, 391 bytes:
//   0x000  1  reserved (0)          0x001  1  checksum: low byte of the sum of 0x002-0x170
//   0x002 30  title, blank-padded   0x020  2  maximum memory, KiB (640)
//   0x022  2  minimum memory, KiB   0x024 63  program path, NUL-padded
//   0x063  2  flags (0x10: close the window on exit)
//   0x065 64  working folder, NUL-padded
//   0x0A5 64  parameters, NUL-padded            0x0E5-0x170  zero
//   0x171 16  section name "MICROSOFT PIFEX"    0x181  2  next section (0xFFFF: none)
//   0x183  2  section data offset (0)           0x185  2  section data length (0x171)
// Every text field keeps at least one NUL, so the program path holds at most 62 bytes and the
// working folder and parameters 63.

#include "platform/result.h"
#include "platform/shell_link.h"

#include <string>
#include <string_view>

namespace platform {

// The title is cut to 30 bytes, never inside a double-byte character. Fails when the target,
// working folder or arguments do not fit their fields.
[[nodiscard]] Result<std::string> EncodePif(const ShellLink& link, std::string_view title);

[[nodiscard]] bool LooksLikePif(std::string_view bytes);

// The target, working folder and arguments, and the title (without its padding) as the
// description.
[[nodiscard]] Result<ShellLink> DecodePif(std::string_view bytes);

} // namespace platform
