#pragma once

// Temporary folders for tests that write files, and the way to the real camera files.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fixture {

// A new, empty folder under the system temporary folder; it is removed with everything in it
// when the sandbox goes out of scope.
class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const { return root_; }

    // Writes the bytes as the file at `relative` inside the sandbox, making its folders.
    // Returns the file's path.
    std::filesystem::path Write(const std::filesystem::path& relative,
                                std::string_view bytes) const;

    // Copies a file into the sandbox under `name` (default: the source's file name) and makes
    // the copy writable, since the samples are read-only. Returns the copy's path.
    std::filesystem::path CopyIn(const std::filesystem::path& source,
                                 const std::filesystem::path& name = {}) const;

    // CopyIn of a file given relative to SamplesDir(), such as "real/Nikon_E990.jpg". Throws
    // std::runtime_error when there are no samples; check SamplesDir() first and skip.
    std::filesystem::path CopySample(const std::filesystem::path& relative) const;

private:
    std::filesystem::path root_;
};

// The whole content of a file; empty when it cannot be read.
[[nodiscard]] std::string FileBytes(const std::filesystem::path& file);

// The folder of real camera files: $LUMARO_SAMPLES_DIR when set, else the folder the build was
// configured with; none when that folder does not exist (a clone without the samples).
[[nodiscard]] std::optional<std::filesystem::path> SamplesDir();

} // namespace fixture
