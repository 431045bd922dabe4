#include "platform/shell_files.h"

#include "platform/codepage.h"
#include "platform/text_case.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace platform {
namespace {

namespace fs = std::filesystem;

constexpr fs::perms kWritePermissions =
    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

// The text cut into its characters, each one or two bytes, ASCII letters in upper case.
std::vector<std::string> Characters(std::string_view text) {
    const std::string folded = UpperAscii(text);
    std::vector<std::string> characters;
    for (std::size_t pos = 0; pos < folded.size();) {
        const std::size_t length = Cp932CharLength(folded, pos);
        characters.push_back(folded.substr(pos, length));
        pos += length;
    }
    return characters;
}

// Glob matching that remembers the last "*" and lets it take one more character on a mismatch.
bool Matches(const std::vector<std::string>& pattern, const std::vector<std::string>& name) {
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t star = pattern.size();
    std::size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == "*") {
            star = p++;
            starName = n;
        } else if (p < pattern.size() && (pattern[p] == "?" || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (star != pattern.size()) {
            p = star + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == "*") {
        ++p;
    }
    return p == pattern.size();
}

bool HasWildcard(std::string_view name) {
    return name.find_first_of("*?") != std::string_view::npos;
}

SystemError RemoveTree(const fs::path& path) {
    std::error_code error;
    fs::remove_all(path, error);
    return SystemErrorFrom(error);
}

SystemError DeleteMatches(const fs::path& folder, std::string_view pattern) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        return kErrorPathNotFound;
    }
    std::vector<fs::path> matches;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (MatchesWildcard(pattern, PathToCp932(it->path().filename()))) {
            matches.push_back(it->path());
        }
    }
    if (error) {
        return SystemErrorFrom(error);
    }
    SystemError first = kErrorSuccess;
    for (const fs::path& match : matches) {
        const SystemError result = RemoveTree(match);
        if (first == kErrorSuccess) {
            first = result;
        }
    }
    return first;
}

// A last-write time in the platform's 100-nanosecond steps.
Result<std::int64_t> DateTicks(const fs::path& path) {
    std::error_code error;
    const fs::file_time_type time = fs::last_write_time(path, error);
    if (error) {
        return Failure{"cannot read the date of " + path.string() + ": " + error.message()};
    }
    using Ticks = std::chrono::duration<std::int64_t, std::ratio<1, 10'000'000>>;
    return std::chrono::floor<Ticks>(time.time_since_epoch()).count();
}

} // namespace

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
    const std::vector<std::string> nameCharacters = Characters(name);
    if (Matches(Characters(pattern), nameCharacters)) {
        return true;
    }
    const bool nameHasDot =
        std::find(nameCharacters.begin(), nameCharacters.end(), ".") != nameCharacters.end();
    return pattern.ends_with(".*") && !nameHasDot &&
           Matches(Characters(pattern.substr(0, pattern.size() - 2)), nameCharacters);
}

SystemError DeletePathWithWildcards(const fs::path& path) {
    const std::string name = PathToCp932(path.filename());
    if (HasWildcard(name)) {
        return DeleteMatches(path.parent_path(), name);
    }
    std::error_code error;
    if (!fs::exists(fs::symlink_status(path, error))) {
        return fs::is_directory(path.parent_path(), error) ? kErrorFileNotFound
                                                           : kErrorPathNotFound;
    }
    return RemoveTree(path);
}

SystemError CopyFileOver(const fs::path& source, const fs::path& target) {
    std::error_code error;
    const fs::file_status from = fs::status(source, error);
    if (!fs::exists(from)) {
        return kErrorFileNotFound;
    }
    const fs::file_status to = fs::status(target, error);
    if (fs::is_directory(from) || fs::is_directory(to) ||
        (fs::exists(to) && (to.permissions() & kWritePermissions) == fs::perms::none)) {
        return kErrorAccessDenied;
    }
    if (!fs::is_directory(target.parent_path(), error)) {
        return kErrorPathNotFound;
    }
    fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
    if (error) {
        return SystemErrorFrom(error);
    }
    fs::last_write_time(target, fs::last_write_time(source, error), error);
    if (!error) {
        fs::permissions(target, from.permissions(), fs::perm_options::replace, error);
    }
    return SystemErrorFrom(error);
}

SystemError SetFileReadOnly(const fs::path& path, bool readOnly) {
    std::error_code error;
    if (readOnly) {
        fs::permissions(path, kWritePermissions, fs::perm_options::remove, error);
    } else {
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, error);
    }
    return SystemErrorFrom(error);
}

Result<bool> IsFileReadOnly(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error) {
        return Failure{"cannot read the attributes of " + path.string() + ": " + error.message()};
    }
    return (status.permissions() & kWritePermissions) == fs::perms::none;
}

Result<int> CompareFileDates(const fs::path& a, const fs::path& b) {
    Result<std::int64_t> first = DateTicks(a);
    if (!first) {
        return Failure{first.Error()};
    }
    Result<std::int64_t> second = DateTicks(b);
    if (!second) {
        return Failure{second.Error()};
    }
    return first.Value() < second.Value() ? -1 : first.Value() > second.Value() ? 1 : 0;
}

} // namespace platform
