#pragma once

// Registration of a component server: the shared object is loaded and its exported
// DllRegisterServer or DllUnregisterServer is called, a function without arguments that
// returns a 32-bit result (0 for success).

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

enum class ServerCall { Register, Unregister };

enum class ServerOutcome {
    Done,              // the function was called and returned 0
    CannotLoad,        // the file is missing or is not a loadable shared object
    EntryPointMissing, // the file loads but does not export the function
    CallFailed,        // the function returned a value other than 0
};

struct ServerRegistration {
    ServerOutcome outcome = ServerOutcome::Done;
    // What the function returned; 0 unless it was called.
    std::int32_t result = 0;
    // The loader's message for CannotLoad; empty otherwise.
    std::string loaderMessage;
};

// "DllRegisterServer" or "DllUnregisterServer".
[[nodiscard]] std::string_view ServerEntryPointName(ServerCall call);

// Loads the file, calls the function and unloads the file again.
[[nodiscard]] ServerRegistration CallServerRegistration(const std::filesystem::path& file,
                                                        ServerCall call);

} // namespace platform
