#include "platform/shell_file_operation.h"

#include "platform/file_transfer.h"
#include "platform/trash.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

namespace fs = std::filesystem;

constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

const char* Verb(TransferKind kind) {
    return kind == TransferKind::Copy ? "copy" : "move";
}

FileResult Failed(std::string message) {
    return FileResult{FileOutcome::Failed, std::move(message)};
}

std::string Describe(TransferKind kind, const fs::path& source, const fs::path& destination) {
    return std::string("cannot ") + Verb(kind) + " " + source.string() + " to " +
           destination.string();
}

// Why the pair cannot be handled at all, or "" when it can; creates a missing destination folder.
std::string PrepareTransfer(const fs::path& source, const fs::path& destination) {
    struct stat from {};
    if (::lstat(source.c_str(), &from) != 0) {
        return std::strerror(errno);
    }
    if (S_ISDIR(from.st_mode)) {
        return "it is a folder";
    }
    struct stat to {};
    if (::stat(destination.c_str(), &to) == 0) {
        if (to.st_dev == from.st_dev && to.st_ino == from.st_ino) {
            return "it is the same file";
        }
        if (S_ISDIR(to.st_mode)) {
            return "a folder of that name is there";
        }
    }
    std::error_code error;
    if (destination.has_parent_path()) {
        fs::create_directories(destination.parent_path(), error);
    }
    return error ? "cannot create the folder: " + error.message() : "";
}

TransferError Transfer(TransferKind kind, const fs::path& source, const fs::path& destination,
                       Replace replace) {
    return kind == TransferKind::Copy ? CopyFileSafely(source, destination, replace)
                                      : MoveFileSafely(source, destination, replace);
}

FileResult FromError(TransferKind kind, const fs::path& source, const fs::path& destination,
                     const TransferError& error) {
    if (!error) {
        return {};
    }
    return Failed(Describe(kind, source, destination) + ": " + std::strerror(error.code) + " (" +
                  error.step + ")");
}

class Transfers {
public:
    Transfers(TransferKind kind, FileOperationPort& port) : kind_(kind), port_(port) {}

    // One pair; sets cancelled_ when the user stops the operation here.
    FileResult One(const fs::path& source, const fs::path& destination) {
        if (const std::string obstacle = PrepareTransfer(source, destination); !obstacle.empty()) {
            return Failed(Describe(kind_, source, destination) + ": " + obstacle);
        }
        const TransferError first = Transfer(kind_, source, destination, Replace::Never);
        if (first.code != EEXIST) {
            return FromError(kind_, source, destination, first);
        }
        if (!replaceAll_) {
            switch (port_.AskOverwrite(source, destination)) {
            case OverwriteAnswer::No:
                return FileResult{FileOutcome::Kept, {}};
            case OverwriteAnswer::Cancel:
                cancelled_ = true;
                return FileResult{FileOutcome::Cancelled, {}};
            case OverwriteAnswer::YesToAll:
                replaceAll_ = true;
                break;
            case OverwriteAnswer::Yes:
                break;
            }
        }
        struct stat existing {};
        if (::stat(destination.c_str(), &existing) == 0 && (existing.st_mode & kWriteBits) == 0) {
            return Failed(Describe(kind_, source, destination) + ": the destination is read-only");
        }
        return FromError(kind_, source, destination,
                         Transfer(kind_, source, destination, Replace::Allowed));
    }

    [[nodiscard]] bool Cancelled() const { return cancelled_; }

private:
    TransferKind kind_;
    FileOperationPort& port_;
    bool replaceAll_ = false;
    bool cancelled_ = false;
};

FileResult DeleteOne(DeleteKind kind, const fs::path& file) {
    struct stat status {};
    if (::lstat(file.c_str(), &status) != 0) {
        return Failed("cannot delete " + file.string() + ": " + std::strerror(errno));
    }
    if (S_ISDIR(status.st_mode)) {
        return Failed("cannot delete " + file.string() + ": it is a folder");
    }
    if (kind == DeleteKind::ToTrash) {
        const Result<fs::path> trashed = MoveToTrash(file);
        return trashed ? FileResult{} : Failed(trashed.Error());
    }
    if (::unlink(file.c_str()) != 0) {
        return Failed("cannot delete " + file.string() + ": " + std::strerror(errno));
    }
    return {};
}

} // namespace

std::size_t FileOperationReport::Count(FileOutcome outcome) const {
    return static_cast<std::size_t>(
        std::count_if(results.begin(), results.end(),
                      [outcome](const FileResult& result) { return result.outcome == outcome; }));
}

std::string FileOperationReport::Failures() const {
    std::string lines;
    for (const FileResult& result : results) {
        if (result.outcome == FileOutcome::Failed) {
            lines += result.message + "\n";
        }
    }
    return lines;
}

FileOperationReport ShellTransferFiles(TransferKind kind, std::span<const fs::path> sources,
                                       std::span<const fs::path> destinations,
                                       FileOperationPort& port) {
    if (sources.size() != destinations.size()) {
        throw std::invalid_argument("one destination per source is needed");
    }
    FileOperationReport report;
    report.results.assign(sources.size(), FileResult{FileOutcome::Cancelled, {}});
    Transfers transfers(kind, port);
    for (std::size_t i = 0; i < sources.size() && !transfers.Cancelled(); ++i) {
        port.Progress(sources[i], destinations[i]);
        report.results[i] = transfers.One(sources[i], destinations[i]);
    }
    return report;
}

FileOperationReport ShellDeleteFiles(DeleteKind kind, std::span<const fs::path> files,
                                     FileOperationPort& port) {
    FileOperationReport report;
    for (const fs::path& file : files) {
        port.Progress(file, {});
        report.results.push_back(DeleteOne(kind, file));
    }
    return report;
}

} // namespace platform
