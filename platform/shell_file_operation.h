#pragma once

// The shell's operation on many files at once: copy or move each source to its own destination
// name, delete to the trash, or delete for good. Like the shell, it asks its own question before
// a file is replaced (Yes, No, Yes to all, Cancel) and reports its progress; unlike a plain
// file copy it never replaces a file without that answer and never loses one: a failed copy
// leaves the source and any old destination as they were, and a move removes its source only
// once the copy is complete. Folders are left alone (files only).

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace platform {

enum class OverwriteAnswer {
    Yes,      // replace this file
    No,       // keep it; the source is not copied or moved
    YesToAll, // replace this one and every later one without asking
    Cancel,   // keep it and stop: no later file is handled
};

// How the operation reaches the user.
class FileOperationPort {
public:
    virtual ~FileOperationPort() = default;
    // Asked when the destination exists.
    [[nodiscard]] virtual OverwriteAnswer
    AskOverwrite(const std::filesystem::path& source, const std::filesystem::path& destination) = 0;
    // Called before each file; the destination is empty for a delete.
    virtual void Progress(const std::filesystem::path& source,
                          const std::filesystem::path& destination) = 0;
};

enum class FileOutcome {
    Done,      // copied, moved or deleted
    Kept,      // the destination exists and the answer was No; nothing changed
    Failed,    // an error, told in the message; the source is where it was
    Cancelled, // not handled because the user cancelled at this file or an earlier one
};

struct FileResult {
    FileOutcome outcome = FileOutcome::Done;
    std::string message; // what failed and to which file, for Failed
};

// One result per source, in the order given.
struct FileOperationReport {
    std::vector<FileResult> results;

    [[nodiscard]] std::size_t Count(FileOutcome outcome) const;
    // The messages of the failed files, one per line.
    [[nodiscard]] std::string Failures() const;
};

enum class TransferKind { Copy, Move };

// Copies or moves sources[i] to destinations[i]; missing destination folders are created.
// The two lists must be of one length (std::invalid_argument otherwise).
[[nodiscard]] FileOperationReport
ShellTransferFiles(TransferKind kind, std::span<const std::filesystem::path> sources,
                   std::span<const std::filesystem::path> destinations, FileOperationPort& port);

enum class DeleteKind {
    ToTrash,     // into the user's freedesktop trash, to be restored from there
    Permanently, // removed for good
};

[[nodiscard]] FileOperationReport ShellDeleteFiles(DeleteKind kind,
                                                   std::span<const std::filesystem::path> files,
                                                   FileOperationPort& port);

} // namespace platform
