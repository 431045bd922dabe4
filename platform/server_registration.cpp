#include "platform/server_registration.h"

#include <dlfcn.h>
#include <memory>

namespace platform {
namespace {

using EntryPoint = std::int32_t (*)();

struct Unloader {
    void operator()(void* handle) const { dlclose(handle); }
};

} // namespace

std::string_view ServerEntryPointName(ServerCall call) {
    return call == ServerCall::Register ? "DllRegisterServer" : "DllUnregisterServer";
}

ServerRegistration CallServerRegistration(const std::filesystem::path& file, ServerCall call) {
    // A name without a folder would make the loader search the library path.
    const std::filesystem::path loadable = file.has_parent_path() ? file : "./" / file;
    std::unique_ptr<void, Unloader> library(dlopen(loadable.c_str(), RTLD_NOW | RTLD_LOCAL));
    if (!library) {
        const char* message = dlerror();
        return {ServerOutcome::CannotLoad, 0, message != nullptr ? message : "cannot load"};
    }
    void* symbol = dlsym(library.get(), std::string(ServerEntryPointName(call)).c_str());
    if (symbol == nullptr) {
        return {ServerOutcome::EntryPointMissing, 0, {}};
    }
    const auto entryPoint = reinterpret_cast<EntryPoint>(symbol);
    const std::int32_t result = entryPoint();
    return {result == 0 ? ServerOutcome::Done : ServerOutcome::CallFailed, result, {}};
}

} // namespace platform
