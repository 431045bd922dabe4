#include "setup/work_folder.h"

#include "setup/file_primitives.h"
#include "setup/text_primitives.h"

namespace setup {
namespace {

std::string WorkFolderName(std::string_view temporaryFolder, int number) {
    return AddPathDelimiter(temporaryFolder, PathSide::Bottom) + "ZSTMP" + std::to_string(number) +
           "\\";
}

} // namespace

std::string ChooseWorkFolder(std::string_view temporaryFolder) {
    std::string folder;
    for (int number = 1; number <= kWorkFolderLimit; ++number) {
        folder = WorkFolderName(temporaryFolder, number);
        if (!FolderExists(folder)) {
            break;
        }
    }
    (void)ForceFolders(folder);
    return folder;
}

void RemoveWorkFolders(std::string_view temporaryFolder) {
    for (int number = 1; number <= kWorkFolderLimit; ++number) {
        const std::string folder = WorkFolderName(temporaryFolder, number);
        if (FolderExists(folder)) {
            (void)DeletePath(RemovePathDelimiter(folder, PathSide::Bottom));
        }
    }
}

} // namespace setup
