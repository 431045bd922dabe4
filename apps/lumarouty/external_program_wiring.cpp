#include "apps/lumarouty/external_program_wiring.h"

namespace lumarouty {

std::unique_ptr<shell::ProgramLauncher> WireExternalPrograms(TFormMain& form,
                                                             const shell::LiveSettings& live) {
    auto launcher = std::make_unique<shell::ProgramLauncher>(live.exec, &form, [&form] {
        if (!form.CurrentFolder().empty()) {
            form.FillList();
        }
    });
    form.SetExternalProgramLauncher(launcher.get());
    return launcher;
}

} // namespace lumarouty
