#pragma once

// The about box, and the help command that opens the help document shipped beside the
// program with the desktop's viewer.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

namespace shell {

// The version the program was built as ("0.1").
[[nodiscard]] QString ProgramVersion();

// The about box: program name, version and copyright. Shown modally by ShowAboutBox.
[[nodiscard]] std::unique_ptr<QDialog> MakeAboutBox(QWidget* parent);
void ShowAboutBox(QWidget* parent);

// Where the help document may lie for a program in `programFolder`, in the order they are
// tried: help/ beside the program (the build tree), then the share folder of an installation.
[[nodiscard]] QStringList HelpDocumentCandidates(const QString& programFolder);

// What the help command needs from the desktop; the tests answer instead of it.
class HelpDesktop {
public:
    virtual ~HelpDesktop() = default;
    // Opens a document with the desktop's viewer; false when no viewer took it.
    [[nodiscard]] virtual bool OpenDocument(const QString& path) = 0;
    // A message box titled "LumaroUty" with one OK button.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
};

// Opens the first of the candidates that exists; a message when none does or it cannot be
// opened.
void OpenHelp(QWidget* parent, HelpDesktop& desktop, const QStringList& candidates);
// The same for the running program, with the desktop's viewer and message boxes.
void OpenHelp(QWidget* parent);

} // namespace shell

// The main window names these without the namespace.
using shell::OpenHelp;
using shell::ShowAboutBox;
