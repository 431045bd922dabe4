#include "apps/lumaro/names_command.h"

#include "apps/lumaro/arguments.h"
#include "exif/name_templates.h"
#include "platform/codepage.h"
#include "platform/file_error.h"
#include "shell/settings_live.h"
#include "shell/settings_store.h"

#include <charconv>
#include <optional>
#include <ostream>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: lumaro names (--date | --dcf PREFIX) [--to DIR] [--date-pattern N --date-sep S\n"
    "                    --time-pattern N --time-sep S --digits N] FILE...\n";

struct NamesRequest {
    exif::NameMaker maker = nullptr;
    std::string prefix; // CP932
    std::optional<std::filesystem::path> folder;
    exif::NameTemplateSettings settings;
    std::vector<std::filesystem::path> files;
    bool skipped = false; // a name that is no file, told on the error stream
};

// The date-name settings the utility uses, so that a pattern chosen there applies here too.
exif::NameTemplateSettings SavedSettings(std::ostream& err) {
    const shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    if (!store.Problem().empty()) {
        err << "lumaro: " << store.Problem() << "; using the default name settings\n";
    }
    return shell::LiveSettings::Load(store).NameTemplate();
}

std::optional<int> ParseNumber(const std::string& text, int highest) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < 0 ||
        number > highest) {
        return std::nullopt;
    }
    return number;
}

// Applies one option with a value; false when the option is unknown or its value is bad.
bool ApplyOption(const std::string& option, const std::string& value, NamesRequest& request) {
    auto choice = [&](std::span<const std::string> choices, std::string& setting) {
        const auto index = ParseNumber(value, static_cast<int>(choices.size()) - 1);
        if (index) {
            setting = choices[static_cast<std::size_t>(*index)];
        }
        return index.has_value();
    };
    exif::NameTemplateSettings& settings = request.settings;
    if (option == "--dcf") {
        request.maker = exif::MakeSequenceName;
        request.prefix = platform::Utf8ToCp932(value);
    } else if (option == "--to") {
        request.folder = value;
    } else if (option == "--date-pattern") {
        return choice(exif::DatePatternChoices(), settings.datePattern);
    } else if (option == "--time-pattern") {
        return choice(exif::TimePatternChoices(), settings.timePattern);
    } else if (option == "--date-sep") {
        settings.dateSeparator = platform::Utf8ToCp932(value);
    } else if (option == "--time-sep") {
        settings.timeSeparator = platform::Utf8ToCp932(value);
    } else if (option == "--digits") {
        const auto digits = ParseNumber(value, 5);
        settings.digits = digits.value_or(0);
        return digits.has_value();
    } else {
        return false;
    }
    return true;
}

std::optional<NamesRequest> RequestOf(std::span<const std::string> args, std::ostream& err) {
    const auto arguments = lumaro::ParseArguments(
        "names", args,
        {{"--date"},
         {"--dcf", "--to", "--date-pattern", "--date-sep", "--time-pattern", "--time-sep",
          "--digits"}},
        err);
    if (!arguments || arguments->Has("--date") == arguments->Value("--dcf").has_value() ||
        lumaro::NamesNoFile(*arguments, arguments->operands)) {
        return std::nullopt;
    }
    NamesRequest request;
    request.settings = SavedSettings(err);
    request.maker = exif::MakeDateName;
    for (const auto& [option, value] : arguments->values) {
        if (!ApplyOption(option, value, request)) {
            err << "lumaro names: bad value for " << option << '\n';
            return std::nullopt;
        }
    }
    const auto gathered = lumaro::GatherFiles(*arguments, arguments->operands, err);
    if (!gathered) {
        return std::nullopt;
    }
    request.files = gathered->files;
    request.skipped = gathered->skipped;
    return request;
}

// Without --to, each file keeps its own folder: the names a rename in place would give.
std::filesystem::path DestinationOf(const NamesRequest& request,
                                    const std::filesystem::path& file) {
    if (request.folder) {
        return *request.folder;
    }
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

} // namespace

int RunNamesCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const std::optional<NamesRequest> request = RequestOf(args, err);
    if (!request) {
        err << kUsage;
        return 2;
    }
    std::vector<std::filesystem::path> batch;
    int status = request->skipped ? 1 : 0;
    for (const std::filesystem::path& file : request->files) {
        try {
            batch.push_back(request->maker(file, DestinationOf(*request, file), batch,
                                           request->prefix, request->settings));
            out << file.string() << '\t' << batch.back().string() << '\n';
        } catch (const platform::FileError& error) {
            err << "lumaro: " << error.what() << '\n';
            status = 1;
        }
    }
    return status;
}
