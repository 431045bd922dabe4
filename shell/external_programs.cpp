#include "shell/external_programs.h"

namespace shell {

std::vector<ExternalProgramItem> ExternalProgramItems(const ExecTable& table) {
    std::vector<ExternalProgramItem> items;
    for (int index = 0; index < kExecEntryCount; ++index) {
        const std::string& title = table[static_cast<std::size_t>(index)].title;
        if (!title.empty()) {
            const char letter = static_cast<char>('A' + index);
            items.push_back({letter, std::string("&") + letter + " " + title});
        }
    }
    return items;
}

} // namespace shell
