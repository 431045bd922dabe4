#pragma once

// New file names for copied, moved and renamed photos: from the shooting date by a pattern
// (date name), from a prefix and a running number in the style of camera file names (sequence
// name), or unchanged. Running numbers continue past the highest number already in the
// destination folder and in the names the batch has handed out, so a batch never makes a name
// twice.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace exif {

// The naming settings, as the settings store keeps them. Texts are CP932.
struct NameTemplateSettings {
    std::string datePattern;   // one of DatePatternChoices()
    std::string dateSeparator; // written after the date
    std::string timePattern;   // one of TimePatternChoices()
    std::string timeSeparator; // written after the time
    int digits = 0;            // digits of the running number of date names, 0 for none
};

// The choices of the two pattern lists, CP932, in list order. The first time pattern,
// "時間なし", puts no time into the name.
[[nodiscard]] std::span<const std::string> DatePatternChoices();
[[nodiscard]] std::span<const std::string> TimePatternChoices();

// The shape all three naming operations share, so a caller holds the chosen one as a value.
// batchNames are the names the calling batch has handed out so far; the caller appends each
// result. prefix (CP932) serves sequence names only.
using NameMaker = std::filesystem::path (*)(const std::filesystem::path& source,
                                            const std::filesystem::path& folder,
                                            std::span<const std::filesystem::path> batchNames,
                                            std::string_view prefix,
                                            const NameTemplateSettings& settings);

// Date, separator, time, separator, running number, the source's extension; lower case. The
// date is the shooting date, else the file's last-write time. Throws platform::FileError when
// the source cannot be read.
[[nodiscard]] std::filesystem::path MakeDateName(const std::filesystem::path& source,
                                                 const std::filesystem::path& folder,
                                                 std::span<const std::filesystem::path> batchNames,
                                                 std::string_view prefix,
                                                 const NameTemplateSettings& settings);

// The date MakeDateName names the source by, "9999:99:99 99:99:99" when it has none. Throws
// platform::FileError when the source cannot be read.
[[nodiscard]] std::string NamingDate(const std::filesystem::path& source);

// MakeDateName for a source whose NamingDate is known.
[[nodiscard]] std::filesystem::path
MakeDateNameOn(std::string_view namingDate, const std::filesystem::path& source,
               const std::filesystem::path& folder,
               std::span<const std::filesystem::path> batchNames,
               const NameTemplateSettings& settings);

// The prefix and a running number filling 8 bytes together, then the source's extension;
// upper case. A prefix of 8 bytes or more gets the number without padding.
[[nodiscard]] std::filesystem::path
MakeSequenceName(const std::filesystem::path& source, const std::filesystem::path& folder,
                 std::span<const std::filesystem::path> batchNames, std::string_view prefix,
                 const NameTemplateSettings& settings);

// The source path, unchanged.
[[nodiscard]] std::filesystem::path KeepName(const std::filesystem::path& source,
                                             const std::filesystem::path& folder,
                                             std::span<const std::filesystem::path> batchNames,
                                             std::string_view prefix,
                                             const NameTemplateSettings& settings);

// The number with at least `digits` digits, zero-padded; in full when it needs more.
[[nodiscard]] std::string RunningNumber(std::int64_t number, int digits);

// The running number of a name that begins with a prefix of prefixLength bytes: the run of
// digits after the prefix when it is at least `digits` long (so a number that rolled over into
// one more digit still counts in full), else 0.
[[nodiscard]] std::int64_t NumberAfterPrefix(std::string_view name, std::size_t prefixLength,
                                             int digits);

// The highest running number among the files of the folder and the batch names that begin with
// the prefix (CP932; letters compared without case): the `digits` characters after the prefix,
// and any digits that follow them, read as a number; names where they are not all digits count
// as 0. 0 when nothing matches. Throws platform::FileError when the folder cannot be listed; a
// folder that does not exist holds nothing.
[[nodiscard]] std::int64_t HighestNumber(const std::filesystem::path& folder,
                                         std::string_view prefix,
                                         std::span<const std::filesystem::path> batchNames,
                                         int digits);

} // namespace exif
