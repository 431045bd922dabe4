#include "tests/setup/install_fixture.h"

#include "platform/codepage.h"

namespace setup_test {

using platform::Cp932ToUtf8;

void ScriptedPorts::AnswerNext(std::string_view title, setup::Answer answer) {
    answers_[Sjis(title)].push_back(answer);
}

setup::Answer ScriptedPorts::Show(const setup::MessageBox& box) {
    boxes.push_back(box);
    if (onBox) {
        onBox(box);
    }
    auto queued = answers_.find(box.title);
    if (queued != answers_.end() && !queued->second.empty()) {
        const setup::Answer answer = queued->second.front();
        queued->second.pop_front();
        return answer;
    }
    return box.buttons == setup::MessageButtons::YesNo ? setup::Answer::Yes : setup::Answer::Ok;
}

void ScriptedPorts::SetMessage(const std::string& message) {
    messages.push_back(message);
    if (abortAt_ && message.find(*abortAt_) != std::string::npos) {
        aborted_ = true;
    }
}

void ScriptedPorts::ShowProgressFrame(bool visible) {
    events.push_back(visible ? "progress shown" : "progress hidden");
}

void ScriptedPorts::SetProgress(int position, const std::string& text) {
    positions.push_back(position);
    progress.push_back(text);
}

void ScriptedPorts::EnableAbort(bool enabled) {
    events.push_back(enabled ? "abort enabled" : "abort disabled");
}

void ScriptedPorts::ShowReportUntilContinue(const std::string& frameTitle,
                                            const std::string& report) {
    events.push_back("report " + Cp932ToUtf8(frameTitle));
    reports.push_back(report);
}

std::vector<std::string> ScriptedPorts::BoxTexts() const {
    std::vector<std::string> texts;
    for (const setup::MessageBox& box : boxes) {
        texts.push_back(Cp932ToUtf8(box.title) + ": " + Cp932ToUtf8(box.text));
    }
    return texts;
}

bool ScriptedPorts::ShowedBox(std::string_view title) const {
    for (const setup::MessageBox& box : boxes) {
        if (box.title == Sjis(title)) {
            return true;
        }
    }
    return false;
}

bool ScriptedPorts::ShowedMessage(std::string_view text) const {
    for (const std::string& message : messages) {
        if (message.find(Sjis(text)) != std::string::npos) {
            return true;
        }
    }
    return false;
}

void InstallTest::Start() {
    session = setup::StartSession(MediumFolder(), "");
    ASSERT_EQ(session->startupErrors, "");
    script = setup::LoadSetupScript(session->scriptFile);
    macros = setup::ResolvePathMacros(session->programFolder);
}

setup::InstallResult InstallTest::Install(std::string_view folder) {
    if (!session) {
        Start();
    }
    return setup::RunInstall(*session, *script, *macros, {std::string(folder), options},
                             ports.Ports());
}

std::optional<platform::RegistryValue> InstallTest::RegistryValueAt(platform::RegistryRoot root,
                                                                    std::string_view key,
                                                                    std::string_view name) const {
    auto registry = platform::Registry::OpenMachine();
    if (!registry) {
        ADD_FAILURE() << registry.Error();
        return std::nullopt;
    }
    auto opened = registry.Value().OpenKey(root, key);
    if (!opened || !opened.Value()) {
        return std::nullopt;
    }
    auto value = opened.Value()->ReadValue(name);
    return value ? value.Value() : std::nullopt;
}

std::string InstallTest::RegistryTextAt(platform::RegistryRoot root, std::string_view key,
                                        std::string_view name) const {
    const auto value = RegistryValueAt(root, key, name);
    return value && value->Text() ? *value->Text() : "<absent>";
}

bool InstallTest::KeyExists(platform::RegistryRoot root, std::string_view key) const {
    auto registry = platform::Registry::OpenMachine();
    auto exists = registry ? registry.Value().KeyExists(root, key) : platform::Result<bool>(false);
    return exists && exists.Value();
}

std::optional<std::uint32_t> InstallTest::SharedCount(std::string_view path) const {
    const auto value =
        RegistryValueAt(platform::RegistryRoot::LocalMachine,
                        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs", path);
    return value ? value->Number() : std::nullopt;
}

void InstallTest::WriteRegistryText(platform::RegistryRoot root, std::string_view key,
                                    std::string_view name, std::string_view text) const {
    auto registry = platform::Registry::OpenMachine();
    ASSERT_TRUE(registry) << registry.Error();
    auto created = registry.Value().CreateKey(root, key);
    ASSERT_TRUE(created) << created.Error();
    ASSERT_TRUE(created.Value().WriteValue(name, platform::RegistryValue::Sz(text)));
}

std::vector<std::string> InstallTest::Lines(std::string_view windowsPath) const {
    const std::string text = Cp932ToUtf8(ReadBytes(Host(windowsPath)));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no line end>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::vector<std::string> InstallTest::SectionLines(std::string_view windowsPath,
                                                   std::string_view section) const {
    std::vector<std::string> lines;
    bool inSection = false;
    const std::string name(section);
    const std::string header = "[" + name + "]";
    for (const std::string& line : Lines(windowsPath)) {
        if (!line.empty() && line.front() == '[') {
            inSection = line == header;
        } else if (inSection && !line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

} // namespace setup_test
