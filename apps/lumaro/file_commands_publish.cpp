// lumaro html and lumaro csv.

#include "apps/lumaro/file_commands.h"
#include "apps/lumaro/file_commands_options.h"
#include "commands/console_ports.h"
#include "platform/codepage.h"
#include "platform/file_error.h"
#include "publish/album.h"
#include "publish/album_pages.h"
#include "publish/album_types.h"
#include "publish/csv_listing.h"
#include "publish/publish_fields.h"
#include "publish/text_file.h"
#include "shell/settings_columns.h"
#include "shell/settings_store.h"

#include <algorithm>
#include <ostream>

namespace {

namespace fs = std::filesystem;
using namespace lumaro_files;

constexpr const char* kHtmlUsage =
    "html --out DIR --type T [--width N] [--thumb-width N] [--existing replace|exif|keep]\n"
    "       [--templates DIR] [--dry-run] [--yes] FILE...";

// The ticked fields of a column list of the settings (HTML or CSV), as their names.
std::vector<std::string> SavedFields(const shell::ColumnListSetting& list, std::ostream& err) {
    const shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    if (!store.Problem().empty()) {
        err << "lumaro: " << store.Problem() << "; using the default field lists\n";
    }
    return publish::TickedFieldNames(shell::ReadColumnList(store, list).rows);
}

std::optional<publish::ExistingImages> ExistingOf(const std::string& text) {
    if (text == "replace") {
        return publish::ExistingImages::Replace;
    }
    if (text == "exif") {
        return publish::ExistingImages::CopyExif;
    }
    if (text == "keep") {
        return publish::ExistingImages::Keep;
    }
    return std::nullopt;
}

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error);
}

// What a run would write, one tab-separated line per file: phase, source, output.
void PrintAlbumPlan(const publish::AlbumRequest& request, std::ostream& out) {
    const fs::path& folder = request.values.folder;
    const auto templateOf = [&](const std::string& role) {
        return request.templateFolder / (request.albumType + "_" + role + ".html");
    };
    for (const fs::path& picture : request.pictures) {
        out << "標準画像作成\t" << picture.string() << '\t'
            << (folder / picture.filename()).string() << '\n';
    }
    for (const fs::path& picture : request.pictures) {
        out << "サムネイル画像作成\t" << picture.string() << '\t'
            << (folder / "thumbnail" / picture.filename()).string() << '\n';
    }
    for (const std::string page : {"index", "contents"}) {
        const publish::PageTemplates parts =
            publish::PageTemplatesOf(request.templateFolder, request.albumType, page);
        if (Exists(parts.whole) || Exists(parts.top) || Exists(parts.body) ||
            Exists(parts.bottom)) {
            out << page << ".html 作成\t\t" << (folder / (page + ".html")).string() << '\n';
        }
    }
    if (Exists(templateOf("index")) && Exists(templateOf("intop"))) {
        out << "detail 作成\t\t" << (folder / "intop.html").string() << '\n';
    }
    if (Exists(templateOf("detail"))) {
        for (const fs::path& picture : request.pictures) {
            out << "detail 作成\t" << picture.string() << '\t'
                << (folder / fs::path(picture.filename()).replace_extension(".html")).string()
                << '\n';
        }
    }
}

std::optional<publish::AlbumRequest> AlbumRequestOf(const Arguments& arguments,
                                                    std::vector<fs::path> pictures,
                                                    std::ostream& err) {
    const auto existing = ExistingOf(arguments.Value("--existing").value_or("replace"));
    if (!arguments.Value("--out") || !arguments.Value("--type") || !existing) {
        return std::nullopt;
    }
    publish::AlbumRequest request;
    request.values.folder = *arguments.Value("--out");
    request.values.width = arguments.Value("--width").value_or("640");
    request.values.thumbnailWidth = arguments.Value("--thumb-width").value_or("200");
    request.values.existing = *existing;
    request.albumType = *arguments.Value("--type");
    request.templateFolder = arguments.Value("--templates")
                                 ? fs::path(*arguments.Value("--templates"))
                                 : publish::ProgramTemplateFolder();
    request.pictures = std::move(pictures);
    request.fields = SavedFields(shell::settings::kSetupHtml, err);
    return request;
}

// The output folder and its thumbnail folder, made as copy makes its destination: a script
// that names a new folder wants it.
bool MakeAlbumFolders(const fs::path& folder, std::ostream& err) {
    std::error_code error;
    fs::create_directories(folder / "thumbnail", error);
    if (error) {
        err << "lumaro html: cannot create the folder " << (folder / "thumbnail").string() << ": "
            << error.message() << '\n';
        return false;
    }
    return true;
}

bool IsKnownType(const publish::AlbumRequest& request, std::ostream& err) {
    const std::vector<std::string> types = publish::AlbumTypes(request.templateFolder);
    if (std::find(types.begin(), types.end(), request.albumType) != types.end()) {
        return true;
    }
    err << "lumaro html: no album type \"" << request.albumType << "\" in "
        << request.templateFolder.string() << "; there are:";
    for (const std::string& type : types) {
        err << ' ' << type;
    }
    err << '\n';
    return false;
}

// The files the operands name; nothing for none at all or an unreadable list.
std::optional<lumaro::GatheredFiles> FilesOf(const std::optional<Arguments>& arguments,
                                             std::ostream& err) {
    if (!arguments || lumaro::NamesNoFile(*arguments, arguments->operands)) {
        return std::nullopt;
    }
    return lumaro::GatherFiles(*arguments, arguments->operands, err);
}

} // namespace

int RunHtmlCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto arguments = ParseFileArguments(
        "html", args,
        {{}, {"--out", "--type", "--width", "--thumb-width", "--existing", "--templates"}}, err);
    const auto files = FilesOf(arguments, err);
    const auto request = files ? AlbumRequestOf(*arguments, files->files, err) : std::nullopt;
    if (!request) {
        err << "usage: lumaro " << kHtmlUsage << '\n';
        return 2;
    }
    if (!IsKnownType(*request, err)) {
        return 2;
    }
    if (arguments->Has("--dry-run")) {
        PrintAlbumPlan(*request, out);
        return files->skipped ? 1 : 0;
    }
    if (!MakeAlbumFolders(request->values.folder, err)) {
        return 1;
    }
    ThrottledStream report(err);
    ConsolePublishPort port(report.Stream(), arguments->Has("--yes"));
    commands::ConsoleProgress progress(report.Stream());
    const bool generated = publish::RunAlbum(*request, port, progress) == publish::AlbumEnd::Generated;
    return generated && !port.Told() && !files->skipped ? 0 : 1;
}

int RunCsvCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto arguments = ParseFileArguments("csv", args, {{}, {"--out"}}, err);
    const auto files = arguments && arguments->Value("--out") ? FilesOf(arguments, err)
                                                              : std::nullopt;
    if (!files) {
        err << "usage: lumaro csv --out FILE|- [--dry-run] FILE...\n";
        return 2;
    }
    const std::vector<std::string> fields = SavedFields(shell::settings::kSetupCsv, err);
    try {
        const std::string listing = publish::CsvListing(files->files, fields);
        // A dry run and "--out -" print the listing; the file gets the system code page.
        if (arguments->Has("--dry-run") || *arguments->Value("--out") == "-") {
            out << platform::Cp932ToUtf8(listing);
        } else {
            publish::WriteTextFile(*arguments->Value("--out"), listing);
        }
    } catch (const platform::FileError& error) {
        err << "lumaro: " << error.what() << '\n';
        return 1;
    }
    return files->skipped ? 1 : 0;
}
