#include "shell/ui/window_placement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace shell {
namespace {

// The platform's placement call writes -1 for positions a window never had.
constexpr WindowPoint kNoPosition{-1, -1};

} // namespace

WindowPlacement PlacementOf(const QWidget& window) {
    const QRect normal =
        window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    std::uint32_t show = kShowNormal;
    if (window.isMaximized()) {
        show = kShowMaximized;
    } else if (window.isMinimized()) {
        show = kShowMinimized;
    }
    return WindowPlacement{0, show, kNoPosition, kNoPosition,
                           WindowRect{normal.left(), normal.top(), normal.left() + normal.width(),
                                      normal.top() + normal.height()}};
}

void ApplyPlacement(QWidget& window, const WindowPlacement& placement) {
    const WindowRect& rect = placement.normalPosition;
    const std::int64_t width = std::int64_t{rect.right} - rect.left;
    const std::int64_t height = std::int64_t{rect.bottom} - rect.top;
    if (width <= 0 || height <= 0 || width > QWIDGETSIZE_MAX || height > QWIDGETSIZE_MAX) {
        return;
    }
    const QRect wanted(rect.left, rect.top, static_cast<int>(width), static_cast<int>(height));
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(wanted)) {
            window.setGeometry(wanted);
            return;
        }
    }
    window.resize(wanted.size());
}

} // namespace shell
