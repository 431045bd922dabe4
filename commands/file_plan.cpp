#include "commands/file_plan.h"

#include "commands/batch_naming.h"
#include "platform/codepage.h"

#include <algorithm>
#include <stdexcept>

namespace commands {

std::vector<std::filesystem::path>
NewNames(std::span<const std::filesystem::path> sources,
         const std::function<std::filesystem::path(const std::filesystem::path&)>& folderOf,
         const NamingRequest& request) {
    BatchNamer namer(request);
    if (request.choice == NamingChoice::ShotDate) {
        namer.ReadNamingDates(sources);
    }
    std::vector<std::filesystem::path> names;
    for (const std::filesystem::path& source : sources) {
        names.push_back(namer.NameFor(source, folderOf(source)));
    }
    return names;
}

PlannedRow RowOf(const std::filesystem::path& source, std::string action, std::string oldValue,
                 std::string newValue) {
    return PlannedRow{platform::PathToCp932(source.filename()), std::move(action),
                      std::move(oldValue), std::move(newValue), true};
}

std::vector<PlannedFile> FillList(ConfirmationList& list, std::vector<PlannedFile> files) {
    // The list keeps its rows sorted by caption, equal captions in the order of adding.
    std::stable_sort(files.begin(), files.end(), [](const PlannedFile& a, const PlannedFile& b) {
        return a.row.fileName < b.row.fileName;
    });
    for (const PlannedFile& file : files) {
        list.AddRow(file.row);
    }
    return files;
}

std::vector<PlannedFile> TickedFiles(const ConfirmationList& list,
                                     const std::vector<PlannedFile>& files) {
    const std::vector<PlannedRow>& rows = list.Rows();
    if (rows.size() != files.size()) {
        throw std::logic_error("the confirmation list lost or gained rows");
    }
    std::vector<PlannedFile> ticked;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].checked) {
            ticked.push_back(files[i]);
        }
    }
    return ticked;
}

std::string Cp932Text(const char* utf8) {
    return platform::Utf8ToCp932(utf8);
}

} // namespace commands
