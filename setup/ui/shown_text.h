#pragma once

// Engine text becomes window text here, once: CP932 to QString, and the platform's line breaks
// ("\r", "\r\n") to Qt's.

#include <QString>
#include <string>
#include <string_view>

namespace setup_ui {

// CP932 engine text as the windows show it.
[[nodiscard]] QString Shown(std::string_view cp932);

// A UTF-8 text of the program (setup/window_messages.h and the like).
[[nodiscard]] QString Utf8(std::string_view utf8);

// The text with a zero-width space after each "\", so that word wrap may break a long path
// at its folders instead of running past the window's edge.
[[nodiscard]] QString Breakable(const QString& text);

// What the user typed, as CP932 engine text.
[[nodiscard]] std::string EngineText(const QString& text);

} // namespace setup_ui
