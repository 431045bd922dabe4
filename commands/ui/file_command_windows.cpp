#include "commands/ui/file_command_windows.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace commands {

QWidget* MessageOwner(QWidget* fallback) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : fallback;
}

void FileMessageBox::Tell(const std::string& message) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("LumaroUty"),
                    QString::fromStdString(message), QMessageBox::Ok, MessageOwner(parent_));
    box.exec();
}

platform::OverwriteAnswer
OverwriteQuestionBox::AskOverwrite(const std::filesystem::path& source,
                                   const std::filesystem::path& destination) {
    const QString text =
        QStringLiteral("次のファイルはすでにあります。\n%1\n\nこのファイルで置き換えますか？\n%2")
            .arg(PathText(destination), PathText(source));
    QMessageBox box(QMessageBox::Question, QStringLiteral("LumaroUty"), text,
                    QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No |
                        QMessageBox::Cancel,
                    MessageOwner(parent_));
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
    box.button(QMessageBox::YesToAll)->setText(QStringLiteral("すべてはい(&A)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("キャンセル"));
    box.setDefaultButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return platform::OverwriteAnswer::Yes;
    case QMessageBox::YesToAll:
        return platform::OverwriteAnswer::YesToAll;
    case QMessageBox::No:
        return platform::OverwriteAnswer::No;
    default:
        return platform::OverwriteAnswer::Cancel;
    }
}

std::optional<QString> BrowseForFolder(QWidget* parent, const QString& prompt,
                                       const QString& start) {
    QFileDialog browser(parent, prompt, start);
    browser.setObjectName(QStringLiteral("FolderBrowser"));
    browser.setFileMode(QFileDialog::Directory);
    browser.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (browser.exec() != QDialog::Accepted || browser.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(browser.selectedFiles().front());
}

QString PathText(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

std::filesystem::path TextPath(const QString& text) {
    return std::filesystem::path(QFile::encodeName(text).toStdString());
}

} // namespace commands
