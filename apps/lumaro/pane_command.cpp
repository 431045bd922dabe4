#include "apps/lumaro/pane_command.h"

#include "exif/detail_pane.h"
#include "exif/summary_fields.h"
#include "platform/codepage.h"
#include "platform/file_error.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <vector>

namespace {

constexpr const char* kUsage = "usage: lumaro pane [--fields NAME,NAME...] [--dump] FILE...\n";

struct PaneRequest {
    std::vector<std::string> fields; // CP932 field names
    bool dump = false;
    std::vector<std::string> files;
};

std::vector<std::string> AllFields() {
    std::vector<std::string> names;
    for (const exif::SummaryField& field : exif::SummaryFields()) {
        names.push_back(field.name);
    }
    return names;
}

// The comma-separated names as CP932; nothing when one of them is not a field name.
std::optional<std::vector<std::string>> ParseFields(const std::string& list, std::ostream& err) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, comma - start);
        std::string cp932 = platform::Utf8ToCp932(name);
        if (exif::SummaryFieldIndex(cp932) == 0) {
            err << "lumaro pane: unknown field '" << name << "'\n";
            return std::nullopt;
        }
        names.push_back(std::move(cp932));
        start = comma + 1;
    }
    return names;
}

std::optional<PaneRequest> ParseArguments(std::span<const std::string> args, std::ostream& err) {
    PaneRequest request;
    std::optional<std::vector<std::string>> fields;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--dump") {
            request.dump = true;
        } else if (args[i] == "--fields") {
            if (i + 1 == args.size() || !(fields = ParseFields(args[++i], err))) {
                return std::nullopt;
            }
        } else {
            request.files.push_back(args[i]);
        }
    }
    if (request.files.empty()) {
        return std::nullopt;
    }
    request.fields = fields ? *fields : AllFields();
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

} // namespace

int RunPaneCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const std::optional<PaneRequest> request = ParseArguments(args, err);
    if (!request) {
        err << kUsage;
        return 2;
    }
    int status = 0;
    for (const std::string& file : request->files) {
        try {
            const std::string text =
                exif::BuildDetailPaneText(file, request->fields, request->dump);
            if (request->files.size() > 1) {
                out << "# " << file << '\n';
            }
            out << ForTerminal(text);
        } catch (const platform::FileError& error) {
            err << "lumaro: " << error.what() << '\n';
            status = 1;
        }
    }
    return status;
}
