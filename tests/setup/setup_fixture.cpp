#include "tests/setup/setup_fixture.h"

#include "platform/codepage.h"
#include "platform/drives.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace setup_test {
namespace {

std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

void Restore(const char* name, const std::optional<std::string>& saved) {
    if (saved) {
        setenv(name, saved->c_str(), 1);
    } else {
        unsetenv(name);
    }
}

} // namespace

std::string Sjis(std::string_view utf8) {
    return platform::Utf8ToCp932(utf8);
}

std::string ReadBytes(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& file, std::string_view bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!stream) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

void WriteIni(const fs::path& file, std::string_view utf8Lines) {
    std::string text;
    for (const char c : platform::Utf8ToCp932(utf8Lines)) {
        if (c == '\n') {
            text += '\r';
        }
        text += c;
    }
    WriteBytes(file, text);
}

MachineTest::MachineTest()
    : savedTemporary_(Environment("TMPDIR")), savedPlatform_(Environment("LUMARO_PLATFORM")) {
    fs::create_directories(TemporaryHost());
    fs::create_directories(MediumHost());
    setenv("TMPDIR", TemporaryHost().c_str(), 1);
    unsetenv("LUMARO_PLATFORM");
}

MachineTest::~MachineTest() {
    Restore("TMPDIR", savedTemporary_);
    Restore("LUMARO_PLATFORM", savedPlatform_);
}

void MachineTest::UsePlatform(std::string_view platform) {
    setenv("LUMARO_PLATFORM", std::string(platform).c_str(), 1);
}

std::string MachineTest::MediumFolder() const {
    return Windows(MediumHost()) + "\\";
}

std::string MachineTest::TemporaryFolder() const {
    return Windows(TemporaryHost()) + "\\";
}

fs::path MachineTest::Host(std::string_view windowsPath) const {
    platform::Result<fs::path> host = platform::HostPath(windowsPath);
    if (!host) {
        ADD_FAILURE() << host.Error();
        return {};
    }
    return host.Value();
}

std::string MachineTest::Windows(const fs::path& host) const {
    platform::Result<std::string> spelled = platform::WindowsPath(host);
    if (!spelled) {
        ADD_FAILURE() << spelled.Error();
        return {};
    }
    return spelled.Value();
}

void MachineTest::WriteScript(std::string_view utf8Lines) const {
    WriteIni(MediumHost() / "SETUP.INI", utf8Lines);
}

fs::path MachineTest::WriteMediumFile(std::string_view name, std::string_view bytes) const {
    const fs::path file = MediumHost() / fs::path(std::string(name));
    WriteBytes(file, bytes);
    return file;
}

} // namespace setup_test
