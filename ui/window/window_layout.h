#pragma once
// Where the window's controls sit. Positions and sizes are those of the
// 1406 × 743 design; each activation then fits the window to the screen and
// moves the few controls that follow its width.
#include <QRect>
#include <QSize>

namespace pluvelle::ui {

inline constexpr QSize kDesignClientSize{1406, 743};

// The table's cells, lines not included: the grid draws a 2-pixel line to
// the right of and below every cell.
inline constexpr int kGridLineWidth = 2;
inline constexpr int kDateColumnWidth = 115;
inline constexpr int kValueColumnWidth = 70;
inline constexpr int kTitleRowHeight = 30;
inline constexpr int kRowHeight = 22;

inline constexpr QRect kTableauDesign{8, 129, 1140, 545};
inline constexpr int kTitreTop = 50;
inline constexpr int kAttributionTop = 726;

// What activation sets for a screen of the given size.
struct ActivationGeometry {
    QRect window;          // the window's outer frame
    int attributionLeft;   // the small attribution label
    int titleLeft;         // `Titre`
    int tableLeft;
    int tableWidth;
};

ActivationGeometry ActivationGeometryFor(QSize screen);

} // namespace pluvelle::ui
