#include "edit_history.h"

#include "edit_commands.h"
#include "month_table_model.h"

#include <QUndoStack>

#include <utility>

namespace pluvelle::ui {

EditHistory::EditHistory(MonthSession& session, MonthTableModel& model, QObject* parent)
    : QObject(parent), session_(session), model_(model), stack_(new QUndoStack(this)) {
    connect(stack_, &QUndoStack::indexChanged, this, &EditHistory::followCleanState);
    connect(stack_, &QUndoStack::cleanChanged, this, &EditHistory::followCleanState);
    model_.setEditRoute([this](int row, int col, std::string text) {
        editCell(row, col, std::move(text));
    });
}

EditTarget EditHistory::target() {
    return {session_, model_, [this](CellRange r) { emit cellsRestored(r); }};
}

void EditHistory::followCleanState() { session_.unsavedChanges = !stack_->isClean(); }

void EditHistory::editCell(int row, int col, std::string text) {
    std::vector<CellChange> change{{row, col, std::as_const(session_.table).cell(row, col), std::move(text)}};
    changeCells(kEditCellStep, std::move(change));
}

void EditHistory::changeCells(const QString& step, std::vector<CellChange> changes) {
    if (changes.empty()) return;
    stack_->push(new CellsCommand(target(), step, std::move(changes)));
}

std::vector<int> EditHistory::insertRows(const QString& step, const std::function<std::vector<int>()>& insert) {
    InsertedRows change(session_.month);
    std::vector<int> rows = insert();
    if (rows.empty()) return rows;
    change.inserted(session_.month, rows);
    stack_->push(new RowsInsertedCommand(target(), step, std::move(change)));
    return rows;
}

InsertionResult EditHistory::validateInsertion(InsertionBand& band) {
    InsertionResult result;
    insertRows(kInsertRowStep, [&] {
        result = ValidateInsertion(band, session_);
        return result.inserted ? std::vector<int>{result.row} : std::vector<int>{};
    });
    return result;
}

CommandResult EditHistory::replaceMonth(const QString& step, const std::function<CommandResult()>& command) {
    MonthFile month = session_.month;
    MonthTable table = session_.table;
    const CommandResult result = command();
    if (result != CommandResult::Done) return result;
    stack_->push(new MonthReplacedCommand(target(), step, std::move(month), std::move(table)));
    return result;
}

void EditHistory::monthLoaded() {
    stack_->clear();
    followCleanState();
}

void EditHistory::monthSaved() {
    stack_->setClean();
    followCleanState();
}

} // namespace pluvelle::ui
