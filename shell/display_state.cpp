#include "shell/display_state.h"

#include "platform/codepage.h"
#include "shell/settings_values.h"

namespace shell {

DisplayState ReadDisplayState(const SettingsStore& store) {
    return DisplayState{
        store.Read(settings::kDisplayLeftW),
        store.Read(settings::kDisplayFolderH),
        store.Read(settings::kDisplayList),
        store.Read(settings::kDisplayThumb),
        platform::Cp932ToPath(store.Read(settings::kDisplayCurDirectory)),
    };
}

platform::Status WriteDisplayState(SettingsStore& store, const DisplayState& state) {
    const platform::Status results[] = {
        store.Write(settings::kDisplayLeftW, state.leftWidth),
        store.Write(settings::kDisplayFolderH, state.folderHeight),
        store.Write(settings::kDisplayCurDirectory, platform::PathToCp932(state.folder)),
        store.Write(settings::kDisplayList, state.listView),
        store.Write(settings::kDisplayThumb, state.thumbnailView),
    };
    for (const platform::Status& result : results) {
        if (!result.Ok()) {
            return result;
        }
    }
    return {};
}

} // namespace shell
