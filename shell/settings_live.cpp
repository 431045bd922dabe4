#include "shell/settings_live.h"

#include "shell/settings_values.h"

namespace shell {
namespace {

// The stored index when it lies within a list of `count` items, else the value's default.
int ReadIndex(const SettingsStore& store, const IntegerSetting& setting, std::size_t count) {
    const int index = store.Read(setting);
    return index >= 0 && static_cast<std::size_t>(index) < count ? index : setting.defaultValue;
}

SetupSettings LoadSetup(const SettingsStore& store) {
    using namespace settings;
    SetupSettings setup;
    setup.startInLastFolder = store.Read(kSetupPreFolder);
    setup.homeFolder = store.Read(kSetupPreFolderPath);
    setup.datePattern = ReadIndex(store, kSetupDate1, exif::DatePatternChoices().size());
    setup.dateSeparator = store.Read(kSetupDate2);
    setup.timePattern = ReadIndex(store, kSetupDate3, exif::TimePatternChoices().size());
    setup.timeSeparator = store.Read(kSetupDate4);
    setup.digits = ReadIndex(store, kSetupDate5, kDigitChoiceCount);
    setup.listColumns = ReadColumnList(store, kSetupList).rows;
    setup.largeThumbnails = store.Read(kSetupListThumbSize);
    setup.detailLines = ReadColumnList(store, kSetupDetail).rows;
    setup.detailExif = store.Read(kSetupDetailExif);
    setup.htmlFields = ReadColumnList(store, kSetupHtml).rows;
    setup.csvColumns = ReadColumnList(store, kSetupCsv).rows;
    return setup;
}

ToolSettings LoadTool(const SettingsStore& store) {
    using namespace settings;
    return {store.Read(kToolPre1), store.Read(kToolPre2), store.Read(kToolPreview),
            store.Read(kToolSlide)};
}

// Each of these writes every value, so one that fails loses no other, and reports the first
// failure.
platform::Status SaveSetup(SettingsStore& store, const SetupSettings& setup) {
    using namespace settings;
    for (platform::Status written : {
             store.Write(kSetupPreFolder, setup.startInLastFolder),
             store.Write(kSetupPreFolderPath, setup.homeFolder),
             store.Write(kSetupDate1, setup.datePattern),
             store.Write(kSetupDate2, setup.dateSeparator),
             store.Write(kSetupDate3, setup.timePattern),
             store.Write(kSetupDate4, setup.timeSeparator),
             store.Write(kSetupDate5, setup.digits),
             WriteColumnList(store, kSetupList, setup.listColumns),
             store.Write(kSetupListThumbSize, setup.largeThumbnails),
             WriteColumnList(store, kSetupDetail, setup.detailLines),
             store.Write(kSetupDetailExif, setup.detailExif),
             WriteColumnList(store, kSetupHtml, setup.htmlFields),
             WriteColumnList(store, kSetupCsv, setup.csvColumns),
         }) {
        if (!written) {
            return written;
        }
    }
    return {};
}

platform::Status SaveTool(SettingsStore& store, const ToolSettings& tool) {
    using namespace settings;
    for (platform::Status written : {
             store.Write(kToolPre1, tool.standardPreview),
             store.Write(kToolPre2, tool.fixedPreview),
             store.Write(kToolPreview, tool.previewWidth),
             store.Write(kToolSlide, tool.slideInterval),
         }) {
        if (!written) {
            return written;
        }
    }
    return {};
}

// The item at index, or at the default index when the live copy was given one out of range.
std::string Choice(std::span<const std::string> choices, int index, const IntegerSetting& setting) {
    const bool inside = index >= 0 && static_cast<std::size_t>(index) < choices.size();
    return choices[static_cast<std::size_t>(inside ? index : setting.defaultValue)];
}

} // namespace

LiveSettings LiveSettings::Load(const SettingsStore& store) {
    return {LoadSetup(store), LoadTool(store), ReadExecTable(store)};
}

void LiveSettings::Reload(const SettingsStore& store) {
    *this = Load(store);
}

platform::Status LiveSettings::Save(SettingsStore& store) const {
    for (platform::Status written :
         {SaveSetup(store, setup), SaveTool(store, tool), WriteExecTable(store, exec)}) {
        if (!written) {
            return written;
        }
    }
    return {};
}

exif::NameTemplateSettings LiveSettings::NameTemplate() const {
    const bool digitsInside = setup.digits >= 0 && setup.digits < kDigitChoiceCount;
    return {Choice(exif::DatePatternChoices(), setup.datePattern, settings::kSetupDate1),
            setup.dateSeparator,
            Choice(exif::TimePatternChoices(), setup.timePattern, settings::kSetupDate3),
            setup.timeSeparator, digitsInside ? setup.digits : settings::kSetupDate5.defaultValue};
}

} // namespace shell
