#pragma once

// The end of a run that asked for a restart ([ExecuteFile] File=WINDOWS_REBOOT). Nothing here
// restarts the machine: the question tells the user to do it, or that the install completes
// once they do.

#include "setup/ports.h"

namespace setup {

void AskForRestart(MessagePort& messages);

} // namespace setup
