#include "platform/patch_file.h"

#include "platform/file_write_lock.h"
#include "platform/writable_file.h"

#include <unistd.h>

namespace platform {
namespace {

// The file the path names once the lock on it is held (or, where the file system keeps no such
// locks, once it is open).
OpenedFile OpenLocked(const std::filesystem::path& path) {
    while (true) {
        OpenedFile opened = OpenWritable(path);
        if (LockOpenFile(opened.fd, path, opened.status) != LockOutcome::Replaced) {
            return opened;
        }
        ::close(opened.fd);
    }
}

} // namespace

PatchFile::PatchFile(const std::filesystem::path& path) : PatchFile(path, OpenLocked(path)) {}

PatchFile::PatchFile(const std::filesystem::path& path, const OpenedFile& opened)
    : InputFile(path, opened), lastWriteTime_(FromTimespec(opened.status.st_mtim)) {}

void PatchFile::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    WriteRange(Descriptor(), Path(), offset, bytes);
}

void PatchFile::SetLastWriteTime(FileTime time) {
    SetOpenFileTime(Descriptor(), Path(), time);
}

void PatchFile::Close() {
    CloseWritten(Release(), Path());
}

} // namespace platform
