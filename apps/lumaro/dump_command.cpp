#include "apps/lumaro/dump_command.h"

#include "exif/detail_report.h"
#include "platform/codepage.h"
#include "platform/file_error.h"

#include <ostream>
#include <vector>

namespace {

// The report's CR LF line ends become LF on a terminal; --raw keeps every byte.
std::string ForTerminal(const std::string& report) {
    std::string text = platform::Cp932ToUtf8(report);
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        lines += text[i];
    }
    return lines;
}

} // namespace

int RunDumpCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    bool raw = false;
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (arg == "--raw") {
            raw = true;
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        err << "usage: lumaro dump [--raw] FILE...\n";
        return 2;
    }
    int status = 0;
    for (const std::string& file : files) {
        try {
            const std::string report = exif::BuildDetailReport(exif::LoadExifBlock(file));
            if (files.size() > 1) {
                out << "# " << file << '\n';
            }
            out << (raw ? report : ForTerminal(report));
        } catch (const platform::FileError& error) {
            err << "lumaro: " << error.what() << '\n';
            status = 1;
        }
    }
    return status;
}
