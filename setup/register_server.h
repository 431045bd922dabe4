#pragma once

// Registration of a component server (an OCX or DLL) that the script marks with "/R", and its
// unregistration before the file is deleted.

#include "platform/server_registration.h"
#include "setup/ports.h"

#include <string_view>

namespace setup {

// Loads the file and calls DllRegisterServer or DllUnregisterServer. A failure to register shows
// its box through messages (none in UNSETUP mode, where nothing is shown); an unregistration's
// result is ignored. True when the call was made and succeeded.
[[nodiscard]] bool RegisterServer(std::string_view path, platform::ServerCall call,
                                  MessagePort* messages);

} // namespace setup
