#include "window_layout.h"

namespace pluvelle::ui {

ActivationGeometry ActivationGeometryFor(QSize screen) {
    const int w = screen.width();
    constexpr int tableLeft = 16;
    return ActivationGeometry{
        QRect(1, 1, w, screen.height()),
        w - 150,
        (w - 120) / 2,
        tableLeft,
        w - 3 * tableLeft,  // three left margins less than the screen
    };
}

} // namespace pluvelle::ui
