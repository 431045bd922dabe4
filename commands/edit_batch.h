#pragma once

// What the EXIF editing commands share beyond the batch pattern: the port for their messages
// and questions, the three ports together, and a run that tells the user why it stopped.

#include "commands/batch_ports.h"
#include "commands/batch_run.h"

#include <functional>
#include <string>

namespace commands {

// Messages and questions of the editing commands (UTF-8). The program shows message boxes
// with the caption "LumaroUty"; lumaro answers from its options; tests answer from a script.
class EditPrompt {
public:
    virtual ~EditPrompt() = default;
    // A request to put something right, with an OK button and the question icon.
    virtual void Tell(const std::string& message) = 0;
    // A question with Yes and No and the question icon; true for Yes.
    [[nodiscard]] virtual bool Ask(const std::string& question) = 0;
    // Why a command stopped or could not start.
    virtual void Warn(const std::string& message) = 0;
};

struct EditPorts {
    ConfirmPort& confirm;
    ProgressPort& progress;
    EditPrompt& prompt;
};

// Plans and runs a batch. A platform::FileError while planning (a file that cannot be read)
// or running ends the command; the prompt says which file stopped it.
[[nodiscard]] BatchReport RunEditBatch(const std::function<BatchPlan()>& plan, EditPorts ports);

} // namespace commands
