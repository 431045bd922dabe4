#include "tests/setup/uninstall_fixture.h"

#include "platform/codepage.h"
#include "platform/machine_folder.h"
#include "setup/macro_folders.h"

#include <cstdlib>

namespace setup_test {
namespace {

using platform::RegistryRoot;

constexpr RegistryRoot kRoots[] = {RegistryRoot::ClassesRoot, RegistryRoot::CurrentUser,
                                   RegistryRoot::LocalMachine, RegistryRoot::Users};

// FNV-1a: enough to tell two versions of a file apart in a comparison.
std::string Digest(const std::string& bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return std::to_string(bytes.size()) + ":" + std::to_string(hash);
}

void AddKey(const platform::Registry& registry, RegistryRoot root, const std::string& path,
            std::map<std::string, std::string>& out) {
    auto key = registry.OpenKey(root, path);
    ASSERT_TRUE(key && key.Value()) << (key ? "gone" : key.Error());
    const std::string name =
        std::string(platform::RegistryRootName(root)) + (path.empty() ? "" : "\\" + path);
    out[platform::Cp932ToUtf8(name)] = "";
    auto values = key.Value()->Values();
    ASSERT_TRUE(values) << values.Error();
    for (const platform::NamedRegistryValue& value : values.Value()) {
        out[platform::Cp932ToUtf8(name + "|" + value.name)] =
            std::to_string(static_cast<int>(value.value.type)) + ":" +
            platform::Cp932ToUtf8(value.value.data);
    }
    auto subKeys = key.Value()->SubKeyNames();
    ASSERT_TRUE(subKeys) << subKeys.Error();
    for (const std::string& sub : subKeys.Value()) {
        AddKey(registry, root, path.empty() ? sub : path + "\\" + sub, out);
    }
}

} // namespace

setup::SharedFileAnswer ScriptedSharedFiles::Ask(const std::string& message) {
    questions.push_back(platform::Cp932ToUtf8(message));
    if (answers_.empty()) {
        return setup::SharedFileAnswer::No;
    }
    const setup::SharedFileAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

MachineDifference Compare(const MachineState& before, const MachineState& after) {
    MachineDifference difference;
    for (const auto member : {&MachineState::files, &MachineState::registry}) {
        const std::map<std::string, std::string>& was = before.*member;
        const std::map<std::string, std::string>& is = after.*member;
        for (const auto& [name, content] : is) {
            if (!was.contains(name)) {
                difference.added.insert(name);
            }
        }
        for (const auto& [name, content] : was) {
            const auto found = is.find(name);
            if (found == is.end() || found->second != content) {
                difference.lostOrChanged.insert(name);
            }
        }
    }
    return difference;
}

UninstallTest::UninstallTest() : savedCurrent_(std::filesystem::current_path()) {
    if (const char* home = std::getenv("HOME")) {
        savedHome_ = home;
    }
}

UninstallTest::~UninstallTest() {
    std::error_code ignored;
    std::filesystem::current_path(savedCurrent_, ignored);
    if (savedHome_) {
        setenv("HOME", savedHome_->c_str(), 1);
    } else {
        unsetenv("HOME");
    }
}

void UninstallTest::StartUninstall(std::string_view logFile) {
    uninstallSession = setup::StartSession("C:\\WINDOWS\\", logFile);
    ASSERT_EQ(uninstallSession->mode, setup::RunMode::Unsetup);
    ASSERT_EQ(uninstallSession->startupErrors, "");
    log = setup::ReadSessionLog(*uninstallSession);
    uninstallMacros = setup::ResolvePathMacros(uninstallSession->programFolder);
}

setup::UninstallResult UninstallTest::Uninstall(std::optional<setup::UninstallOptions> chosen) {
    if (!uninstallSession) {
        StartUninstall();
    }
    const setup::UninstallOptions options =
        chosen ? *chosen : setup::UninstallOptionsOf(setup::UninstallBoxesOf(log->unSetupOption));
    return setup::RunUninstall(*log, *uninstallMacros, options,
                               {uninstallPorts, uninstallPorts, uninstallPorts, sharedFiles});
}

MachineState UninstallTest::Snapshot() const {
    MachineState state;
    const std::filesystem::path machine = platform::MachineFolder().Value();
    for (const auto& entry : std::filesystem::recursive_directory_iterator(machine)) {
        const std::string name = entry.path().lexically_relative(machine).string();
        if (name.starts_with("registry.db")) {
            continue;
        }
        state.files[name] = entry.is_directory() ? "dir" : Digest(ReadBytes(entry.path()));
    }
    auto registry = platform::Registry::OpenMachine();
    EXPECT_TRUE(registry) << registry.Error();
    if (registry) {
        for (const RegistryRoot root : kRoots) {
            AddKey(registry.Value(), root, "", state.registry);
        }
    }
    return state;
}

void UninstallTest::UseMachine() const {
    (void)setup::ResolvePathMacros(MediumFolder());
}

} // namespace setup_test
