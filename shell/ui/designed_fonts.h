#pragma once

// The fonts the main window was designed with, "ＭＳ Ｐゴシック" for the file list and
// "ＭＳ ゴシック" for the detail pane, and the Japanese faces that stand in for them where they
// are not installed.

#include <QFont>

namespace shell {

// Registers the stand-in faces with Qt's font matching; calling it again changes nothing.
void SubstituteDesignedFonts();

[[nodiscard]] QFont DesignedListFont();   // proportional, 12-pixel characters
[[nodiscard]] QFont DesignedDetailFont(); // fixed pitch, 12-pixel characters

} // namespace shell
