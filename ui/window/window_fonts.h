#pragma once
// The window's fonts: Calibri for nearly everything, Century Gothic for the
// title. Where they are not installed (Linux), their free metric-compatible
// or look-alike substitutes are used.
#include <QFont>

namespace pluvelle::ui {

// Registers Calibri -> Carlito and Century Gothic -> URW Gothic; harmless
// where the originals exist, since substitutes apply only to missing families.
void InstallFontSubstitutions();

// Sizes in pixels (character heights), as the design gives them.
QFont CalibriPixels(int pixels, bool bold = false, bool italic = false);
QFont TitleFont(int pixels);
// The table cells' text: Calibri at 8 points.
QFont CellFont();

} // namespace pluvelle::ui
