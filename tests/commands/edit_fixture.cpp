#include "tests/commands/edit_fixture.h"

#include "platform/codepage.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace edit_test {
namespace {

using namespace fixture;

std::vector<std::uint8_t> Chars(std::string_view text) {
    return {text.begin(), text.end()};
}

// A camera's thumbnail: SOI and the encoded picture, without the encoder's JFIF segment.
std::vector<std::uint8_t> Thumbnail() {
    const std::vector<std::uint8_t> jpeg = EncodeJpeg(32, 24);
    const std::size_t app0End = 4 + ((std::size_t{jpeg.at(4)} << 8) | jpeg.at(5));
    std::vector<std::uint8_t> bytes = {0xFF, 0xD8};
    bytes.insert(bytes.end(), jpeg.begin() + static_cast<std::ptrdiff_t>(app0End), jpeg.end());
    return bytes;
}

Entry Comment(const std::string& text) {
    std::vector<std::uint8_t> bytes(125, 0);
    std::copy_n(text.begin(), std::min<std::size_t>(text.size(), 124), bytes.begin());
    return Undefined(0x9286, bytes);
}

} // namespace

commands::Confirmation ScriptedConfirm::Confirm(commands::ConfirmationList& list) {
    ++calls;
    shown = list;
    if (beforeAnswer) {
        beforeAnswer(list);
    }
    return answer;
}

void RecordingProgress::Start(int maximum) {
    starts.push_back(maximum);
}

void RecordingProgress::SetTexts(const std::string& action, const std::string& source,
                                 const std::string& destination) {
    texts.push_back({action, source, destination});
}

bool ScriptedPrompt::Ask(const std::string& question) {
    questions.push_back(question);
    if (answers.empty()) {
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void WritePhoto(const std::filesystem::path& path, const PhotoContent& photo) {
    ExifContent content;
    content.ifd0 = {AsciiFixed(0x010E, photo.title, photo.titleCount),
                    Ascii(0x010F, photo.make),
                    Ascii(0x0110, photo.model),
                    Short(0x0112, {1}),
                    Rational(0x011A, 72, 1),
                    Rational(0x011B, 72, 1),
                    Short(0x0128, {2}),
                    Ascii(0x0132, photo.saved.empty() ? photo.date : photo.saved),
                    Short(0x0213, {2})};
    content.exif = std::vector<Entry>{Undefined(0x9000, Chars("0220")),
                                      Ascii(0x9003, photo.date),
                                      Ascii(0x9004, photo.date),
                                      Undefined(0x9101, {1, 2, 3, 0}),
                                      Comment(photo.comment),
                                      Undefined(0xA000, Chars("0100")),
                                      Short(0xA001, {1}),
                                      Long(0xA002, {photo.sizeTagWidth}),
                                      Long(0xA003, {photo.sizeTagHeight})};
    if (photo.thumbnail) {
        content.ifd1 = std::vector<Entry>{Short(0x0103, {6}), Rational(0x011A, 72, 1),
                                          Rational(0x011B, 72, 1), Short(0x0128, {2})};
        content.thumbnail = Thumbnail();
    }
    WriteFile(path, BuildJpeg(content, {photo.width, photo.height}).bytes);
}

void WritePlainJpeg(const std::filesystem::path& path, int width, int height) {
    WriteFile(path, EncodeJpeg(width, height));
}

platform::FileTime SetTime(const std::filesystem::path& path, const platform::LocalDateTime& at) {
    const auto time = platform::FileTimeFromLocal(at);
    if (!time) {
        throw std::invalid_argument("no such moment");
    }
    platform::SetLastWriteTime(path, *time);
    return *time;
}

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Cp932(const std::string& utf8) {
    return platform::Utf8ToCp932(utf8);
}

std::vector<ShownRow> Shown(const commands::ConfirmationList& list) {
    std::vector<ShownRow> rows;
    for (const commands::PlannedRow& row : list.Rows()) {
        rows.push_back({platform::Cp932ToUtf8(row.fileName), platform::Cp932ToUtf8(row.action),
                        platform::Cp932ToUtf8(row.oldValue), platform::Cp932ToUtf8(row.newValue),
                        row.checked});
    }
    return rows;
}

} // namespace edit_test
