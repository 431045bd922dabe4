#include "setup/ini_entries.h"

#include "setup/ini_access.h"
#include "setup/messages.h"

namespace setup {

Flow WriteIniEntries(InstallRun& run) {
    for (const IniFileEntry& entry : run.script.iniFiles) {
        run.Show(Cp932Text(text::kSettingIniFile));
        const std::string file = run.Expand(entry.file);
        platform::Status written = IniWriteString(run.Expand(entry.section), run.Expand(entry.key),
                                                  run.Expand(entry.value), file);
        if (!written) {
            run.report.AddFailure(report_tag::kIniFile, file, written.Error());
        }
        if (run.EndStep() == Flow::Stop) {
            return Flow::Stop;
        }
    }
    return Flow::Go;
}

} // namespace setup
