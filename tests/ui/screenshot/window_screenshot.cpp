// Takes a picture of the window with a month open, as a user would see it
// after "Ouvrir un fichier .wlk"; with --insertion the row insertion band
// open on the fifth row and the pointer over the forecast of the eighth, with
// --sunshine the sunshine band. Run under a real
// X server (Xvfb):
//   pluvelle-window-screenshot <month.wlk> <picture.png> [--insertion | --sunshine]
#include "support/scripted_dialogs.h"
#include "ui/window/main_window.h"
#include "ui/window/month_table_model.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <iostream>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const std::string band = argc == 4 ? argv[3] : "";
    if (argc < 3 || argc > 4 || (argc == 4 && band != "--insertion" && band != "--sunshine")) {
        std::cerr << "usage: pluvelle-window-screenshot <month.wlk> <picture.png> [--insertion | --sunshine]\n";
        return 2;
    }
    pluvelle::testing::ScriptedDialogs dialogs;
    dialogs.fileName(std::string(argv[1]));
    pluvelle::ui::TForm1 form(&dialogs);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    QTest::mouseClick(form.controls().OuvrirWLK, Qt::LeftButton);
    for (const std::string& m : dialogs.messages()) std::cerr << m << '\n';
    if (band == "--sunshine") QTest::mouseClick(form.controls().Ensol, Qt::LeftButton);
    if (band == "--insertion") {
        QTest::mouseClick(form.controls().Inserligne, Qt::LeftButton);
        pluvelle::ui::TableauView* grid = form.controls().Tableau;
        const QRect row = grid->visualRect(form.tableModel().index(5, 3));
        QTest::mouseClick(grid->viewport(), Qt::RightButton, Qt::NoModifier, row.center());
        const QPoint forecast = grid->visualRect(form.tableModel().index(8, 24)).center();
        QMouseEvent move(QEvent::MouseMove, forecast, grid->viewport()->mapToGlobal(forecast), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &move);
    }
    QTest::qWait(300);
    const QPixmap shot = form.screen()->grabWindow(0);
    return shot.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
