#include "apps/lumarouty/start_arguments.h"

#include "shell/ui/file_list_model.h"
#include "shell/ui/form_main.h"

#include <QItemSelectionModel>
#include <QListView>
#include <algorithm>
#include <cstring>
#include <memory>
#include <ostream>

namespace lumarouty {
namespace {

namespace fs = std::filesystem;

fs::path Absolute(const fs::path& path) {
    std::error_code ignored; // a path that cannot be made absolute is tried as given
    const fs::path absolute = fs::absolute(path, ignored);
    return absolute.empty() ? path : absolute.lexically_normal();
}

} // namespace

EarlyAnswer EarlyAnswerOf(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            break;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            return EarlyAnswer::Help;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            return EarlyAnswer::Version;
        }
    }
    return EarlyAnswer::None;
}

void PrintHelp(std::ostream& out) {
    out << "usage: LumaroUty [FOLDER | FILE...]\n"
           "       LumaroUty --help | --version\n\n"
           "The photo-file utility. With a folder it opens that folder; with files it opens the\n"
           "folder of the first and selects the files given in it. Without arguments it opens\n"
           "the folder its settings choose. The window system's own options (-platform ...) are\n"
           "taken as well; \"--\" ends the options.\n";
}

void PrintVersion(std::ostream& out) {
    out << "LumaroUty " << LUMARO_VERSION << '\n';
}

StartPlace StartPlaceOf(const std::vector<std::string>& arguments) {
    StartPlace place;
    bool options = true;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (options && argument == "--") {
            options = false;
            continue;
        }
        if (options && argument.size() > 1 && argument.front() == '-') {
            place.problem = "LumaroUty: unknown option " + argument;
            return place;
        }
        const fs::path path = Absolute(argument);
        std::error_code error;
        // A name that is not there is tried as a folder, as the settings' start folder is.
        const bool folder = fs::is_directory(path, error) || !fs::exists(path, error);
        if (!place.folder) {
            place.folder = folder ? path : path.parent_path();
        }
        if (!folder && path.parent_path() == *place.folder) {
            place.selected.push_back(path);
        }
    }
    return place;
}

void ApplyStartPlace(shell::TFormMain& form, const StartPlace& place) {
    if (!place.folder) {
        return;
    }
    form.SetStartFolder(*place.folder);
    if (place.selected.empty()) {
        return;
    }
    // Once: later fills of the list keep the user's own selection.
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(&form, &shell::TFormMain::ListFilled, &form, [&form, place,
                                                                                 connection] {
        QObject::disconnect(*connection);
        const shell::FileListModel& model = form.ListModel();
        QItemSelectionModel* selection = form.IconView().selectionModel();
        selection->clearSelection();
        for (std::size_t row = 0; row < model.Items().size(); ++row) {
            const fs::path file = model.FileOf(static_cast<int>(row));
            if (std::find(place.selected.begin(), place.selected.end(), Absolute(file)) !=
                place.selected.end()) {
                const QModelIndex index = model.index(static_cast<int>(row), 0);
                selection->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
                selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
                form.IconView().scrollTo(index);
            }
        }
    });
}

} // namespace lumarouty
