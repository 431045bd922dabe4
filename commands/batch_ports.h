#pragma once

// How a batch command reaches the user: it shows its planned rows for confirmation, then
// reports its progress. Windows, the command-line tool and tests each implement these.

#include "commands/confirmation_list.h"

#include <string>

namespace commands {

enum class Confirmation { Ok, Cancel };

// The confirmation list: the user may tick and untick rows before answering.
class ConfirmPort {
public:
    virtual ~ConfirmPort() = default;
    [[nodiscard]] virtual Confirmation Confirm(ConfirmationList& list) = 0;
};

// The progress window. It cannot cancel a run.
class ProgressPort {
public:
    virtual ~ProgressPort() = default;
    // Clears the texts, sets the bar's maximum and shows the window.
    virtual void Start(int maximum) = 0;
    // The phase or action, the source, and the destination or new value (CP932).
    virtual void SetTexts(const std::string& action, const std::string& source,
                          const std::string& destination) = 0;
    virtual void Step() = 0;
    virtual void Finish() = 0;
};

} // namespace commands
