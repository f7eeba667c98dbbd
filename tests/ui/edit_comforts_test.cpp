// The editing comforts in the real window: undo and redo with the unsaved
// state following them, the clipboard, filling and clearing, going to a
// date, the list of missing records, and the keyboard flow.
#include "window_fixture.h"

#include "ui/window/edit_comforts.h"
#include "ui/window/edit_history.h"
#include "ui/window/gaps_dialog.h"
#include "ui/window/tableau_view.h"
#include "ui_logic/editor_fixture.h"

#include "core/month_load.h"

#include <QAction>
#include <QClipboard>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include <filesystem>

namespace pluvelle::ui::testing {
namespace {

class EditComfortsTest : public WindowTest {
protected:
    void loadAndFocus(const std::string& path) {
        load(path);
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        view()->setFocus();
    }
    TableauView* view() { return control<TableauView>("Tableau"); }
    EditComforts& comforts() { return form->comforts(); }
    QUndoStack& stack() { return comforts().history().stack(); }
    bool unsaved() { return form->session().unsavedChanges; }
    void selectCells(int top, int left, int bottom, int right) { comforts().select({top, left, bottom, right}); }
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(k), modifiers);
        QApplication::processEvents();  // an editor hands its text over once back in the event loop
    }
    // Types as a user would, each key to the focus: the first one opens the
    // cell's editor, which takes the others.
    void type(const std::string& text) {
        for (char c : text) QTest::keyClick(QApplication::focusWidget(), c);
    }
    void clickGapsButton(const QString& text) {
        for (QPushButton* b : comforts().gapsDialog()->findChildren<QPushButton*>())
            if (b->text() == text) return b->click();
        ADD_FAILURE() << "no button " << text.toStdString();
    }
    // Answers the next modal input dialog with `text`.
    void answerNextInput(const QString& text) {
        QTimer::singleShot(0, [text] {
            auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(input, nullptr);
            auto* edit = input->findChild<QLineEdit*>();
            edit->selectAll();
            QTest::keyClicks(edit, text);
            QTest::keyClick(edit, Qt::Key_Return);
        });
    }
    std::vector<std::string> row(int r, int left, int right) {
        std::vector<std::string> texts;
        for (int c = left; c <= right; ++c) texts.push_back(cell(r, c));
        return texts;
    }
};

TEST_F(EditComfortsTest, MenuHoldsTheEntriesInFrench) {
    QMenuBar* bar = comforts().menuBar();
    EXPECT_FALSE(bar->isVisible());  // like the other month commands
    ASSERT_EQ(bar->actions().size(), 1);
    EXPECT_EQ(bar->actions()[0]->text(), "&Édition");
    QStringList texts;
    for (QAction* a : bar->actions()[0]->menu()->actions())
        if (!a->isSeparator()) texts << a->text();
    EXPECT_EQ(texts, (QStringList{"Annuler", "Rétablir", "Copier", "Coller", "Remplir la sélection",
                                  "Effacer la sélection", "Aller à…", "Enregistrements manquants…"}));
    EXPECT_FALSE(comforts().action(kPasteText)->isEnabled());  // no month yet
    EXPECT_FALSE(comforts().action(kUndoText)->isEnabled());
    load(monthPath);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(comforts().action(kPasteText)->isEnabled());
    // The menu sits in free space: it covers no button of the window.
    for (QPushButton* b : form->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_FALSE(bar->geometry().intersects(b->geometry())) << b->objectName().toStdString();
}

TEST_F(EditComfortsTest, TypedCellIsUndoneAndRedoneAndTheSavedStateFollows) {
    loadAndFocus(monthPath);
    const std::string original = cell(2, 1);
    view()->setCurrentIndex(model().index(2, 1));
    type("21.5");
    key(Qt::Key_Return);
    EXPECT_EQ(cell(2, 1), "21.5");
    EXPECT_TRUE(unsaved());
    EXPECT_EQ(view()->currentIndex(), model().index(3, 1));  // Enter went down
    EXPECT_EQ(comforts().action(kUndoText)->text(), "Annuler la saisie");

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(2, 1), original);
    EXPECT_FALSE(unsaved());  // back to the state loaded
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(cell(2, 1), "21.5");
    EXPECT_TRUE(unsaved());

    dialogs.fileName(monthPath);
    form->SauvegardeWLKClick();
    EXPECT_FALSE(unsaved());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(2, 1), original);
    EXPECT_TRUE(unsaved());  // differs from the file now
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(cell(2, 1), "21.5");
    EXPECT_FALSE(unsaved());  // the state saved

    // A new load starts a new history.
    load(monthPath);
    EXPECT_EQ(stack().count(), 0);
    EXPECT_FALSE(comforts().action(kUndoText)->isEnabled());
    EXPECT_EQ(cell(2, 1), "21.5");
}

TEST_F(EditComfortsTest, UnsavedEditAskedAboutOnCloseThenUndoneIsNotAskedAbout) {
    loadAndEdit();
    EXPECT_TRUE(unsaved());
    stack().undo();
    EXPECT_FALSE(unsaved());
    form->close();
    for (const Shown& s : dialogs.shown()) EXPECT_NE(s.what, Shown::What::YesNoCancel);  // nothing to save
    EXPECT_TRUE(form->ended());
}

TEST_F(EditComfortsTest, PastedBlockIsOneStepAndUndoneWhole) {
    loadAndFocus(monthPath);
    const std::vector<std::vector<std::string>> before{row(2, 3, 6), row(3, 3, 6), row(4, 3, 6)};
    selectCells(2, 3, 2, 3);
    QApplication::clipboard()->setText("1\t2\t3\t4\r\n5\t\t7\t8\r\n9\t10\t11\t12\r\n");
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(row(2, 3, 6), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(row(3, 3, 6), (std::vector<std::string>{"5", "- -", "7", "8"}));
    EXPECT_EQ(row(4, 3, 6), (std::vector<std::string>{"9", "10", "11", "12"}));
    EXPECT_EQ(comforts().selection(), (CellRange{2, 3, 4, 6}));  // the pasted cells stay selected
    EXPECT_EQ(stack().count(), 1);
    EXPECT_TRUE(unsaved());

    key(Qt::Key_Z, Qt::ControlModifier);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(row(2 + r, 3, 6), before[static_cast<std::size_t>(r)]) << r;
    EXPECT_FALSE(unsaved());
    EXPECT_EQ(comforts().selection(), (CellRange{2, 3, 4, 6}));  // the undone cells are shown

    // At the last record and the last column the block is cut.
    selectCells(9, 45, 9, 45);
    comforts().pasteText("a\tb\tc\nd\te\tf\n");
    EXPECT_EQ(row(9, 45, 46), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(cell(10, 45), "");  // no record below the last
    EXPECT_EQ(cell(9, 0), "04/07/2014 00:15");
}

TEST_F(EditComfortsTest, CopyGivesTabSeparatedTextWithTitlesForWholeColumns) {
    loadAndFocus(monthPath);
    selectCells(2, 1, 3, 2);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              cell(2, 1) + "\t" + cell(2, 2) + "\n" + cell(3, 1) + "\t" + cell(3, 2) + "\n");
    selectCells(1, 5, 9, 5);  // every record of the column
    comforts().copySelection();
    QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 10);  // the title and the 9 records
    EXPECT_EQ(lines[0], "Pression");
    EXPECT_EQ(lines[9].toStdString(), cell(9, 5));
    key(Qt::Key_A, Qt::ControlModifier);  // the whole table, its empty rows included
    key(Qt::Key_C, Qt::ControlModifier);
    lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 10);
    EXPECT_TRUE(lines[0].startsWith("TempExt\tT.ExtMax\t"));
    EXPECT_EQ(lines[0].split('\t').size(), kColumnCount - 1);
}

TEST_F(EditComfortsTest, DeleteClearsAndFillWritesTheSelectionInOneStepEach) {
    loadAndFocus(monthPath);
    const std::string original = cell(3, 2);
    selectCells(2, 1, 4, 2);
    key(Qt::Key_Delete);
    for (int r = 2; r <= 4; ++r) EXPECT_EQ(row(r, 1, 2), (std::vector<std::string>{"- -", "- -"})) << r;
    answerNextInput("7.5");
    key(Qt::Key_R, Qt::ControlModifier);
    for (int r = 2; r <= 4; ++r) EXPECT_EQ(row(r, 1, 2), (std::vector<std::string>{"7.5", "7.5"})) << r;
    EXPECT_EQ(stack().count(), 2);
    stack().undo();
    EXPECT_EQ(cell(3, 2), "- -");
    stack().undo();
    EXPECT_EQ(cell(3, 2), original);
    EXPECT_FALSE(unsaved());
}

TEST_F(EditComfortsTest, GoToDateSelectsTheRecordOrTheNearest) {
    loadAndFocus(monthPath);
    const struct {
        const char* text;
        int row;
    } cases[] = {{"04 00:10", 8}, {"3 00:20", 4}, {"03 00:22", 4}, {"03 00:23", 5}, {"20 12:00", 9}, {"1 00:00", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_TRUE(comforts().goToDayTime(c.text));
        EXPECT_EQ(comforts().selection(), (CellRange{c.row, 1, c.row, kColumnCount - 1}));
        EXPECT_EQ(view()->currentIndex().row(), c.row);
    }
    EXPECT_FALSE(comforts().goToDayTime("32 10:00"));
    EXPECT_EQ(dialogs.messages().back(), kDayTimeNotRead);
    EXPECT_EQ(view()->currentIndex().row(), 1);  // stays where it was

    // Ctrl+G and typing only, on a long month: the row comes into sight.
    std::vector<FixtureDay> days;
    for (int d = 1; d <= 28; ++d) days.push_back({d, RecordsEvery(5, 5, 1440)});
    WriteFile(dir.file("2014-02.wlk"), MonthBytes(days));
    loadAndFocus(dir.file("2014-02.wlk"));
    view()->setCurrentIndex(model().index(1, 7));
    answerNextInput("17 13:12");
    key(Qt::Key_G, Qt::ControlModifier);
    const int expected = 16 * 288 + 158;  // 17/02 13:10
    EXPECT_EQ(cell(expected, 0), "17/02/2014 13:10");
    EXPECT_EQ(view()->currentIndex(), model().index(expected, 7));
    QApplication::processEvents();
    EXPECT_TRUE(view()->viewport()->rect().intersects(view()->visualRect(model().index(expected, 7))));
}

// July 2014: day 3 every five minutes with 10:05 to 11:00 missing; day 4
// until 00:30 only.
class GapsTest : public EditComfortsTest {
protected:
    void SetUp() override {
        EditComfortsTest::SetUp();
        auto day3 = RecordsEvery(5, 5, 600);
        const auto after = RecordsEvery(5, 665, 1440);
        day3.insert(day3.end(), after.begin(), after.end());
        gapsPath = dir.file("gaps/2014-07.wlk");
        std::filesystem::create_directories(dir.path() / "gaps");
        WriteFile(gapsPath, MonthBytes({{3, day3}, {4, RecordsEvery(5, 5, 30)}}));
    }
    QListWidget* list() { return comforts().gapsDialog()->list(); }
    int listed(const QString& text) {
        for (int i = 0; i < list()->count(); ++i)
            if (list()->item(i)->text() == text) return i;
        return -1;
    }
    std::string gapsPath;
};

const QString kMissingHour = QStringLiteral("Du 03/07 10:05 au 03/07 11:00 : 12 enregistrements manquants");

TEST_F(GapsTest, MissingHourIsListedShownFilledUndoneAndSaved) {
    loadAndFocus(gapsPath);
    const int totalBefore = form->session().month.header.totalRecords;
    key(Qt::Key_M, Qt::ControlModifier);
    ASSERT_NE(comforts().gapsDialog(), nullptr);
    EXPECT_TRUE(comforts().gapsDialog()->isVisible());
    EXPECT_EQ(list()->count(), 3);  // the month's start, the hour, the end of the month
    const int hour = listed(kMissingHour);
    ASSERT_GE(hour, 0);

    // Enter on the entry shows the records around the gap.
    list()->setFocus();
    list()->setCurrentRow(hour);
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(comforts().selection(), (CellRange{120, 1, 121, kColumnCount - 1}));
    EXPECT_EQ(cell(120, 0), "03/07/2014 10:00");
    EXPECT_EQ(cell(121, 0), "03/07/2014 11:05");

    clickGapsButton(kFillGapText);
    EXPECT_EQ(cell(121, 0), "03/07/2014 10:05");
    EXPECT_EQ(cell(132, 0), "03/07/2014 11:00");
    EXPECT_EQ(cell(133, 0), "03/07/2014 11:05");
    EXPECT_EQ(model().rowCount(), form->session().table.rowCount());
    EXPECT_EQ(comforts().selection(), (CellRange{121, 1, 132, kColumnCount - 1}));
    EXPECT_EQ(listed(kMissingHour), -1);
    EXPECT_EQ(list()->count(), 2);
    EXPECT_EQ(stack().count(), 1);
    EXPECT_TRUE(dialogs.messages().empty());

    stack().undo();
    EXPECT_EQ(cell(121, 0), "03/07/2014 11:05");
    EXPECT_EQ(form->session().month.header.totalRecords, totalBefore);
    EXPECT_GE(listed(kMissingHour), 0);
    EXPECT_FALSE(unsaved());
    stack().redo();
    EXPECT_EQ(cell(121, 0), "03/07/2014 10:05");
    pluvelle::testing::ExpectConsistentHeader(form->session().month);

    dialogs.fileName(gapsPath);
    form->SauvegardeWLKClick();
    EXPECT_FALSE(unsaved());
    load(gapsPath);
    const MonthSession& back = form->session();
    EXPECT_EQ(back.month.header.totalRecords, totalBefore + 12);
    pluvelle::testing::ExpectConsistentHeader(back.month);
    pluvelle::testing::ExpectTableMatchesStore(back);
    EXPECT_EQ(back.table.cell(126, 0), "03/07/2014 10:30");
    EXPECT_EQ(back.table.cell(126, 1), "- -");
}

TEST_F(GapsTest, GapOnDaysWithoutDataIsRefusedWithAMessage) {
    loadAndFocus(gapsPath);
    comforts().showGaps();
    const int start = listed("Du 01/07 00:05 au 02/07 24:00 : 576 enregistrements manquants (jours sans données)");
    ASSERT_GE(start, 0);
    list()->setCurrentRow(start);
    clickGapsButton(kFillGapText);
    EXPECT_EQ(stack().count(), 0);
    EXPECT_FALSE(unsaved());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].rfind("Aucun enregistrement inséré.", 0), 0u);
}

TEST_F(EditComfortsTest, InsertedRowIsUndoneExactly) {
    loadAndFocus(monthPath);
    const pluvelle::testing::SessionSnapshot loaded(form->session());
    form->InserligneClick();
    for (auto [name, text] : {std::pair{"JourInsere", "03"}, {"HeureInsere", "00"}, {"MinuteInsere", "12"}})
        control<QLineEdit>(name)->setText(text);
    form->ValideInsereClick();
    ASSERT_EQ(cell(3, 0), "03/07/2014 00:12");
    EXPECT_EQ(comforts().action(kUndoText)->text(), "Annuler l'insertion");
    view()->setFocus();
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(3, 0), "03/07/2014 00:15");
    EXPECT_EQ(model().rowCount(), form->session().table.rowCount());
    EXPECT_TRUE(pluvelle::testing::SessionSnapshot(form->session()) == loaded);  // header and day index too
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(cell(3, 0), "03/07/2014 00:12");
    EXPECT_EQ(comforts().selection().top, 3);
    pluvelle::testing::ExpectConsistentHeader(form->session().month);
    pluvelle::testing::ExpectTableMatchesStore(form->session());

    // A refused entry is no step.
    form->InserligneClick();
    for (auto [name, text] : {std::pair{"JourInsere", "03"}, {"HeureInsere", "00"}, {"MinuteInsere", "15"}})
        control<QLineEdit>(name)->setText(text);
    form->ValideInsereClick();
    EXPECT_EQ(stack().count(), 1);
}

TEST_F(EditComfortsTest, ImportIsOneStepBackToTheMonthAsItWas) {
    TempDir other;  // a longer July's table, to import into the open one
    WriteFile(other.file("2014-07.wlk"), MonthBytes({{3, RecordsEvery(5, 5, 60)}, {4, RecordsEvery(5, 5, 60)}}));
    load(other.file("2014-07.wlk"));
    dialogs.fileName(dir.file("table"));
    form->ExportDonneesClick();
    load(monthPath);
    const pluvelle::testing::SessionSnapshot loaded(form->session());
    dialogs.fileName(dir.file("table.csv"));
    form->ImportCSVClick();
    ASSERT_EQ(cell(24, 0), "04/07/2014 01:00");
    const pluvelle::testing::SessionSnapshot imported(form->session());
    dialogs.fileName(monthPath);
    form->SauvegardeWLKClick();
    EXPECT_EQ(comforts().action(kUndoText)->text(), "Annuler l'import");

    stack().undo();
    EXPECT_EQ(cell(24, 0), "");
    EXPECT_EQ(model().rowCount(), form->session().table.rowCount());
    pluvelle::testing::SessionSnapshot back(form->session());
    back.unsaved = false;
    EXPECT_TRUE(back == loaded);
    EXPECT_TRUE(unsaved());  // the file saved holds the import
    EXPECT_EQ(form->session().month.currentFilePath, monthPath);
    stack().redo();
    EXPECT_FALSE(unsaved());
    EXPECT_EQ(pluvelle::testing::SessionSnapshot(form->session()).cells, imported.cells);
}

TEST_F(EditComfortsTest, KeyboardAloneMovesEditsAndValidates) {
    loadAndFocus(monthPath);
    EXPECT_EQ(view()->currentIndex(), model().index(1, 1));  // ready after the load
    key(Qt::Key_Down);
    key(Qt::Key_Right);
    EXPECT_EQ(view()->currentIndex(), model().index(2, 2));
    key(Qt::Key_F2);  // edits the cell as it is
    ASSERT_NE(QApplication::focusWidget(), view());
    key(Qt::Key_End);
    type("5");
    const std::string edited = cell(2, 2) + "5";
    key(Qt::Key_Tab);  // validates and edits the next cell to the right
    EXPECT_EQ(cell(2, 2), edited);
    ASSERT_NE(QApplication::focusWidget(), view());
    key(Qt::Key_Escape);  // gives the edit up
    EXPECT_EQ(QApplication::focusWidget(), view());
    EXPECT_EQ(view()->currentIndex(), model().index(2, 3));
    key(Qt::Key_Return);  // outside an edit, Enter goes down as well
    EXPECT_EQ(view()->currentIndex(), model().index(3, 3));
    type("9");
    key(Qt::Key_Return);
    EXPECT_EQ(cell(3, 3), "9");
    EXPECT_EQ(view()->currentIndex(), model().index(4, 3));
    key(Qt::Key_Delete);
    EXPECT_EQ(cell(4, 3), "- -");
    EXPECT_EQ(stack().count(), 3);
    for (int i = 0; i < 3; ++i) key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(unsaved());
}

} // namespace
} // namespace pluvelle::ui::testing
