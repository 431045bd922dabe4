// make_album_templates OUTPUT_FOLDER TEMPLATE...: writes each album template (UTF-8, any line
// ends) into the folder under its own name as CP932 with CR LF line ends, the form in which the
// album passes template text through to its pages. A character CP932 cannot hold is an error.

#include "platform/codepage.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string WithCrLf(const std::string& text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            continue;
        }
        if (text[i] == '\n') {
            result += '\r';
        }
        result += text[i];
    }
    return result;
}

bool Convert(const std::filesystem::path& source, const std::filesystem::path& folder) {
    std::ifstream input(source, std::ios::binary);
    const std::string utf8{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
    if (!input.good() && !input.eof()) {
        std::fprintf(stderr, "cannot read %s\n", source.c_str());
        return false;
    }
    const std::string cp932 = platform::Utf8ToCp932(WithCrLf(utf8));
    if (platform::Cp932ToUtf8(cp932) != WithCrLf(utf8)) {
        std::fprintf(stderr, "%s holds text that CP932 cannot hold\n", source.c_str());
        return false;
    }
    const std::filesystem::path target = folder / source.filename();
    std::ofstream output(target, std::ios::binary | std::ios::trunc);
    output << cp932;
    output.close();
    if (!output) {
        std::fprintf(stderr, "cannot write %s\n", target.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_album_templates OUTPUT_FOLDER TEMPLATE...\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", folder.c_str(), error.message().c_str());
        return 1;
    }
    bool ok = true;
    for (int i = 2; i < argc; ++i) {
        ok = Convert(argv[i], folder) && ok;
    }
    return ok ? 0 : 1;
}
