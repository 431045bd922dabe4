#include "setup/uninstall_options.h"

#include "setup/messages.h"

namespace setup {
namespace {

constexpr std::string_view kDeleteAllCaption =
    "アンセットアップ(アンインストール)フォルダ以下の全ファイル・フォルダ";
constexpr std::string_view kIniCaption = "*.INIファイル";
constexpr std::string_view kGidCaption = "*.GIDファイル";

bool FlagAt(std::string_view checkBox, std::size_t index) {
    return checkBox.size() > index && checkBox[index] == '1';
}

} // namespace

UninstallBoxes UninstallBoxesOf(std::string_view checkBox) {
    UninstallBoxes layout;
    auto& boxes = layout.boxes;
    if (checkBox == kDeleteAllOption) {
        boxes[0] = {Cp932Text(kDeleteAllCaption), true, true, true};
        for (std::size_t i = 1; i < boxes.size(); ++i) {
            boxes[i] = {{}, false, false, false};
        }
        layout.firstBoxFullWidth = true;
        return layout;
    }
    boxes[0] = {Cp932Text(kIniCaption), FlagAt(checkBox, 0), true, true};
    boxes[1] = {Cp932Text(kGidCaption), FlagAt(checkBox, 2), true, true};
    boxes[2] = {{}, false, false, true};
    boxes[3] = {{}, false, false, true};
    return layout;
}

UninstallOptions UninstallOptionsOf(const UninstallBoxes& layout) {
    const auto& boxes = layout.boxes;
    const bool othersHidden = !boxes[1].visible && !boxes[2].visible && !boxes[3].visible;
    if (boxes[0].checked && othersHidden) {
        return {true, {}};
    }
    UninstallOptions options;
    if (boxes[0].checked) {
        options.patterns += "*.INI|";
    }
    if (boxes[1].checked) {
        options.patterns += "*.GID|";
    }
    return options;
}

} // namespace setup
