#pragma once

// The engine's message boxes and questions as modal boxes over the active window.

#include "setup/ports.h"

namespace setup_ui {

class MessageBoxes : public setup::MessagePort {
public:
    [[nodiscard]] setup::Answer Show(const setup::MessageBox& box) override;
};

} // namespace setup_ui
