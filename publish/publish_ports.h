#pragma once

// How the album and the CSV listing reach the user: message boxes in the program, answers given
// on the command line in lumaro, scripted answers in the tests.

#include <string>

namespace publish {

class PublishPort {
public:
    virtual ~PublishPort() = default;
    // A message box with the caption "LumaroUty", the question icon and an OK button (UTF-8).
    virtual void Tell(const std::string& message) = 0;
    // The same with Yes and No; true for Yes.
    [[nodiscard]] virtual bool Ask(const std::string& question) = 0;
};

// Whether the dialog closes after its OK press or stays open for the user to change a value.
enum class DialogEnd { StayOpen, Close };

} // namespace publish
