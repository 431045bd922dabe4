#include "publish/album_pages.h"

#include "platform/codepage.h"
#include "platform/file_error.h"
#include "platform/file_transfer.h"
#include "platform/input_file.h"
#include "publish/album_text.h"
#include "publish/text_file.h"

#include <system_error>

namespace publish {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLineEnd = "\r\n";

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

void AppendLines(std::string& page, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        page += line;
        page += kLineEnd;
    }
}

void AppendFilled(std::string& page, const std::vector<std::string>& lines, PictureText& picture) {
    for (const std::string& line : lines) {
        page += picture.Fill(line);
        page += kLineEnd;
    }
}

std::vector<std::string> LinesIfAny(const fs::path& file) {
    return IsFile(file) ? ReadTemplateLines(file) : std::vector<std::string>{};
}

} // namespace

std::vector<std::string> ReadTemplateLines(const fs::path& file) {
    const platform::InputFile input(file);
    const std::vector<std::uint8_t> bytes = input.ReadAt(0, input.Size());
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = start;
        while (end < bytes.size() && bytes[end] != '\n') {
            ++end;
        }
        std::size_t cut = end;
        if (cut > start && bytes[cut - 1] == '\r') {
            --cut;
        }
        lines.emplace_back(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                           bytes.begin() + static_cast<std::ptrdiff_t>(cut));
        start = end + 1;
    }
    return lines;
}

PageTemplates PageTemplatesOf(const fs::path& templateFolder, const std::string& albumType,
                              const std::string& page) {
    const std::string stem = albumType + "_" + page;
    return {templateFolder / (stem + ".html"), templateFolder / (stem + "_top.html"),
            templateFolder / (stem + "_body.html"), templateFolder / (stem + "_bottom.html")};
}

void BuildPage(const PageTemplates& templates, const fs::path& output, const PageRun& run) {
    if (IsFile(templates.whole)) {
        CopyWholePage(templates.whole, output);
        return;
    }
    std::error_code ignored; // a page that is not there needs no removing
    fs::remove(output, ignored);
    std::string page;
    AppendLines(page, LinesIfAny(templates.top));
    if (IsFile(templates.body)) {
        const std::vector<std::string> body = ReadTemplateLines(templates.body);
        for (const fs::path& picture : run.pictures) {
            run.progress.SetTexts(run.phase, platform::PathToCp932(picture), "");
            PictureText text(picture, run.fields);
            AppendFilled(page, body, text);
            run.progress.Step();
        }
    }
    AppendLines(page, LinesIfAny(templates.bottom));
    if (IsFile(templates.top) || IsFile(templates.body) || IsFile(templates.bottom)) {
        WriteTextFile(output, page);
    }
}

void BuildDetailPage(const std::vector<std::string>& templateLines, const fs::path& picture,
                     const fs::path& output, std::span<const std::string> fields) {
    std::string page;
    PictureText text(picture, fields);
    AppendFilled(page, templateLines, text);
    WriteTextFile(output, page);
}

void CopyWholePage(const fs::path& templateFile, const fs::path& output) {
    (void)platform::CopyFileSafely(templateFile, output, platform::Replace::Allowed);
}

} // namespace publish
