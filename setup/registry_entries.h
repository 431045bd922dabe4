#pragma once

// Registry values of [Registry]: a value text is an optional type token ("(Str)", "(Int)",
// "(Dwd)", "(Bin)", "(Exp)") and the data; "(Pdd)" anywhere drops one trailing "\".

#include "platform/registry.h"
#include "setup/install_run.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace setup {

// A decimal integer with optional sign in the range of a 32-bit signed integer; none otherwise.
[[nodiscard]] std::optional<std::uint32_t> ParseDecimal32(std::string_view text);
// One to eight hexadecimal digits; none otherwise.
[[nodiscard]] std::optional<std::uint32_t> ParseHex32(std::string_view text);

// The value that the expanded value text makes; none when nothing is to be written (an empty
// text, or "(Bin)" data that is no hexadecimal number).
[[nodiscard]] std::optional<platform::RegistryValue> RegistryValueOf(std::string_view value,
                                                                     bool dropTrailingDelimiter);

// Creates each key and writes its value; failures go to the report.
[[nodiscard]] Flow WriteRegistryEntries(InstallRun& run);

} // namespace setup
