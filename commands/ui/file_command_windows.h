#pragma once

// The file commands' questions and messages as the program shows them: message boxes with the
// caption "LumaroUty" owned by the dialog in front, the shell's overwrite question with its
// four answers, and the folder picker.

#include "commands/file_command_ports.h"

#include <QString>
#include <optional>

class QWidget;

namespace commands {

// The window that owns a message box: the modal dialog in front, else the given window.
[[nodiscard]] QWidget* MessageOwner(QWidget* fallback);

class FileMessageBox : public FileMessagePort {
public:
    explicit FileMessageBox(QWidget* parent) : parent_(parent) {}
    void Tell(const std::string& message) override;

private:
    QWidget* parent_;
};

class OverwriteQuestionBox : public OverwriteQuestion {
public:
    explicit OverwriteQuestionBox(QWidget* parent) : parent_(parent) {}
    [[nodiscard]] platform::OverwriteAnswer
    AskOverwrite(const std::filesystem::path& source,
                 const std::filesystem::path& destination) override;

private:
    QWidget* parent_;
};

// The folder picker: file-system folders only, opened on `start`, with the prompt as its
// caption. Nothing when it was cancelled.
[[nodiscard]] std::optional<QString> BrowseForFolder(QWidget* parent, const QString& prompt,
                                                     const QString& start);

// A path as the edit boxes show it, and back.
[[nodiscard]] QString PathText(const std::filesystem::path& path);
[[nodiscard]] std::filesystem::path TextPath(const QString& text);

} // namespace commands
