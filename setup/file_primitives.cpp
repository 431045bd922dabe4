#include "setup/file_primitives.h"

#include "platform/codepage.h"
#include "platform/file_transfer.h"
#include "platform/shell_files.h"
#include "setup/host_paths.h"
#include "setup/register_server.h"
#include "setup/text_primitives.h"

#include <chrono>
#include <filesystem>

namespace setup {
namespace {

namespace fs = std::filesystem;
using platform::SystemError;

constexpr std::string_view kStagingSuffix = ".setup-part";

fs::file_status StatusOf(std::string_view path) {
    const auto host = HostPathOf(path);
    std::error_code error;
    return host ? fs::status(*host, error) : fs::file_status(fs::file_type::not_found);
}

// The host path of StagingPathOf, found from the target's without looking for the name again.
fs::path StagingBeside(const fs::path& target) {
    // Held first: g++ 12 takes "." + a temporary string for an overlapping copy.
    const std::string name = target.filename().string();
    return target.parent_path() / ("." + name + std::string(kStagingSuffix));
}

bool NamesServer(std::string_view path) {
    const std::string name = FileNamePart(path);
    return PosNoCase(".OCX", name) != 0 || PosNoCase(".DLL", name) != 0;
}

} // namespace

bool FolderExists(std::string_view path) {
    return fs::is_directory(StatusOf(RemovePathDelimiter(path, PathSide::Bottom)));
}

bool FileExists(std::string_view path) {
    return fs::is_regular_file(StatusOf(path));
}

SystemError CreateOneFolder(std::string_view path) {
    const auto host = HostPathOf(RemovePathDelimiter(path, PathSide::Bottom));
    if (!host) {
        return platform::kErrorPathNotFound;
    }
    std::error_code error;
    if (fs::exists(fs::symlink_status(*host, error))) {
        return platform::kErrorAlreadyExists;
    }
    if (!fs::is_directory(host->parent_path(), error)) {
        return platform::kErrorPathNotFound;
    }
    fs::create_directory(*host, error);
    return platform::SystemErrorFrom(error);
}

bool ForceFolders(std::string_view path) {
    const std::string full = AddPathDelimiter(path, PathSide::Bottom);
    bool lastCreated = true;
    for (std::size_t pos = 0; pos < full.size(); pos += platform::Cp932CharLength(full, pos)) {
        if (full[pos] != '\\' || pos == 0) {
            continue;
        }
        const std::string prefix = full.substr(0, pos);
        if (!FolderExists(prefix)) {
            lastCreated = CreateOneFolder(prefix) == platform::kErrorSuccess;
        }
    }
    return lastCreated;
}

SystemError RemoveFolder(std::string_view path) {
    const auto host = HostPathOf(RemovePathDelimiter(path, PathSide::Bottom));
    if (!host) {
        return platform::kErrorPathNotFound;
    }
    std::error_code error;
    if (!fs::is_directory(*host, error)) {
        return fs::exists(*host, error) ? platform::kErrorDirectory : platform::kErrorFileNotFound;
    }
    fs::remove(*host, error);
    return platform::SystemErrorFrom(error);
}

SystemError CopyOneFile(std::string_view source, std::string_view target) {
    const auto from = HostPathOf(source);
    const auto to = HostPathOf(target);
    if (!from || !to) {
        return platform::kErrorPathNotFound;
    }
    const fs::path staging = StagingBeside(*to);
    std::error_code error;
    if (!fs::is_directory(to->parent_path(), error)) {
        return platform::kErrorPathNotFound;
    }
    if (fs::is_directory(fs::symlink_status(*to, error))) {
        return platform::kErrorAccessDenied;
    }
    const platform::TransferError copied = platform::CopyFileStaged(*from, *to, staging);
    return copied ? platform::SystemErrorFromErrno(copied.code) : platform::kErrorSuccess;
}

SystemError WriteWholeFile(std::string_view path, std::string_view bytes) {
    const auto host = HostPathOf(path);
    if (!host) {
        return platform::kErrorPathNotFound;
    }
    const platform::TransferError written =
        platform::WriteFileStaged(bytes, *host, StagingBeside(*host));
    return written ? platform::SystemErrorFromErrno(written.code) : platform::kErrorSuccess;
}

bool IsPlainFile(std::string_view path) {
    const auto host = HostPathOf(path);
    std::error_code error;
    return host && fs::is_regular_file(fs::symlink_status(*host, error));
}

std::optional<FileRecord> RecordOf(std::string_view path) {
    const auto host = HostPathOf(path);
    std::error_code error;
    if (!host || !fs::is_regular_file(fs::symlink_status(*host, error))) {
        return std::nullopt;
    }
    const std::uintmax_t size = fs::file_size(*host, error);
    if (error) {
        return std::nullopt;
    }
    const fs::file_time_type time = fs::last_write_time(*host, error);
    if (error) {
        return std::nullopt;
    }
    using Ticks = std::chrono::duration<std::int64_t, std::ratio<1, 10'000'000>>;
    return FileRecord{static_cast<std::uint64_t>(size),
                      std::chrono::floor<Ticks>(time.time_since_epoch()).count()};
}

SystemError DeletePath(std::string_view path) {
    const bool wildcard = FindByte(path, '*') != std::string_view::npos ||
                          FindByte(path, '?') != std::string_view::npos;
    const auto host = HostPathOf(path);
    std::error_code error;
    const fs::file_status status =
        host ? fs::symlink_status(*host, error) : fs::file_status(fs::file_type::not_found);
    if (!wildcard && !fs::exists(status)) {
        return platform::kErrorFileNotFound;
    }
    // A link goes as a link: what it points to is not loaded, let alone unregistered.
    if (NamesServer(path) && !fs::is_symlink(status)) {
        (void)RegisterServer(path, platform::ServerCall::Unregister, nullptr);
    }
    if (!host) {
        return platform::kErrorPathNotFound;
    }
    return platform::DeletePathWithWildcards(*host);
}

SystemError DeleteFolderPatterns(std::string_view folder, std::string_view patterns) {
    const std::string base = AddPathDelimiter(folder, PathSide::Bottom);
    while (!patterns.empty()) {
        const std::size_t end = FindByte(patterns, '|');
        const std::string_view pattern = patterns.substr(0, end);
        if (!pattern.empty()) {
            (void)DeletePath(base + std::string(pattern));
        }
        patterns = end == std::string_view::npos ? std::string_view() : patterns.substr(end + 1);
    }
    return RemoveFolder(base);
}

std::optional<std::uint64_t> FileSize(std::string_view path) {
    const auto host = HostPathOf(path);
    if (!host) {
        return std::nullopt;
    }
    std::error_code error;
    const std::uintmax_t size = fs::file_size(*host, error);
    if (error) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(size);
}

std::optional<int> CompareFileTimes(std::string_view a, std::string_view b) {
    const auto first = HostPathOf(a);
    const auto second = HostPathOf(b);
    if (!first || !second) {
        return std::nullopt;
    }
    platform::Result<int> order = platform::CompareFileDates(*first, *second);
    if (!order) {
        return std::nullopt;
    }
    return order.Value();
}

} // namespace setup
