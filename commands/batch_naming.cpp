#include "commands/batch_naming.h"

#include "commands/file_plan.h"
#include "exif/cp932_case.h"
#include "platform/codepage.h"
#include "platform/file_error.h"
#include "platform/parallel_map.h"

#include <algorithm>

namespace commands {
namespace {

// Prefix and number fill the 8 bytes of a camera's file name.
constexpr int kSequenceNameBytes = 8;

// Single-byte letters in upper case, every other byte as it is: a key under which every name
// that begins with a prefix (compared as the file system compares names) sorts beside it.
std::string Folded(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return folded;
}

std::int64_t HighestIn(const std::multimap<std::string, std::string>& names,
                       const std::string& prefix, int digits) {
    const std::string key = Folded(prefix);
    std::int64_t highest = 0;
    for (auto it = names.lower_bound(key); it != names.end() && it->first.starts_with(key); ++it) {
        if (exif::Cp932StartsWithNoCase(it->second, prefix)) {
            highest = std::max(highest, exif::NumberAfterPrefix(it->second, prefix.size(), digits));
        }
    }
    return highest;
}

} // namespace

BatchNamer::BatchNamer(const NamingRequest& request)
    : choice_(request.choice), prefix_(request.prefix), settings_(request.settings) {}

const BatchNamer::NameIndex& BatchNamer::FolderNames(const std::filesystem::path& folder) {
    if (const auto known = folders_.find(folder); known != folders_.end()) {
        return known->second;
    }
    NameIndex names;
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error != std::errc::no_such_file_or_directory) {
        for (; !error && entries != std::filesystem::directory_iterator();
             entries.increment(error)) {
            std::error_code typeError;
            if (!entries->is_directory(typeError)) {
                std::string name = platform::PathToCp932(entries->path().filename());
                names.emplace(Folded(name), std::move(name));
            }
        }
        if (error) {
            throw platform::FileError("list the files of", folder, error.message());
        }
    }
    return folders_.emplace(folder, std::move(names)).first->second;
}

void BatchNamer::Remember(const std::string& name) {
    batch_.emplace(Folded(name), name);
}

std::int64_t BatchNamer::HighestNumber(const std::filesystem::path& folder,
                                       const std::string& prefix, int digits) {
    return std::max(HighestIn(FolderNames(folder), prefix, digits),
                    HighestIn(batch_, prefix, digits));
}

void BatchNamer::ReadNamingDates(std::span<const std::filesystem::path> sources) {
    std::vector<ReadDate> dates = platform::MapInParallel(sources.size(), [&](std::size_t i) {
        ReadDate read;
        try {
            read.date = exif::NamingDate(sources[i]);
        } catch (const platform::FileError&) {
            read.failure = std::current_exception();
        }
        return read;
    });
    for (std::size_t i = 0; i < sources.size(); ++i) {
        readDates_.insert_or_assign(sources[i], std::move(dates[i]));
    }
}

// The date read ahead, its failure rethrown when the source is named, as reading it then would.
std::string BatchNamer::NamingDate(const std::filesystem::path& source) {
    const auto found = readDates_.find(source);
    if (found == readDates_.end()) {
        return exif::NamingDate(source);
    }
    if (found->second.failure) {
        std::rethrow_exception(found->second.failure);
    }
    return found->second.date;
}

std::filesystem::path BatchNamer::NameFor(const std::filesystem::path& source,
                                          const std::filesystem::path& folder) {
    if (choice_ == NamingChoice::Keep) {
        return source.filename();
    }
    const std::string extension = platform::PathToCp932(source.extension());
    std::string name;
    if (choice_ == NamingChoice::Dcf) {
        const int digits =
            kSequenceNameBytes - static_cast<int>(std::min<std::size_t>(prefix_.size(), 8));
        name = exif::Cp932ToUpper(
            prefix_ + exif::RunningNumber(HighestNumber(folder, prefix_, digits) + 1, digits) +
            extension);
    } else {
        // The date part and separators as the template makes them without a number; the
        // number, when there is one, goes between them and the extension.
        exif::NameTemplateSettings unnumbered = settings_;
        unnumbered.digits = 0;
        name = platform::PathToCp932(
            exif::MakeDateNameOn(NamingDate(source), source, folder, {}, unnumbered));
        if (settings_.digits > 0) {
            const std::string base = name.substr(0, name.size() - extension.size());
            name = exif::Cp932ToLower(
                base +
                exif::RunningNumber(HighestNumber(folder, base, settings_.digits) + 1,
                                    settings_.digits) +
                extension);
        }
    }
    Remember(name);
    return platform::Cp932ToPath(name);
}

} // namespace commands
