#include "commands/output_folder.h"

namespace commands {
namespace {

namespace fs = std::filesystem;

// The folder shown in the question ends with a path delimiter.
std::string FolderText(const fs::path& folder) {
    std::string text = folder.string();
    if (!text.empty() && text.back() != '/') {
        text += '/';
    }
    return text;
}

} // namespace

bool OutputFolderReady(const OutputChoice& output, EditPrompt& prompt) {
    if (!output.copyToFolder) {
        return true;
    }
    if (output.folder.empty()) {
        prompt.Tell("コピー先フォルダを指定してください");
        return false;
    }
    std::error_code error;
    if (fs::is_directory(output.folder, error)) {
        return true;
    }
    if (!prompt.Ask("フォルダ " + FolderText(output.folder) + " がありません。作成しますか？")) {
        return false;
    }
    fs::create_directories(output.folder, error);
    if (error || !fs::is_directory(output.folder, error)) {
        prompt.Warn("フォルダ " + FolderText(output.folder) + " を作成できません。\n" +
                    error.message());
        return false;
    }
    return true;
}

} // namespace commands
