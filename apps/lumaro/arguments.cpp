#include "apps/lumaro/arguments.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

namespace lumaro {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRecursive = "-r";
constexpr std::string_view kNulSeparated = "-0";
constexpr std::string_view kFilesFrom = "--files-from";

ArgumentRules WithFileOptions(ArgumentRules rules) {
    if (rules.takesFiles) {
        rules.flags.insert({kRecursive, kNulSeparated});
        rules.valued.insert(kFilesFrom);
    }
    return rules;
}

bool IsOption(const std::string& arg) {
    return arg.size() > 1 && arg.front() == '-';
}

// The photos the main window lists: ".JPG" and ".TIF" without regard to case.
bool IsPhotoName(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension == ".JPG" || extension == ".TIF";
}

std::vector<fs::path> PhotosUnder(const fs::path& folder, std::ostream& err, bool& skipped) {
    std::vector<fs::path> photos;
    std::error_code error;
    const auto options = fs::directory_options::skip_permission_denied;
    for (fs::recursive_directory_iterator it(folder, options, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code ignored;
        if (it->is_regular_file(ignored) && IsPhotoName(it->path())) {
            photos.push_back(it->path());
        }
    }
    if (error) {
        TellFile(err, folder, "cannot read the folder: " + error.message());
        skipped = true;
    }
    std::sort(photos.begin(), photos.end());
    return photos;
}

void Gather(fs::path name, bool recursive, GatheredFiles& gathered, std::ostream& err) {
    std::error_code error;
    const fs::file_status status = fs::status(name, error);
    if (fs::is_directory(status)) {
        if (!recursive) {
            TellFile(err, name, "a folder, not a file (-r takes the photos in it)");
            gathered.skipped = true;
            return;
        }
        const auto photos = PhotosUnder(name, err, gathered.skipped);
        gathered.files.insert(gathered.files.end(), photos.begin(), photos.end());
    } else if (!fs::exists(status)) {
        TellFile(err, name, error && error != std::errc::no_such_file_or_directory
                                ? error.message()
                                : "no such file");
        gathered.skipped = true;
    } else {
        gathered.files.push_back(std::move(name));
    }
}

std::optional<std::vector<std::string>> ReadList(const std::string& list, char separator,
                                                 std::ostream& err) {
    std::ifstream file;
    std::istream* in = &std::cin;
    if (list != "-") {
        file.open(list, std::ios::binary);
        if (!file) {
            err << "lumaro: cannot read the file list " << list << ": " << std::strerror(errno)
                << '\n';
            return std::nullopt;
        }
        in = &file;
    }
    std::vector<std::string> names;
    for (std::string name; std::getline(*in, name, separator);) {
        if (!name.empty()) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

} // namespace

bool Arguments::Has(std::string_view flag) const {
    return flags.contains(std::string(flag));
}

std::optional<std::string> Arguments::Value(const std::string& name) const {
    const auto found = values.find(name);
    return found == values.end() ? std::nullopt : std::optional(found->second);
}

std::optional<Arguments> ParseArguments(std::string_view command,
                                        std::span<const std::string> args,
                                        const ArgumentRules& commandRules, std::ostream& err) {
    const ArgumentRules rules = WithFileOptions(commandRules);
    Arguments parsed;
    bool options = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!options || !IsOption(arg)) {
            parsed.operands.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (arg == "--") {
            options = false;
        } else if (rules.flags.contains(arg)) {
            parsed.flags.insert(arg);
        } else if (rules.valued.contains(name) && equals != std::string::npos) {
            parsed.values[name] = arg.substr(equals + 1);
        } else if (rules.valued.contains(name) && i + 1 < args.size()) {
            parsed.values[name] = args[++i];
        } else {
            err << "lumaro " << command << ": "
                << (rules.valued.contains(name) ? "no value for " : "unknown option ") << arg
                << '\n';
            return std::nullopt;
        }
    }
    return parsed;
}

bool NamesNoFile(const Arguments& arguments, std::span<const std::string> operands) {
    return operands.empty() && !arguments.Value(std::string(kFilesFrom));
}

std::optional<GatheredFiles> GatherFiles(const Arguments& arguments,
                                         std::span<const std::string> operands,
                                         std::ostream& err) {
    std::vector<std::string> names(operands.begin(), operands.end());
    if (const auto list = arguments.Value(std::string(kFilesFrom))) {
        auto listed = ReadList(*list, arguments.Has(kNulSeparated) ? '\0' : '\n', err);
        if (!listed) {
            return std::nullopt;
        }
        names.insert(names.end(), std::make_move_iterator(listed->begin()),
                     std::make_move_iterator(listed->end()));
    }
    GatheredFiles gathered;
    gathered.files.reserve(names.size());
    const bool recursive = arguments.Has(kRecursive);
    for (std::string& name : names) {
        Gather(std::move(name), recursive, gathered, err);
    }
    return gathered;
}

void TellFile(std::ostream& err, const std::filesystem::path& file, std::string_view reason) {
    err << "lumaro: " << file.string() << ": " << reason << '\n';
}

} // namespace lumaro
