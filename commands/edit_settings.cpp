#include "commands/edit_settings.h"

#include "platform/codepage.h"
#include "shell/settings_values.h"

namespace commands {
namespace {

namespace settings = shell::settings;

// Settings that cannot be written are lost without a word, as the store's other users do.
void Ignore(const platform::Status&) {}

struct OutputValues {
    const shell::StringSetting& folder;
    const shell::BooleanSetting& copyToFolder;
};

OutputValues ValuesOf(ExifOutputSection section) {
    if (section == ExifOutputSection::Add) {
        return {settings::kExifAddEditFolder, settings::kExifAddCheckBoxFolder};
    }
    return {settings::kExifDelEditFolder, settings::kExifDelCheckBoxFolder};
}

} // namespace

DateEditSettings ReadDateEditSettings(const shell::SettingsStore& store) {
    DateEditSettings result;
    if (store.Read(settings::kEditDateRadioButton1)) {
        result.source = DateSource::FileTime;
    }
    if (store.Read(settings::kEditDateRadioButton2)) {
        result.source = DateSource::Given;
    }
    if (store.Read(settings::kEditDateRadioButton3)) {
        result.source = DateSource::Shift;
    }
    result.targets = {store.Read(settings::kEditDateDateTime),
                      store.Read(settings::kEditDateDateTimeOriginal),
                      store.Read(settings::kEditDateDateTimeDigitized)};
    return result;
}

void WriteDateEditSettings(shell::SettingsStore& store, const DateEditSettings& values) {
    Ignore(store.Write(settings::kEditDateRadioButton1, values.source == DateSource::FileTime));
    Ignore(store.Write(settings::kEditDateRadioButton2, values.source == DateSource::Given));
    Ignore(store.Write(settings::kEditDateRadioButton3, values.source == DateSource::Shift));
    Ignore(store.Write(settings::kEditDateDateTime, values.targets.dateTime));
    Ignore(store.Write(settings::kEditDateDateTimeOriginal, values.targets.dateTimeOriginal));
    Ignore(store.Write(settings::kEditDateDateTimeDigitized, values.targets.dateTimeDigitized));
}

std::filesystem::path ReadExifCopyFolder(const shell::SettingsStore& store) {
    return platform::Cp932ToPath(store.Read(settings::kExifCopyEditFolder));
}

void WriteExifCopyFolder(shell::SettingsStore& store, const std::filesystem::path& folder) {
    Ignore(store.Write(settings::kExifCopyEditFolder, platform::PathToCp932(folder)));
}

OutputChoice ReadExifOutput(const shell::SettingsStore& store, ExifOutputSection section) {
    const OutputValues values = ValuesOf(section);
    return {store.Read(values.copyToFolder), platform::Cp932ToPath(store.Read(values.folder))};
}

void WriteExifOutput(shell::SettingsStore& store, ExifOutputSection section,
                     const OutputChoice& output) {
    const OutputValues values = ValuesOf(section);
    Ignore(store.Write(values.folder, platform::PathToCp932(output.folder)));
    Ignore(store.Write(values.copyToFolder, output.copyToFolder));
}

} // namespace commands
