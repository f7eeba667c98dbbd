// Takes a picture of the window with a month open, as a user would see it
// after "Ouvrir un fichier .wlk". Run under a real X server (Xvfb):
//   pluvelle-window-screenshot <month.wlk> <picture.png>
#include "support/scripted_dialogs.h"
#include "ui/window/main_window.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <iostream>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: pluvelle-window-screenshot <month.wlk> <picture.png>\n";
        return 2;
    }
    pluvelle::testing::ScriptedDialogs dialogs;
    dialogs.fileName(std::string(argv[1]));
    pluvelle::ui::TForm1 form(&dialogs);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    QTest::mouseClick(form.controls().OuvrirWLK, Qt::LeftButton);
    for (const std::string& m : dialogs.messages()) std::cerr << m << '\n';
    QTest::qWait(300);
    const QPixmap shot = form.screen()->grabWindow(0);
    return shot.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
