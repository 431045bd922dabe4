#pragma once

// The folder browser of the EXIF dialogs (SHBrowseForFolderEx1): file-system folders only,
// opened on the folder in the edit box, with the dialog's own caption.

#include <QString>
#include <optional>

class QWidget;

namespace commands {

class FolderBrowser {
public:
    explicit FolderBrowser(QString caption) : caption_(std::move(caption)) {}

    [[nodiscard]] const QString& Caption() const { return caption_; }
    // The folder chosen; nothing when the browser was cancelled.
    [[nodiscard]] std::optional<QString> Execute(QWidget* parent, const QString& start) const;

private:
    QString caption_;
};

} // namespace commands
