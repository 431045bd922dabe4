#include "setup/compressed_file.h"

#include "platform/codepage.h"
#include "platform/lz_expand.h"
#include "setup/file_primitives.h"
#include "setup/host_paths.h"
#include "setup/text_primitives.h"

#include <filesystem>

namespace setup {
namespace {

constexpr std::string_view kTemporaryName = "EXPAND.ZST";

platform::Failure CannotMap(std::string_view path) {
    return {"cannot expand " + platform::Cp932ToUtf8(path) + ": it names no drive of this machine"};
}

} // namespace

bool IsCompressedName(std::string_view path) {
    return !path.empty() && FindLastByte(path, '_') == path.size() - 1;
}

platform::Result<ExpandedFile> ExpandLzFile(std::string_view source, std::string_view target,
                                            std::string_view temporaryFolder) {
    ExpandedFile expanded{std::string(temporaryFolder) + std::string(kTemporaryName),
                          std::string(target)};
    const auto sourceHost = HostPathOf(source);
    if (!sourceHost) {
        return CannotMap(source);
    }
    if (FileNamePart(target) == kAutoExtensionName) {
        platform::Result<std::string> stored = platform::ExpandedFileName(*sourceHost);
        if (!stored) {
            return platform::Failure{stored.Error()};
        }
        expanded.target = FolderPart(target) + UpperCp932(stored.Value());
    }
    if (FileExists(expanded.temporary)) {
        (void)DeletePath(expanded.temporary);
    }
    const auto temporaryHost = HostPathOf(expanded.temporary);
    if (!temporaryHost) {
        return CannotMap(expanded.temporary);
    }
    if (platform::Status copied = platform::LzCopy(*sourceHost, *temporaryHost); !copied) {
        return platform::Failure{copied.Error()};
    }
    std::error_code error;
    const auto sourceTime = std::filesystem::last_write_time(*sourceHost, error);
    if (!error) {
        std::filesystem::last_write_time(*temporaryHost, sourceTime, error);
    }
    if (error) {
        return platform::Failure{"cannot set the date of " + temporaryHost->string() + ": " +
                                 error.message()};
    }
    return expanded;
}

} // namespace setup
