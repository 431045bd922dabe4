#include "platform/shell_link.h"

#include "platform/codepage.h"
#include "platform/drives.h"
#include "platform/pif_file.h"
#include "platform/shell_link_format.h"
#include "platform/text_case.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>

namespace platform {
namespace {

namespace fs = std::filesystem;

// Seconds from 1601-01-01, where the platform counts file times from, to 1970-01-01.
constexpr std::int64_t kSecondsFrom1601To1970 = 11'644'473'600;

LinkTargetFacts TargetFacts(std::string_view target) {
    LinkTargetFacts facts;
    Result<fs::path> host = HostPath(target);
    std::error_code error;
    const fs::file_status status = host ? fs::status(host.Value(), error) : fs::file_status();
    if (!host || !fs::exists(status)) {
        return facts;
    }
    const bool folder = fs::is_directory(status);
    facts.attributes = folder ? kFileAttributeDirectory : kFileAttributeArchive;
    constexpr auto kWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((status.permissions() & kWrite) == fs::perms::none) {
        facts.attributes |= kFileAttributeReadOnly;
    }
    if (!folder) {
        facts.size = static_cast<std::uint32_t>(fs::file_size(host.Value(), error));
    }
    const fs::file_time_type written = fs::last_write_time(host.Value(), error);
    if (!error) {
        using Ticks = std::chrono::duration<std::int64_t, std::ratio<1, 10'000'000>>;
        const auto sinceUnixEpoch =
            std::chrono::floor<Ticks>(std::chrono::file_clock::to_sys(written).time_since_epoch());
        const std::int64_t ticks =
            sinceUnixEpoch.count() + kSecondsFrom1601To1970 * Ticks::period::den;
        facts.writeTime = ticks > 0 ? static_cast<std::uint64_t>(ticks) : 0;
    }
    return facts;
}

Status WriteBytes(const std::string& bytes, const fs::path& file) {
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    if (stream) {
        stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        stream.close();
    }
    if (!stream) {
        return Failure{"cannot write " + file.string() + ": " + std::strerror(errno)};
    }
    return {};
}

} // namespace

bool IsDosProgram(std::string_view target) {
    const std::string upper = UpperAscii(target);
    return upper.ends_with(".COM") || upper.ends_with(".BAT");
}

Result<fs::path> SaveShellLink(const ShellLink& link, const fs::path& linkFile) {
    if (IsDosProgram(link.target)) {
        fs::path pifFile = linkFile;
        pifFile.replace_extension(".pif");
        Result<std::string> bytes = EncodePif(link, PathToCp932(linkFile.stem()));
        if (!bytes) {
            return Failure{bytes.Error()};
        }
        if (Status written = WriteBytes(bytes.Value(), pifFile); !written) {
            return Failure{written.Error()};
        }
        return pifFile;
    }
    Result<std::string> bytes = EncodeShellLink(link, TargetFacts(link.target));
    if (!bytes) {
        return Failure{bytes.Error()};
    }
    if (Status written = WriteBytes(bytes.Value(), linkFile); !written) {
        return Failure{written.Error()};
    }
    return linkFile;
}

Result<ShellLink> LoadShellLink(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        return Failure{"cannot read " + file.string() + ": " + std::strerror(errno)};
    }
    const std::string bytes{std::istreambuf_iterator<char>(stream),
                            std::istreambuf_iterator<char>()};
    Result<ShellLink> link = LooksLikeShellLink(bytes) ? DecodeShellLink(bytes)
                             : LooksLikePif(bytes)
                                 ? DecodePif(bytes)
                                 : Result<ShellLink>(Failure{"neither a shell link nor a program "
                                                             "information file"});
    if (!link) {
        return Failure{"cannot read " + file.string() + ": " + link.Error()};
    }
    return link;
}

} // namespace platform
