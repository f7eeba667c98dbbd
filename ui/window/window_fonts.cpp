#include "window_fonts.h"

#include <QStringList>

namespace pluvelle::ui {

void InstallFontSubstitutions() {
    QFont::insertSubstitution("Calibri", "Carlito");
    QFont::insertSubstitutions("Century Gothic", QStringList{"URW Gothic", "TeX Gyre Adventor"});
}

QFont CalibriPixels(int pixels, bool bold, bool italic) {
    QFont f("Calibri");
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QFont TitleFont(int pixels) {
    QFont f("Century Gothic");
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

QFont CellFont() {
    QFont f("Calibri");
    f.setPointSize(8);
    return f;
}

} // namespace pluvelle::ui
