#include "platform/server_registration.h"
#include "tests/support/sandbox.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

using namespace platform;
namespace fs = std::filesystem;

namespace {

constexpr std::int32_t kFailure = static_cast<std::int32_t>(0x80004005);

class ServerRegistrationTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("LUMARO_TEST_SERVER_LOG", Log().c_str(), 1); }
    void TearDown() override { ::unsetenv("LUMARO_TEST_SERVER_LOG"); }

    fs::path Log() const { return sandbox_.Path() / "calls.log"; }

    std::string Calls() const { return fixture::FileBytes(Log()); }

    fixture::Sandbox sandbox_;
};

} // namespace

TEST_F(ServerRegistrationTest, CallsTheEntryPointOfTheCall) {
    const ServerRegistration registered =
        CallServerRegistration(TEST_SERVER_SUCCEEDING, ServerCall::Register);
    EXPECT_EQ(registered.outcome, ServerOutcome::Done);
    EXPECT_EQ(registered.result, 0);
    const ServerRegistration unregistered =
        CallServerRegistration(TEST_SERVER_SUCCEEDING, ServerCall::Unregister);
    EXPECT_EQ(unregistered.outcome, ServerOutcome::Done);
    EXPECT_EQ(Calls(), "DllRegisterServer\nDllUnregisterServer\n");
}

TEST_F(ServerRegistrationTest, ANonZeroResultIsAFailedCallWithItsValue) {
    const ServerRegistration registered =
        CallServerRegistration(TEST_SERVER_FAILING, ServerCall::Register);
    EXPECT_EQ(registered.outcome, ServerOutcome::CallFailed);
    EXPECT_EQ(registered.result, kFailure);
    const ServerRegistration unregistered =
        CallServerRegistration(TEST_SERVER_FAILING, ServerCall::Unregister);
    EXPECT_EQ(unregistered.outcome, ServerOutcome::CallFailed);
    EXPECT_EQ(unregistered.result, kFailure + 1);
}

TEST_F(ServerRegistrationTest, ALibraryWithoutTheEntryPointIsToldApart) {
    for (const ServerCall call : {ServerCall::Register, ServerCall::Unregister}) {
        const ServerRegistration outcome = CallServerRegistration(TEST_SERVER_EMPTY, call);
        EXPECT_EQ(outcome.outcome, ServerOutcome::EntryPointMissing);
        EXPECT_EQ(outcome.result, 0);
    }
    EXPECT_EQ(Calls(), "");
}

TEST_F(ServerRegistrationTest, MissingOrForeignFilesCannotBeLoaded) {
    const fs::path missing = sandbox_.Path() / "MISSING.OCX";
    const ServerRegistration absent = CallServerRegistration(missing, ServerCall::Register);
    EXPECT_EQ(absent.outcome, ServerOutcome::CannotLoad);
    EXPECT_NE(absent.loaderMessage.find("MISSING.OCX"), std::string::npos) << absent.loaderMessage;

    const fs::path text = sandbox_.Path() / "TEXT.DLL";
    std::ofstream(text) << "not a library\n";
    EXPECT_EQ(CallServerRegistration(text, ServerCall::Register).outcome,
              ServerOutcome::CannotLoad);
}

TEST_F(ServerRegistrationTest, ABareFileNameIsLoadedFromTheCurrentFolderOnly) {
    // The loader would otherwise search the library path for a name without a folder.
    const fs::path previous = fs::current_path();
    fs::current_path(sandbox_.Path());
    const ServerRegistration outcome = CallServerRegistration("libc.so.6", ServerCall::Register);
    fs::current_path(previous);
    EXPECT_EQ(outcome.outcome, ServerOutcome::CannotLoad);

    fs::copy_file(TEST_SERVER_SUCCEEDING, sandbox_.Path() / "SERVER.OCX");
    fs::current_path(sandbox_.Path());
    const ServerRegistration local = CallServerRegistration("SERVER.OCX", ServerCall::Register);
    fs::current_path(previous);
    EXPECT_EQ(local.outcome, ServerOutcome::Done);
}
