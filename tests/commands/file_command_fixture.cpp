#include "tests/commands/file_command_fixture.h"

#include "platform/codepage.h"
#include "tests/support/exif_fixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fixture {

namespace fs = std::filesystem;

commands::Confirmation ScriptedConfirm::Confirm(commands::ConfirmationList& list) {
    shown = list;
    if (edit) {
        edit(list);
    }
    return answer;
}

platform::OverwriteAnswer ScriptedOverwrite::AskOverwrite(const fs::path& /*source*/,
                                                          const fs::path& destination) {
    asked.push_back(destination);
    if (answers.empty()) {
        throw std::logic_error("an overwrite question nobody expected: " + destination.string());
    }
    const platform::OverwriteAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

fs::path FileCommandTest::WritePhoto(const fs::path& relative, const std::string& date) const {
    constexpr std::uint16_t kMake = 0x010F;
    constexpr std::uint16_t kDateTimeOriginal = 0x9003;
    ExifContent content;
    content.ifd0 = {Ascii(kMake, "NIKON")};
    content.exif = std::vector<Entry>{Ascii(kDateTimeOriginal, date)};
    const fs::path file = sandbox.Path() / relative;
    fs::create_directories(file.parent_path());
    fixture::WriteFile(file, BuildJpeg(content).bytes);
    return file;
}

fs::path FileCommandTest::WriteFile(const fs::path& relative, const std::string& bytes) const {
    const fs::path file = sandbox.Path() / relative;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
}

std::string FileCommandTest::Bytes(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

std::vector<std::string> FileCommandTest::Names(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

commands::FileCommandContext FileCommandTest::Context(std::vector<fs::path> files) {
    return {std::move(files), [this] { ++refreshes; }};
}

std::string Sjis(const std::string& utf8) {
    return platform::Utf8ToCp932(utf8);
}

} // namespace fixture
