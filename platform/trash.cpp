#include "platform/trash.h"

#include "platform/file_transfer.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

namespace fs = std::filesystem;

Failure Refused(const fs::path& file, const std::string& reason) {
    return Failure{"cannot move " + file.string() + " to the trash: " + reason};
}

// The original path as the record's Path key wants it: every byte but the unreserved ones and
// the slashes written as %XX.
std::string EscapedPath(const std::string& path) {
    std::string escaped;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                           (byte >= '0' && byte <= '9') || std::strchr("-_.~/", c) != nullptr;
        if (plain && byte != 0) {
            escaped += c;
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", byte);
            escaped += hex;
        }
    }
    return escaped;
}

// The local time of now as "YYYY-MM-DDThh:mm:ss".
std::string DeletionDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

// The n-th name tried for a file: its own first, then "stem.2.ext", "stem.3.ext" ...
fs::path TrashName(const fs::path& name, unsigned n) {
    if (n == 1) {
        return name;
    }
    return name.stem().string() + "." + std::to_string(n) + name.extension().string();
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t put = ::write(fd, text.data() + done, text.size() - done);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

struct Claim {
    fs::path info;  // the record, written
    fs::path place; // where the file goes in files/
};

// Claims a name by creating its record exclusively, as the trash's rules require, so two
// programs deleting at once never take the same name.
Result<Claim> ClaimName(const fs::path& trash, const fs::path& original) {
    const std::string record = "[Trash Info]\nPath=" + EscapedPath(original.string()) +
                               "\nDeletionDate=" + DeletionDate() + "\n";
    for (unsigned n = 1; n < 10000; ++n) {
        const fs::path name = TrashName(original.filename(), n);
        const fs::path info = trash / "info" / (name.string() + ".trashinfo");
        const int fd = ::open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) {
            continue;
        }
        if (fd < 0) {
            return Refused(original, "cannot write " + info.string() + ": " + std::strerror(errno));
        }
        const bool written = WriteAll(fd, record);
        const int error = written ? 0 : errno;
        if (::close(fd) != 0 || !written) {
            ::unlink(info.c_str());
            return Refused(original, "cannot write " + info.string() + ": " +
                                         std::strerror(error != 0 ? error : errno));
        }
        struct stat existing {};
        if (::lstat((trash / "files" / name).c_str(), &existing) == 0) {
            ::unlink(info.c_str()); // a file left without its record: keep clear of it
            continue;
        }
        return Claim{info, trash / "files" / name};
    }
    return Refused(original, "the trash holds too many files of that name");
}

Result<fs::path> PreparedTrash(const fs::path& file) {
    Result<fs::path> trash = HomeTrashFolder();
    if (!trash) {
        return Refused(file, trash.Error());
    }
    std::error_code error;
    const bool fresh = !fs::exists(trash.Value(), error);
    fs::create_directories(trash.Value() / "files", error);
    if (!error) {
        fs::create_directories(trash.Value() / "info", error);
    }
    if (error) {
        return Refused(file, "cannot create " + trash.Value().string() + ": " + error.message());
    }
    if (fresh) {
        fs::permissions(trash.Value(), fs::perms::owner_all, fs::perm_options::replace, error);
    }
    return trash;
}

} // namespace

Result<fs::path> HomeTrashFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && fs::path(dataHome).is_absolute()) {
        return fs::path(dataHome) / "Trash";
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || !fs::path(home).is_absolute()) {
        return Failure{"no trash folder: neither XDG_DATA_HOME nor HOME names a folder"};
    }
    return fs::path(home) / ".local" / "share" / "Trash";
}

Result<fs::path> MoveToTrash(const fs::path& file) {
    std::error_code error;
    const fs::path original = fs::absolute(file, error).lexically_normal();
    const fs::file_status status = fs::symlink_status(original, error);
    if (!fs::exists(status)) {
        return Refused(file, "it does not exist");
    }
    if (fs::is_directory(status)) {
        return Refused(file, "it is a folder");
    }
    Result<fs::path> trash = PreparedTrash(original);
    if (!trash) {
        return Failure{trash.Error()};
    }
    Result<Claim> claim = ClaimName(trash.Value(), original);
    if (!claim) {
        return Failure{claim.Error()};
    }
    if (const TransferError moved = MoveFileSafely(original, claim.Value().place, Replace::Never)) {
        ::unlink(claim.Value().info.c_str());
        return Refused(file, moved.step + ": " + std::strerror(moved.code));
    }
    return claim.Value().place;
}

} // namespace platform
