#pragma once

// New names for a whole batch of files, exactly as the name templates make them one by one
// (MakeDateName, MakeSequenceName, KeepName with the batch's name list), but with each
// destination folder listed once per batch instead of once per file: a folder of a thousand
// photos renamed by date would otherwise be read a thousand times.

#include "exif/name_templates.h"

#include <cstdint>
#include <exception>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace commands {

enum class NamingChoice;
struct NamingRequest;

class BatchNamer {
public:
    explicit BatchNamer(const NamingRequest& request);

    // Reads the naming dates of these sources ahead, on a few threads, for NameFor to take: a
    // batch of a thousand photos named by date waits mostly on opening and reading them.
    void ReadNamingDates(std::span<const std::filesystem::path> sources);

    // The new name (no folder) of a source going to the folder; a generated name joins the
    // batch. Throws platform::FileError when the source cannot be read or the folder listed.
    [[nodiscard]] std::filesystem::path NameFor(const std::filesystem::path& source,
                                                const std::filesystem::path& folder);

private:
    // A naming date read ahead, or why the source could not be read.
    struct ReadDate {
        std::string date;
        std::exception_ptr failure;
    };

    // Names (CP932) ordered by their letters folded to upper case, so the names that may begin
    // with a prefix lie together.
    using NameIndex = std::multimap<std::string, std::string>;

    [[nodiscard]] std::int64_t HighestNumber(const std::filesystem::path& folder,
                                             const std::string& prefix, int digits);
    [[nodiscard]] const NameIndex& FolderNames(const std::filesystem::path& folder);
    [[nodiscard]] std::string NamingDate(const std::filesystem::path& source);
    void Remember(const std::string& name);

    NamingChoice choice_;
    std::string prefix_;
    exif::NameTemplateSettings settings_;
    std::map<std::filesystem::path, NameIndex> folders_;
    NameIndex batch_;
    std::map<std::filesystem::path, ReadDate> readDates_;
};

} // namespace commands
