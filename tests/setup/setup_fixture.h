#pragma once

// A machine of the test's own for installer tests: a sandboxed machine folder (registry and
// drive C:), a temporary folder inside the sandbox (work folders, (Tmp)), a chosen platform,
// and the distribution medium (the installer's program folder) as a host folder.

#include "tests/support/machine_sandbox.h"
#include "tests/support/sandbox.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>

namespace setup_test {

namespace fs = std::filesystem;

// CP932 bytes of a UTF-8 literal.
[[nodiscard]] std::string Sjis(std::string_view utf8);

// Reads a whole file; empty when it cannot be read.
[[nodiscard]] std::string ReadBytes(const fs::path& file);

// Writes the bytes, creating the folders above.
void WriteBytes(const fs::path& file, std::string_view bytes);

// Writes UTF-8 text as a CP932 INI file with CR LF line ends.
void WriteIni(const fs::path& file, std::string_view utf8Lines);

class MachineTest : public ::testing::Test {
protected:
    MachineTest();
    ~MachineTest() override;

    // "9x" or "NT".
    void UsePlatform(std::string_view platform);

    [[nodiscard]] const fs::path& Root() const { return files_.Path(); }
    [[nodiscard]] fs::path TemporaryHost() const { return files_.Path() / "tmp"; }
    [[nodiscard]] fs::path MediumHost() const { return files_.Path() / "medium"; }
    // The medium's Windows spelling with a trailing "\".
    [[nodiscard]] std::string MediumFolder() const;
    // The temporary folder's Windows spelling with a trailing "\".
    [[nodiscard]] std::string TemporaryFolder() const;
    // The host path of a Windows spelling (CP932); fails the test when it names no drive.
    [[nodiscard]] fs::path Host(std::string_view windowsPath) const;
    // The Windows spelling of a host path.
    [[nodiscard]] std::string Windows(const fs::path& host) const;

    // SETUP.INI on the medium, from UTF-8 lines.
    void WriteScript(std::string_view utf8Lines) const;
    // A file on the medium.
    fs::path WriteMediumFile(std::string_view name, std::string_view bytes) const;

private:
    fixture::MachineSandbox machine_;
    fixture::Sandbox files_;
    std::optional<std::string> savedTemporary_;
    std::optional<std::string> savedPlatform_;
};

} // namespace setup_test
