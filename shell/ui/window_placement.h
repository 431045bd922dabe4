#pragma once

// The main window's placement record and the window's geometry. The record's rectangle holds
// the restored window's client area in screen coordinates: a window's frame is not known before
// the window system has shown it, so a rectangle of the client area restores exactly.

#include "shell/settings_records.h"

class QWidget;

namespace shell {

// The show commands of the record's platform.
inline constexpr std::uint32_t kShowNormal = 1;
inline constexpr std::uint32_t kShowMinimized = 2;
inline constexpr std::uint32_t kShowMaximized = 3;

[[nodiscard]] WindowPlacement PlacementOf(const QWidget& window);

// Takes only position and size: the window is not shown yet, so the stored show state does
// not apply. A rectangle without area leaves the window as designed; one that lies on no
// screen gives only its size.
void ApplyPlacement(QWidget& window, const WindowPlacement& placement);

} // namespace shell
