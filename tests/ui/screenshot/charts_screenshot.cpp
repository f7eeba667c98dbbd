// Takes a picture of the "Graphiques" window over a month, as a user sees it
// after opening the month and clicking "Graphiques", with one suspect value
// chosen through "Suivant" (or, in a month without any, the seventh day's
// rows selected in the table), zoomed in `zooms` times on it if asked. Run
// under a real X server (Xvfb):
//   pluvelle-charts-screenshot <month.wlk> <picture.png> [zooms]
#include "support/scripted_dialogs.h"
#include "ui/window/chart_panel.h"
#include "ui/window/main_window.h"
#include "ui/window/month_charts.h"
#include "ui/window/month_table_model.h"
#include "ui/window/suspects_panel.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <iostream>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: pluvelle-charts-screenshot <month.wlk> <picture.png> [zooms]\n";
        return 2;
    }
    pluvelle::testing::ScriptedDialogs dialogs;
    dialogs.fileName(std::string(argv[1]));
    pluvelle::ui::TForm1 form(&dialogs);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    QTest::mouseClick(form.controls().OuvrirWLK, Qt::LeftButton);
    for (const std::string& m : dialogs.messages()) std::cerr << m << '\n';
    QTest::mouseClick(form.findChild<QPushButton*>("Graphiques"), Qt::LeftButton);
    pluvelle::ui::ChartPanel* panel = form.charts().panel();
    if (!panel || !QTest::qWaitForWindowExposed(panel)) return 1;
    panel->setGeometry(0, 0, 1600, 900);
    QTest::qWait(300);
    if (panel->suspectsPanel()->nextButton()->isEnabled()) {
        QTest::mouseClick(panel->suspectsPanel()->nextButton(), Qt::LeftButton);
    } else {
        const pluvelle::MonthTable& table = form.session().table;
        int first = 0, last = 0;
        for (int r = 1; r < table.rowCount() && !table.cell(r, 0).empty(); ++r)
            if (table.cell(r, 0).rfind("07/", 0) == 0) {
                if (!first) first = r;
                last = r;
            }
        auto& model = form.tableModel();
        if (first) form.controls().Tableau->selectionModel()->select(
            QItemSelection(model.index(first, 1), model.index(last, 6)), QItemSelectionModel::ClearAndSelect);
    }
    QTest::qWait(300);
    if (argc == 4) {
        const std::vector<double>& times = panel->times();
        const auto& s = panel->series();
        const QModelIndexList chosen = form.controls().Tableau->selectionModel()->selectedIndexes();
        const int row = chosen.isEmpty() ? 1 : chosen.front().row();
        const int i = std::max(0, s.indexOfRow(row));
        for (int n = std::atoi(argv[3]); n > 0 && !times.empty(); --n)
            panel->zoom(times[static_cast<std::size_t>(i)], 0.5);
        QTest::qWait(300);
    }
    return panel->grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
