#pragma once

// A machine folder of the test's own: LUMARO_MACHINE_DIR points into a sandbox for the life of
// the fixture, so every store a test opens starts from a fresh registry.

#include "tests/support/sandbox.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace fixture {

class MachineSandbox {
public:
    MachineSandbox() {
        if (const char* old = std::getenv("LUMARO_MACHINE_DIR")) {
            saved_ = old;
        }
        setenv("LUMARO_MACHINE_DIR", Folder().c_str(), 1);
    }
    ~MachineSandbox() {
        if (saved_) {
            setenv("LUMARO_MACHINE_DIR", saved_->c_str(), 1);
        } else {
            unsetenv("LUMARO_MACHINE_DIR");
        }
    }
    MachineSandbox(const MachineSandbox&) = delete;
    MachineSandbox& operator=(const MachineSandbox&) = delete;

    [[nodiscard]] std::filesystem::path Folder() const { return sandbox_.Path() / "machine"; }
    [[nodiscard]] std::filesystem::path Database() const { return Folder() / "registry.db"; }

private:
    Sandbox sandbox_;
    std::optional<std::string> saved_;
};

} // namespace fixture
