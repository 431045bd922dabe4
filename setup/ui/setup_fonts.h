#pragma once

// The installer's fonts: the Japanese proportional Gothic at 12 pixels throughout, the big
// italic title of the background window, and its product label in a serif face. Where the
// designed faces are missing, free faces of the same kind stand in.

#include <QFont>

namespace setup_ui {

// Registers the stand-ins once; every font below asks for the designed face by name.
void SubstituteSetupFonts();

[[nodiscard]] QFont SetupFont();
[[nodiscard]] QFont BackTitleFont();
[[nodiscard]] QFont ProductFont();

} // namespace setup_ui
