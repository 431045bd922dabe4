#include "apps/lumaro/dump_command.h"

#include "apps/lumaro/arguments.h"
#include "apps/lumaro/dump_json.h"
#include "apps/lumaro/json_text.h"
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
    const auto arguments = lumaro::ParseArguments("dump", args, {{"--raw", "--json"}, {}}, err);
    if (!arguments || lumaro::NamesNoFile(*arguments, arguments->operands) ||
        (arguments->Has("--raw") && arguments->Has("--json"))) {
        err << "usage: lumaro dump [--raw | --json] FILE...\n";
        return 2;
    }
    const auto gathered = lumaro::GatherFiles(*arguments, arguments->operands, err);
    if (!gathered) {
        return 2;
    }
    const bool json = arguments->Has("--json");
    lumaro::JsonArrayWriter array(out);
    int status = gathered->skipped ? 1 : 0;
    for (const std::filesystem::path& file : gathered->files) {
        try {
            const auto block = exif::LoadExifBlock(file);
            if (json) {
                array.Write(lumaro::DumpJson(block, file));
                continue;
            }
            const std::string report = exif::BuildDetailReport(block);
            // With more than one file named, each report is headed by its file.
            if (gathered->files.size() > 1 || gathered->skipped) {
                out << "# " << file.string() << '\n';
            }
            out << (arguments->Has("--raw") ? report : ForTerminal(report));
        } catch (const platform::FileError& error) {
            err << "lumaro: " << error.what() << '\n';
            status = 1;
        }
    }
    if (json) {
        array.Finish();
    }
    return status;
}
