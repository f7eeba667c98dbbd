// The grid as drawn and handled: cell colours and text, the fixed title row
// and date column, hit testing, typing into a cell, long months.
#include "window_fixture.h"

#include "ui/window/tableau_view.h"
#include "ui/window/window_colours.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTest>

namespace pluvelle::ui::testing {
namespace {

class TableViewTest : public WindowTest {
protected:
    TableauView* view() { return control<TableauView>("Tableau"); }

    // The cell's rectangle in the grab of the whole grid; the date column is
    // drawn by the view laid over the left edge.
    QRect cellRect(int row, int col) {
        QTableView* shown = col == 0 ? view()->dateColumn() : static_cast<QTableView*>(view());
        const QRect r = shown->visualRect(model().index(row, col));
        return r.translated(shown->viewport()->mapTo(view(), QPoint(0, 0)));
    }

    QImage grabGrid() {
        QApplication::processEvents();
        return view()->grab().toImage();
    }
};

bool IsNavyText(const QColor& c) { return c.blue() > 90 && c.red() < 80 && c.green() < 80; }
bool IsWhiteText(const QColor& c) { return c.red() > 200 && c.green() > 200 && c.blue() > 200; }

// Whether any pixel of the rectangle satisfies `test`.
template <typename Test>
bool AnyPixel(const QImage& image, const QRect& rect, Test test) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (test(image.pixelColor(x, y))) return true;
    return false;
}

TEST_F(TableViewTest, CellsAlternateAndTheSelectionIsTeal) {
    load(monthPath);
    view()->selectionModel()->select(model().index(3, 2), QItemSelectionModel::ClearAndSelect);
    const QImage image = grabGrid();
    struct Case {
        int row, col;
        QColor background;
    } const cases[] = {
        {1, 1, kOddRow}, {2, 1, kEvenRow}, {5, 4, kOddRow},  {3, 2, kTeal},
        {1, 0, kOddRow}, {2, 0, kEvenRow}, {3, 0, kOddRow},  {12, 7, kEvenRow},  // empty rows too
    };
    for (const Case& c : cases) {
        const QRect r = cellRect(c.row, c.col);
        EXPECT_EQ(image.pixelColor(r.left() + 60, r.top() + 2), c.background) << c.row << "," << c.col;
        // The 2-pixel line to the right of and below the cell.
        const int lineX = r.left() + (c.col == 0 ? 115 : 70);
        EXPECT_EQ(image.pixelColor(lineX - 1, r.top() + 2), c.background) << c.row << "," << c.col;
        EXPECT_EQ(image.pixelColor(lineX, r.top() + 2), kGridLine) << c.row << "," << c.col;
        EXPECT_EQ(image.pixelColor(lineX + 1, r.top() + 2), kGridLine) << c.row << "," << c.col;
        EXPECT_EQ(image.pixelColor(r.left() + 2, r.top() + 22), kGridLine) << c.row << "," << c.col;
        EXPECT_EQ(image.pixelColor(r.left() + 2, r.top() + 23), kGridLine) << c.row << "," << c.col;
    }
}

TEST_F(TableViewTest, TextIsNavyOrWhiteOnTheSelectionAndStartsThreeRightFiveDown) {
    load(monthPath);
    view()->selectionModel()->select(model().index(3, 2), QItemSelectionModel::ClearAndSelect);
    const QImage image = grabGrid();
    const QRect plain = cellRect(1, 1);
    const QRect selected = cellRect(3, 2);
    EXPECT_TRUE(AnyPixel(image, plain.adjusted(3, 5, -2, -2), IsNavyText));
    EXPECT_TRUE(AnyPixel(image, selected.adjusted(3, 5, -2, -2), IsWhiteText));
    EXPECT_FALSE(AnyPixel(image, selected.adjusted(3, 5, -2, -2), IsNavyText));
    EXPECT_TRUE(AnyPixel(image, cellRect(1, 0).adjusted(3, 5, -2, -2), IsNavyText));
    // Nothing is written in the margins above and left of the text.
    const auto notBackground = [](const QColor& c) { return c != kOddRow; };
    EXPECT_FALSE(AnyPixel(image, QRect(plain.left(), plain.top(), 70, 5), notBackground));
    EXPECT_FALSE(AnyPixel(image, QRect(plain.left(), plain.top(), 3, 22), notBackground));
}

TEST_F(TableViewTest, TitleRowIsSilverAndStaysWhileTheRestScrolls) {
    load(monthPath);
    QImage image = grabGrid();
    const QHeaderView* titles = view()->horizontalHeader();
    const QPoint titleCell = titles->mapTo(view(), QPoint(titles->sectionViewportPosition(3) + 60, 3));
    EXPECT_EQ(image.pixelColor(titleCell), kSilver);
    EXPECT_EQ(titles->height(), 32);

    view()->verticalScrollBar()->setValue(400);
    view()->horizontalScrollBar()->setValue(500);
    image = grabGrid();
    EXPECT_EQ(view()->rowAt(0), view()->dateColumn()->rowAt(0));
    EXPECT_GT(view()->rowAt(0), 300);
    EXPECT_EQ(view()->dateColumn()->horizontalHeader()->sectionViewportPosition(0), 0);
    const QPoint dateTitle = view()->dateColumn()->horizontalHeader()->mapTo(view(), QPoint(60, 3));
    EXPECT_EQ(image.pixelColor(dateTitle), kSilver);
    // The date column, its title included, lies over what scrolled under it.
    EXPECT_TRUE(view()->dateColumn()->isAncestorOf(view()->childAt(dateTitle)));
    EXPECT_TRUE(view()->dateColumn()->isAncestorOf(view()->childAt(cellRect(view()->rowAt(0) + 1, 0).center())));
}

TEST_F(TableViewTest, HitTestNamesTitlesAsRowZeroAndDatesAsColumnZero) {
    load(monthPath);
    QApplication::processEvents();
    const auto centre = [](const QRect& r) { return r.center(); };
    const QHeaderView* titles = view()->horizontalHeader();
    struct Case {
        QPoint at;
        int col, row;
    } const cases[] = {
        {titles->mapTo(view(), QPoint(titles->sectionViewportPosition(6) + 5, 5)), 6, 0},
        {view()->dateColumn()->horizontalHeader()->mapTo(view(), QPoint(5, 5)), 0, 0},
        {centre(cellRect(2, 0)), 0, 2},
        {centre(cellRect(4, 5)), 5, 4},
    };
    for (const Case& c : cases) {
        const TableCell cell = view()->cellAt(c.at);
        EXPECT_EQ(cell.col, c.col);
        EXPECT_EQ(cell.row, c.row);
    }
    EXPECT_FALSE(view()->cellAt(QPoint(-5, -5)).valid());
}

TEST_F(TableViewTest, TypingReplacesTheCellAndMarksTheMonthUnsaved) {
    load(monthPath);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    view()->setFocus();
    view()->setCurrentIndex(model().index(2, 3));
    QTest::keyClick(view(), '1');
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, nullptr);
    ASSERT_NE(editor, view());  // the first key opened the in-place editor
    QTest::keyClicks(editor, "8.7");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();  // the editor hands its text over once back in the event loop
    EXPECT_EQ(cell(2, 3), "18.7");
    EXPECT_TRUE(form->session().unsavedChanges);
}

TEST_F(TableViewTest, KeyboardNeverLandsOnTheDateColumnNorLosesACellUnderIt) {
    load(monthPath);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    view()->setFocus();
    view()->setCurrentIndex(model().index(5, 15));
    view()->horizontalScrollBar()->setValue(view()->horizontalScrollBar()->maximum());
    QTest::keyClick(view(), Qt::Key_Home);
    EXPECT_EQ(view()->currentIndex(), model().index(5, 1));
    QTest::keyClick(view(), Qt::Key_Left);
    EXPECT_EQ(view()->currentIndex(), model().index(5, 1));
    EXPECT_GE(view()->visualRect(view()->currentIndex()).left(), view()->columnWidth(0));
    QTest::keyClick(view(), Qt::Key_Up, Qt::NoModifier);
    QTest::keyClick(view(), Qt::Key_PageUp);
    EXPECT_EQ(view()->currentIndex(), model().index(1, 1));  // the titles are no row to land on
}

TEST_F(TableViewTest, OneMinuteMonthOpensWholeAndScrollsToItsLastRecord) {
    std::vector<FixtureDay> days;
    for (int d = 1; d <= 31; ++d) days.push_back({d, RecordsEvery(1, 1, 1440)});
    const std::string path = dir.file("2013-01.wlk");
    WriteFile(path, MonthBytes(days));
    load(path);
    ASSERT_EQ(model().rowCount(), 44641);
    QApplication::processEvents();  // the view lays out its new rows
    view()->scrollToBottom();
    QApplication::processEvents();
    const int last = view()->rowAt(view()->viewport()->height() - 3);
    EXPECT_EQ(last, 44640);
    EXPECT_EQ(view()->dateColumn()->rowAt(view()->viewport()->height() - 3), 44640);
    EXPECT_EQ(model().index(44640, 0).data().toString().toStdString(), "31/01/2013 24:00");
    EXPECT_TRUE(view()->isRowHidden(0));  // the titles are the header, not a row
}

} // namespace
} // namespace pluvelle::ui::testing
