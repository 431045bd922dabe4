#pragma once

// Profile (INI) files with the platform's rules: section and key names compared without regard
// to ASCII letter case, an absent file, section or key reading as the default, and every write
// keeping the other lines of the file byte for byte. Names and values are CP932 text; new lines
// end in CR LF. Within a section only the first of duplicate sections and keys counts.

#include "platform/result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {

// The value of the key, without the blanks around it and without one pair of enclosing quotes
// ("..." or '...'); fallback when the file, the section or the key does not exist.
[[nodiscard]] std::string ReadProfileString(std::string_view section, std::string_view key,
                                            std::string_view fallback,
                                            const std::filesystem::path& file);

// The names of the section's keys in file order, as written; empty when there is no section.
[[nodiscard]] std::vector<std::string> ReadProfileKeys(std::string_view section,
                                                       const std::filesystem::path& file);

// The names of all sections in file order, as written.
[[nodiscard]] std::vector<std::string> ReadProfileSections(const std::filesystem::path& file);

// How a section whose name occurs more than once is read.
enum class SectionRepeats {
    FirstOnly, // the platform's rule: only the first section of the name counts
    Continue,  // later sections continue it, and a key they repeat takes its later value, as a
               // writer that only appends extends a section
};

// The section's keys, in upper case (ASCII), and their values as ReadProfileString gives them,
// from one reading of the file: for lists of many numbered keys, which key-by-key reading would
// read the file once per key. Within one section the first of duplicate keys counts. Empty when
// the file or the section is absent.
[[nodiscard]] std::unordered_map<std::string, std::string>
ReadProfileSection(std::string_view section, const std::filesystem::path& file,
                   SectionRepeats repeats);

// Sets key=value: an existing key line is rewritten (keeping the key's spelling), a new key goes
// after the section's last line that is not blank, a new section to the end of the file after
// a blank line, and a missing file is created (its folder is not).
[[nodiscard]] Status WriteProfileString(std::string_view section, std::string_view key,
                                        std::string_view value, const std::filesystem::path& file);

// Removes the key's line; nothing happens when there is no such key.
[[nodiscard]] Status DeleteProfileKey(std::string_view section, std::string_view key,
                                      const std::filesystem::path& file);

// Removes the section header and every line up to the next section.
[[nodiscard]] Status DeleteProfileSection(std::string_view section,
                                          const std::filesystem::path& file);

} // namespace platform
