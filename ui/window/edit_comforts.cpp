#include "edit_comforts.h"

#include "edit_history.h"
#include "edit_menu.h"
#include "gaps_dialog.h"
#include "keyboard_flow.h"
#include "month_table_model.h"
#include "tableau_view.h"

#include "core/conversions.h"
#include "ui/logic/gap_filling.h"
#include "ui/logic/go_to_date.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QMenuBar>
#include <QUndoStack>

#include <algorithm>
#include <optional>
#include <utility>

namespace pluvelle::ui {

namespace {

struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

QString CellText(const MonthTable& table, int row, int col) { return QString::fromStdString(table.cell(row, col)); }

// "dd hh:mm" of a row's date text "dd/mm/yyyy hh:mm".
QString DayTimeOf(const std::string& when) {
    return when.size() >= 16 ? QString::fromStdString(when.substr(0, 2) + " " + when.substr(11, 5)) : QString();
}

} // namespace

EditComforts::EditComforts(MonthSession& session, MonthTableModel& model, TableauView& view, Dialogs& dialogs,
                           QWidget* form)
    : QObject(form), session_(session), view_(view), dialogs_(dialogs), form_(form),
      history_(new EditHistory(session, model, this)) {
    menuBar_ = BuildEditMenu(form, &view, history_->stack(), *this);
    new KeyboardFlow(view);
    connect(history_, &EditHistory::cellsRestored, this, &EditComforts::select);
    connect(&history_->stack(), &QUndoStack::indexChanged, this, [this] {
        if (gaps_ && gaps_->isVisible()) showGaps();
    });
    enableMonthCommands(session_.monthLoaded);
}

QAction* EditComforts::action(const QString& text) const { return menuBar_->findChild<QAction*>(text); }

void EditComforts::enableMonthCommands(bool enabled) {
    for (const QString* t : {&kCopyText, &kPasteText, &kFillText, &kClearText, &kGoToText, &kGapsText})
        action(*t)->setEnabled(enabled);
}

CellRange EditComforts::selection() const {
    const QItemSelection ranges = view_.selectionModel()->selection();
    if (ranges.isEmpty()) {
        const QModelIndex current = view_.currentIndex();
        if (!current.isValid()) return {};
        return {current.row(), current.column(), current.row(), current.column()};
    }
    CellRange r{ranges[0].top(), ranges[0].left(), ranges[0].bottom(), ranges[0].right()};
    for (const QItemSelectionRange& s : ranges) {
        r.top = std::min(r.top, s.top());
        r.left = std::min(r.left, s.left());
        r.bottom = std::max(r.bottom, s.bottom());
        r.right = std::max(r.right, s.right());
    }
    return r;
}

void EditComforts::select(CellRange range) {
    const QAbstractItemModel* model = view_.model();
    if (model->rowCount() < 2) return;
    range.top = std::clamp(range.top, 1, model->rowCount() - 1);
    range.bottom = std::clamp(range.bottom, range.top, model->rowCount() - 1);
    range.left = std::clamp(range.left, 1, kColumnCount - 1);
    range.right = std::clamp(range.right, range.left, kColumnCount - 1);
    const QModelIndex topLeft = model->index(range.top, range.left);
    view_.selectionModel()->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
    view_.selectionModel()->select(QItemSelection(topLeft, model->index(range.bottom, range.right)),
                                   QItemSelectionModel::ClearAndSelect);
    static_cast<QAbstractItemView&>(view_).scrollTo(topLeft, QAbstractItemView::PositionAtCenter);
}

void EditComforts::copySelection() {
    const TextBlock block = CopyRange(session_.table, selection());
    if (!block.empty()) QApplication::clipboard()->setText(QString::fromStdString(FormatTabText(block)));
}

void EditComforts::paste() { pasteText(QApplication::clipboard()->text()); }

void EditComforts::pasteText(const QString& text) {
    std::vector<CellChange> changes = PasteChanges(session_.table, selection(), ParseTabText(text.toStdString()));
    if (changes.empty()) return;
    const CellRange changed = ChangedRange(changes);
    history_->changeCells(kPasteStep, std::move(changes));
    select(changed);
}

void EditComforts::fillSelection() {
    const std::optional<CellRange> cells = RecordCells(session_.table, selection());
    if (!cells) return;
    bool ok = false;
    const QString value = QInputDialog::getText(form_, kFillText, kFillValueLabel, QLineEdit::Normal,
                                                CellText(session_.table, cells->top, cells->left), &ok);
    if (ok) fillSelectionWith(value);
}

void EditComforts::fillSelectionWith(const QString& value) {
    history_->changeCells(kFillStep, FillChanges(session_.table, selection(), value.toStdString()));
}

void EditComforts::clearSelection() {
    history_->changeCells(kClearStep, FillChanges(session_.table, selection(), std::string(MissingText)));
}

void EditComforts::goToDate() {
    const QModelIndex current = view_.currentIndex();
    const int row = current.isValid() ? current.row() : 1;
    bool ok = false;
    const QString text = QInputDialog::getText(form_, kGoToText, kGoToLabel, QLineEdit::Normal,
                                               DayTimeOf(std::as_const(session_.table).cell(row, 0)), &ok);
    if (ok) goToDayTime(text);
}

bool EditComforts::goToDayTime(const QString& text) {
    const MonthFile& m = session_.month;
    const auto when = ParseDayTime(text.toStdString(), DaysInMonth(m.currentMonthText, m.currentYearText));
    if (!when) {
        dialogs_.showMessage(MessageKind::Warning, kDayTimeNotRead);
        return false;
    }
    const int row = NearestRow(session_.table, *when);
    if (row == 0) return false;
    const QModelIndex current = view_.currentIndex();
    const int col = current.isValid() && current.column() > 0 ? current.column() : 1;
    select({row, 1, row, kColumnCount - 1});
    view_.selectionModel()->setCurrentIndex(view_.model()->index(row, col), QItemSelectionModel::NoUpdate);
    view_.setFocus();
    return true;
}

void EditComforts::monthLoaded() {
    history_->monthLoaded();
    enableMonthCommands(true);
    menuBar_->show();
    if (gaps_ && gaps_->isVisible()) showGaps();
    view_.selectionModel()->setCurrentIndex(view_.model()->index(1, 1), QItemSelectionModel::NoUpdate);
}

void EditComforts::monthSaved() { history_->monthSaved(); }

void EditComforts::showGaps() {
    if (!gaps_) {
        gaps_ = new GapsDialog(form_);
        connect(gaps_, &GapsDialog::goToGap, this, &EditComforts::goToGap);
        connect(gaps_, &GapsDialog::fillGap, this, &EditComforts::fillGap);
    }
    const MonthFile& m = session_.month;
    gaps_->setGaps(FindGaps(session_.table, DaysInMonth(m.currentMonthText, m.currentYearText)), m.currentMonthText);
    if (gaps_->isVisible()) return;
    gaps_->show();
    gaps_->raise();
    gaps_->activateWindow();
}

// The rows on both sides of the gap: the last record before it, the first after.
void EditComforts::goToGap(const MonthGap& gap) {
    const int last = LastRecordRow(session_.table);
    select({std::max(gap.rowBefore, 1), 1, std::min(gap.rowBefore + 1, last), kColumnCount - 1});
}

// The list follows through the history's change of index.
void EditComforts::fillGap(const MonthGap& gap) {
    GapFilling filling;
    {
        const BusyCursor busy;
        history_->insertRows(kFillGapStep, [&] {
            filling = FillMissingRecords(session_, MissingTimes(gap));
            return filling.rows;
        });
    }
    if (!filling.rows.empty()) {
        history_->model().reload();
        select({filling.rows.front(), 1, filling.rows.back(), kColumnCount - 1});
    }
    const std::string told = DescribeFilling(filling);
    if (!told.empty()) dialogs_.showMessage(MessageKind::Information, told);
}

} // namespace pluvelle::ui
