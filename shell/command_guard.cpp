#include "shell/command_guard.h"

namespace shell {

GuardVerdict CheckCommand(GuardNeed need, bool hasFolder, bool hasSelection) {
    if (need == GuardNeed::Nothing) {
        return GuardVerdict::Run;
    }
    if (!hasFolder) {
        return GuardVerdict::NoFolder;
    }
    if (need == GuardNeed::FolderAndSelection && !hasSelection) {
        return GuardVerdict::NoSelection;
    }
    return GuardVerdict::Run;
}

std::string_view GuardMessage(GuardVerdict verdict) {
    switch (verdict) {
    case GuardVerdict::NoFolder:
        return "対象フォルダを指定してください";
    case GuardVerdict::NoSelection:
        return "対象ファイルを選択してください";
    case GuardVerdict::Run:
        break;
    }
    return "";
}

bool PassGuard(GuardNeed need, bool hasFolder, bool hasSelection, GuardPrompt& prompt) {
    const GuardVerdict verdict = CheckCommand(need, hasFolder, hasSelection);
    if (verdict != GuardVerdict::Run) {
        prompt.Show(std::string(GuardMessage(verdict)));
        return false;
    }
    return true;
}

} // namespace shell
