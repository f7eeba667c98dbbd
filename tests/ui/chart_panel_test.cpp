// The "Graphiques" window over a loaded month: its lines, the way both to
// and from the table, the suspect values in the charts, the list and the
// grid, and the zoom.
#include "window_fixture.h"

#include "ui/window/cell_navigation.h"
#include "ui/window/cell_painter.h"
#include "ui/window/chart_pane.h"
#include "ui/window/chart_panel.h"
#include "ui/window/month_charts.h"
#include "ui/window/suspect_marks.h"
#include "ui/window/suspects_panel.h"
#include "ui/window/window_colours.h"

#include "core/conversions.h"

#include <QCheckBox>
#include <QDateTime>
#include <QLabel>
#include <QLineSeries>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QTest>

namespace pluvelle::ui::testing {
namespace {

double At(int day, int hour, int minute) {
    return static_cast<double>(QDateTime(QDate(2014, 7, day), QTime(hour, minute)).toMSecsSinceEpoch());
}

class ChartPanelTest : public WindowTest {
protected:
    // The month loaded and the chart window opened through its button.
    ChartPanel& open() {
        load(monthPath);
        auto* button = control<QPushButton>("Graphiques");
        EXPECT_TRUE(button && button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        ChartPanel* panel = form->charts().panel();
        EXPECT_TRUE(panel && panel->isVisible());
        settle();
        return *panel;
    }
    // Lets the coalesced work (suspect search, charts) run.
    void settle() {
        QApplication::processEvents();
        form->charts().suspects().refresh();
        if (ChartPanel* panel = form->charts().panel()) panel->refresh();
        QApplication::processEvents();
    }
    std::pair<int, int> current() {
        const QModelIndex i = form->controls().Tableau->currentIndex();
        return {i.row(), i.column()};
    }
    void edit(int row, int col, const char* text) {
        ASSERT_TRUE(model().setData(model().index(row, col), QString(text)));
        settle();
    }
};

TEST_F(ChartPanelTest, TheButtonWaitsForAMonth) {
    EXPECT_FALSE(control<QPushButton>("Graphiques")->isVisible());
    EXPECT_EQ(control<QPushButton>("Graphiques")->text(), "Graphiques");
}

TEST_F(ChartPanelTest, ShowsTheSeriesOfALoadedMonth) {
    ChartPanel& panel = open();
    // Day 3 from 00:05 to 00:30, day 4 from 00:05 to 00:15.
    const double first = At(3, 0, 5), last = At(4, 0, 15);
    for (ChartQuantity q : {ChartQuantity::Temperature, ChartQuantity::Pressure, ChartQuantity::Humidity,
                            ChartQuantity::Gust, ChartQuantity::RainTotal, ChartQuantity::Radiation}) {
        const QLineSeries* line = panel.line(q);
        ASSERT_EQ(line->count(), 9) << InfoOf(q).label;
        EXPECT_TRUE(line->isVisible() && panel.pane(q)->isVisible());
        EXPECT_EQ(line->at(0).x(), first);
        EXPECT_EQ(line->at(8).x(), last);
        EXPECT_DOUBLE_EQ(line->at(0).y(), ParseNumber(cell(1, InfoOf(q).column))) << InfoOf(q).label;
    }
    // The whole days of the month's records.
    EXPECT_EQ(panel.shownFrom(), At(3, 0, 0));
    EXPECT_EQ(panel.shownTo(), At(5, 0, 0));
}

TEST_F(ChartPanelTest, UntickedLinesAndEmptyBandsAreHidden) {
    ChartPanel& panel = open();
    panel.checkBox(ChartQuantity::Pressure)->setChecked(false);
    panel.checkBox(ChartQuantity::Wind)->setChecked(false);
    settle();
    EXPECT_FALSE(panel.pane(ChartQuantity::Pressure)->isVisible());
    EXPECT_TRUE(panel.pane(ChartQuantity::Gust)->isVisible());  // the gusts still show
    EXPECT_FALSE(panel.line(ChartQuantity::Wind)->isVisible());
    EXPECT_EQ(panel.line(ChartQuantity::Wind)->count(), 0);
}

TEST_F(ChartPanelTest, AClickOnAPointSelectsItsCell) {
    ChartPanel& panel = open();
    struct Case {
        ChartQuantity q;
        int record;  // 0-based, in time order
        int row, col;
    } const cases[] = {
        {ChartQuantity::Pressure, 4, 5, 5},
        {ChartQuantity::Temperature, 7, 8, 1},
        {ChartQuantity::Humidity, 0, 1, 6},
    };
    for (const Case& c : cases) {
        ChartPane* pane = panel.pane(c.q);
        const QPointF point = panel.line(c.q)->at(c.record);
        const QPoint pixel = pane->pixelOf(c.q, point.x(), point.y()).toPoint();
        QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, pixel);
        EXPECT_EQ(current(), std::make_pair(c.row, c.col)) << InfoOf(c.q).label;
        EXPECT_TRUE(form->controls().Tableau->selectionModel()->isSelected(model().index(c.row, c.col)));
    }
}

TEST_F(ChartPanelTest, TheTableSelectionShowsOnEveryBand) {
    ChartPanel& panel = open();
    auto* view = form->controls().Tableau;
    view->selectionModel()->select(QItemSelection(model().index(2, 3), model().index(4, 6)),
                                   QItemSelectionModel::ClearAndSelect);
    settle();
    const std::vector<std::pair<double, double>> expected = {{At(3, 0, 10), At(3, 0, 20)}};
    EXPECT_EQ(panel.pane(ChartQuantity::Temperature)->selectionBands(), expected);
    EXPECT_EQ(panel.pane(ChartQuantity::Radiation)->selectionBands(), expected);
    view->selectionModel()->clearSelection();
    settle();
    EXPECT_TRUE(panel.pane(ChartQuantity::Pressure)->selectionBands().empty());
}

TEST_F(ChartPanelTest, AnEditedSpikeLeavesTheSuspectsOnceCorrected) {
    ChartPanel& panel = open();
    SuspectsPanel& list = *panel.suspectsPanel();
    QScatterSeries* marks = panel.pane(ChartQuantity::Temperature)->suspectMarks();
    auto* view = form->controls().Tableau;
    const auto tinted = [&] {
        view->selectionModel()->clearSelection();
        QApplication::processEvents();
        const QImage grid = view->viewport()->grab().toImage();
        const QRect r = view->visualRect(model().index(3, 1));
        return grid.pixelColor(r.left() + 30, r.top() + 2);
    };
    EXPECT_EQ(list.count()->text(), "Aucune valeur suspecte");
    EXPECT_EQ(marks->count(), 0);

    edit(3, 1, "35.0");  // 15 °C in five minutes
    ASSERT_EQ(form->charts().suspects().list().items().size(), 1u);
    EXPECT_TRUE(model().data(model().index(3, 1), kSuspectRole).toBool());
    EXPECT_EQ(list.count()->text(), "1 valeur suspecte");
    EXPECT_EQ(list.list()->model()->rowCount(), 1);
    EXPECT_TRUE(list.list()->model()->index(0, 0).data().toString().startsWith("03/07/2014 00:15  TempExt 35.0"));
    ASSERT_EQ(marks->count(), 1);
    EXPECT_EQ(marks->at(0), QPointF(At(3, 0, 15), 35.0));
    EXPECT_EQ(panel.line(ChartQuantity::Temperature)->at(2).y(), 35.0);  // the line follows the edit
    const QColor spikeColour = tinted();
    EXPECT_NE(spikeColour, kOddRow);
    EXPECT_LT(spikeColour.blue(), 200);

    edit(3, 1, "20.1");
    EXPECT_TRUE(form->charts().suspects().list().items().empty());
    EXPECT_FALSE(model().data(model().index(3, 1), kSuspectRole).toBool());
    EXPECT_EQ(list.count()->text(), "Aucune valeur suspecte");
    EXPECT_EQ(marks->count(), 0);
    EXPECT_EQ(tinted(), kOddRow);
}

TEST_F(ChartPanelTest, NextAndPreviousSelectTheSuspectCells) {
    ChartPanel& panel = open();
    edit(3, 1, "35.0");
    edit(8, 5, "1030.0");
    SuspectsPanel& list = *panel.suspectsPanel();
    const std::pair<int, int> a{3, 1}, b{8, 5};
    QTest::mouseClick(list.nextButton(), Qt::LeftButton);
    EXPECT_EQ(current(), a);
    EXPECT_EQ(list.list()->currentIndex().row(), 0);
    QTest::mouseClick(list.nextButton(), Qt::LeftButton);
    EXPECT_EQ(current(), b);
    QTest::mouseClick(list.nextButton(), Qt::LeftButton);
    EXPECT_EQ(current(), a);  // round again
    QTest::mouseClick(list.previousButton(), Qt::LeftButton);
    EXPECT_EQ(current(), b);
    EXPECT_EQ(list.list()->currentIndex().row(), 1);
    // From a cell chosen in the table.
    SelectTableCell(*form->controls().Tableau, 5, 2);
    QTest::mouseClick(list.previousButton(), Qt::LeftButton);
    EXPECT_EQ(current(), a);
}

TEST_F(ChartPanelTest, TheWheelZoomsAndADragMovesAlongTime) {
    ChartPanel& panel = open();
    ChartPane* pane = panel.pane(ChartQuantity::Pressure);
    const double wholeFrom = panel.shownFrom(), wholeTo = panel.shownTo();
    const QPoint middle = pane->viewport()->rect().center();
    const double centre = pane->timeAt(middle.x());
    QWheelEvent wheel(middle, pane->viewport()->mapToGlobal(middle), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(pane->viewport(), &wheel);
    settle();
    EXPECT_NEAR(panel.shownTo() - panel.shownFrom(), (wholeTo - wholeFrom) * 0.8, 1);
    // The time under the pointer stays, to a pixel or two.
    const double perPixel = (panel.shownTo() - panel.shownFrom()) / pane->plotWidth();
    EXPECT_NEAR(pane->timeAt(middle.x()), centre, 2 * perPixel);

    const double before = panel.shownFrom();
    const auto selected = current();
    QTest::mousePress(pane->viewport(), Qt::LeftButton, {}, middle);
    QTest::mouseMove(pane->viewport(), middle - QPoint(50, 0));
    QTest::mouseRelease(pane->viewport(), Qt::LeftButton, {}, middle - QPoint(50, 0));
    settle();
    EXPECT_GT(panel.shownFrom(), before);  // dragged left: later times come in
    EXPECT_EQ(current(), selected);        // a drag is no click

    QTest::mouseClick(panel.findChild<QPushButton*>("ToutLeMois"), Qt::LeftButton);
    settle();
    EXPECT_EQ(panel.shownFrom(), wholeFrom);
    EXPECT_EQ(panel.shownTo(), wholeTo);
}

// The painter's tint never takes the place of the selection's colours.
TEST(SuspectCells, TintOverTheRowColourButNotOverTheSelection) {
    struct Case {
        int row;
        bool selected, suspect;
        QColor background;
    } const cases[] = {
        {1, false, false, kOddRow},
        {2, false, false, kEvenRow},
        {1, true, true, kTeal},
        {2, true, false, kTeal},
    };
    for (const Case& c : cases) {
        QImage image(72, 24, QImage::Format_RGB32);
        QPainter painter(&image);
        AlterneCouleurs(painter, QRect(0, 0, 72, 24), c.row, c.selected, "", c.suspect);
        painter.end();
        EXPECT_EQ(image.pixelColor(30, 10), c.background) << c.row << c.selected << c.suspect;
        // The corner mark tells a suspect cell even when selected.
        EXPECT_EQ(image.pixelColor(68, 1) == kSuspectMark, c.suspect);
    }
    for (int row : {1, 2}) {
        QImage image(72, 24, QImage::Format_RGB32);
        QPainter painter(&image);
        AlterneCouleurs(painter, QRect(0, 0, 72, 24), row, false, "", true);
        painter.end();
        const QColor tint = image.pixelColor(30, 10);
        EXPECT_NE(tint, row == 1 ? kOddRow : kEvenRow);
        EXPECT_GT(tint.red(), tint.blue() + 40) << row;  // orange over the row's white
    }
}

} // namespace
} // namespace pluvelle::ui::testing
