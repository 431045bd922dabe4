#pragma once

// How the installer reaches the user. The engine never opens a window: message boxes and
// questions, the status window, the main window's report page and the shared-file dialog are
// these interfaces. The windows, the unattended console run and tests implement them. All texts
// are CP932; "\r" separates lines.

#include <string>

namespace setup {

enum class MessageIcon { Information, Question, Exclamation, Stop };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

// What a question is about, so that an unattended run can answer each kind soundly.
enum class QuestionTopic {
    General,
    DiskChange, // asked again until the file of the next disk is there
    DeleteFile, // deleting a file other programs may still use; "keep" is the safe answer
};

struct MessageBox {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    QuestionTopic topic = QuestionTopic::General;
};

class MessagePort {
public:
    virtual ~MessagePort() = default;
    // Shows the box and returns the button pressed (Ok for a box with only OK).
    [[nodiscard]] virtual Answer Show(const MessageBox& box) = 0;
};

// The status window: a message, a progress frame, and the abort button whose use disables the
// main window; the engine checks that after each step.
class StatusPort {
public:
    virtual ~StatusPort() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // Sets the message and lets the window repaint.
    virtual void SetMessage(const std::string& message) = 0;
    virtual void ShowProgressFrame(bool visible) = 0;
    // Position 0 to 100 and the text beside the bar ("40%(2/5)").
    virtual void SetProgress(int position, const std::string& text) = 0;
    virtual void EnableAbort(bool enabled) = 0;
    [[nodiscard]] virtual bool AbortRequested() = 0;
    // Waits so that the user can follow the steps.
    virtual void Pause(int milliseconds) = 0;
};

// The main window while the engine runs.
class MainWindowPort {
public:
    virtual ~MainWindowPort() = default;
    // The status window takes the main window's place.
    virtual void HideMainWindow() = 0;
    // Shows the report in the read-me page under the frame title with the button "続行(&C)" and
    // returns once that button is pressed, the main window hidden again.
    virtual void ShowReportUntilContinue(const std::string& frameTitle,
                                         const std::string& report) = 0;
};

// The answers of the shared-file dialog.
enum class SharedFileAnswer { Yes, No, DeleteAll, KeepAll };

class SharedFilePort {
public:
    virtual ~SharedFilePort() = default;
    [[nodiscard]] virtual SharedFileAnswer Ask(const std::string& message) = 0;
};

// The ports of one install.
struct InstallPorts {
    MessagePort& messages;
    StatusPort& status;
    MainWindowPort& mainWindow;
};

} // namespace setup
