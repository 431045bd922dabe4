#include "apps/lumaro/pane_command.h"

#include "apps/lumaro/arguments.h"
#include "apps/lumaro/dump_json.h"
#include "apps/lumaro/field_list.h"
#include "apps/lumaro/json_text.h"
#include "apps/lumaro/summary_json.h"
#include "exif/detail_pane.h"
#include "platform/codepage.h"
#include "platform/file_error.h"

#include <ostream>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: lumaro pane [--fields NAME,NAME...] [--dump] [--json] FILE...\n";

struct PaneRequest {
    std::vector<exif::SummaryFieldId> fields;
    bool dump = false;
    bool json = false;
};

std::optional<PaneRequest> RequestOf(const lumaro::Arguments& arguments, std::ostream& err) {
    PaneRequest request{lumaro::AllFields(), arguments.Has("--dump"), arguments.Has("--json")};
    if (const auto list = arguments.Value("--fields")) {
        auto fields = lumaro::ParseFieldList("pane", *list, err);
        if (!fields) {
            return std::nullopt;
        }
        request.fields = std::move(*fields);
    }
    return request;
}

// CR LF line ends become LF on a terminal.
std::string ForTerminal(const std::string& cp932) {
    const std::string text = platform::Cp932ToUtf8(cp932);
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n') {
            lines += text[i];
        }
    }
    return lines;
}

// The fields the pane shows for the file, and with --dump its entries under "Dump".
std::string PaneJson(const fs::path& file, const PaneRequest& request) {
    const auto block = exif::LoadExifBlock(file);
    std::vector<exif::SummaryFieldId> shown;
    for (const exif::SummaryFieldId id : request.fields) {
        if (exif::PaneShowsField(block, exif::SummaryFieldOf(id))) {
            shown.push_back(id);
        }
    }
    std::string object = lumaro::SummaryJson(block, file, shown);
    if (request.dump) {
        // The summary object's closing brace gives way to one more member.
        object.erase(object.size() - 2);
        object += ",\n  \"Dump\": " + lumaro::DumpJson(block, file) + "\n}";
    }
    return object;
}

std::string PaneText(const fs::path& file, const PaneRequest& request) {
    std::vector<std::string> names;
    for (const exif::SummaryFieldId id : request.fields) {
        names.push_back(exif::SummaryFieldOf(id).name);
    }
    return ForTerminal(exif::BuildDetailPaneText(file, names, request.dump));
}

} // namespace

int RunPaneCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto arguments =
        lumaro::ParseArguments("pane", args, {{"--dump", "--json"}, {"--fields"}}, err);
    const auto request = arguments ? RequestOf(*arguments, err) : std::nullopt;
    if (!request || lumaro::NamesNoFile(*arguments, arguments->operands)) {
        err << kUsage;
        return 2;
    }
    const auto gathered = lumaro::GatherFiles(*arguments, arguments->operands, err);
    if (!gathered) {
        return 2;
    }
    lumaro::JsonArrayWriter array(out);
    int status = gathered->skipped ? 1 : 0;
    for (const fs::path& file : gathered->files) {
        try {
            if (request->json) {
                array.Write(PaneJson(file, *request));
                continue;
            }
            const std::string text = PaneText(file, *request);
            // With more than one file named, each report is headed by its file.
            if (gathered->files.size() > 1 || gathered->skipped) {
                out << "# " << file.string() << '\n';
            }
            out << text;
        } catch (const platform::FileError& error) {
            err << "lumaro: " << error.what() << '\n';
            status = 1;
        }
    }
    if (request->json) {
        array.Finish();
    }
    return status;
}
