#pragma once

// Steps 7 to 9 of the uninstall: the keys of [DeleteRegistry], the file associations set back
// to what they were before the install, and the entry in the list of programs.

#include "setup/uninstall_run.h"

#include <string_view>

namespace setup {

inline constexpr int kKeyDeleteAttempts = 99;

// Each key with its sub-keys, read with the stricter root rule; a root is never deleted.
void RemoveRegistryKeys(UninstallRun& run);

// Each [RestoreRelate] slot: "." + ext gets its earlier file type back, or goes when it had
// none; the type ext + "_auto_file" goes unless it was the earlier type.
void RestoreAssociations(UninstallRun& run);

// The key of [UnSetupRegistryKey] under HKEY_LOCAL_MACHINE.
void RemoveUninstallRegistration(UninstallRun& run);

} // namespace setup
