#include "commands/ui/folder_browser.h"

#include <QDir>
#include <QFileDialog>

namespace commands {

std::optional<QString> FolderBrowser::Execute(QWidget* parent, const QString& start) const {
    QFileDialog browser(parent, caption_, start);
    browser.setObjectName(QStringLiteral("SHBrowseForFolderEx1"));
    browser.setFileMode(QFileDialog::Directory);
    browser.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (browser.exec() != QDialog::Accepted || browser.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(browser.selectedFiles().front());
}

} // namespace commands
