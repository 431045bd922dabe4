#include "tests/support/sandbox.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <system_error>

namespace fixture {

namespace fs = std::filesystem;

Sandbox::Sandbox() {
    std::string name = (fs::temp_directory_path() / "lumaro-test-XXXXXX").string();
    if (mkdtemp(name.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder " + name + ": " +
                                 std::strerror(errno));
    }
    root_ = name;
}

Sandbox::~Sandbox() {
    std::error_code ignored; // a destructor cannot report; a leftover folder harms nothing
    fs::remove_all(root_, ignored);
}

fs::path Sandbox::Write(const fs::path& relative, std::string_view bytes) const {
    const fs::path file = root_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

fs::path Sandbox::CopyIn(const fs::path& source, const fs::path& name) const {
    const fs::path target = root_ / (name.empty() ? source.filename() : name);
    fs::copy_file(source, target, fs::copy_options::overwrite_existing);
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
    return target;
}

fs::path Sandbox::CopySample(const fs::path& relative) const {
    const std::optional<fs::path> samples = SamplesDir();
    if (!samples) {
        throw std::runtime_error("no sample folder for " + relative.string());
    }
    return CopyIn(*samples / relative);
}

std::string FileBytes(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

std::optional<fs::path> SamplesDir() {
    const char* fromEnvironment = std::getenv("LUMARO_SAMPLES_DIR");
    const fs::path dir = (fromEnvironment != nullptr && *fromEnvironment != '\0')
                             ? fs::path(fromEnvironment)
                             : fs::path(LUMARO_SAMPLES_DIR);
    std::error_code error;
    if (!fs::is_directory(dir, error)) {
        return std::nullopt;
    }
    return dir;
}

} // namespace fixture
