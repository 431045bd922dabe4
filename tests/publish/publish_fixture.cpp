#include "tests/publish/publish_fixture.h"

#include "platform/codepage.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fixture {

namespace fs = std::filesystem;

bool ScriptedPublishPort::Ask(const std::string& question) {
    asked.push_back(question);
    if (answers.empty()) {
        throw std::logic_error("a question nobody expected: " + question);
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void PhaseRecorder::SetTexts(const std::string& action, const std::string& source,
                             const std::string& /*destination*/) {
    if (phaseOpen_) {
        phases.push_back(platform::Cp932ToUtf8(action));
        phaseOpen_ = false;
    }
    sources.push_back(source);
}

Built PhotoBytes(int width, int height, const std::string& comment) {
    constexpr std::uint16_t kMake = 0x010F, kModel = 0x0110, kDateTimeOriginal = 0x9003,
                            kFNumber = 0x829D, kUserComment = 0x9286;
    ExifContent content;
    content.ifd0 = {Ascii(kMake, "Canon"), Ascii(kModel, "PowerShot A5")};
    std::vector<Entry> exif{Rational(kFNumber, 28, 10),
                            Ascii(kDateTimeOriginal, "2001:05:03 10:20:30")};
    if (!comment.empty()) {
        exif.push_back(
            Undefined(kUserComment, std::vector<std::uint8_t>(comment.begin(), comment.end())));
    }
    content.exif = exif;
    JpegOptions options;
    options.width = width;
    options.height = height;
    return BuildJpeg(content, options);
}

fs::path PublishTest::Write(const fs::path& relative,
                            const std::vector<std::uint8_t>& bytes) const {
    const fs::path file = sandbox.Path() / relative;
    fs::create_directories(file.parent_path());
    WriteFile(file, bytes);
    return file;
}

fs::path PublishTest::WriteText(const fs::path& relative, const std::string& text) const {
    return Write(relative, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::string PublishTest::Bytes(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

std::string Sjis(const std::string& utf8) {
    return platform::Utf8ToCp932(utf8);
}

} // namespace fixture
