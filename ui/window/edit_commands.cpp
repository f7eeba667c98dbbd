#include "edit_commands.h"

#include "month_table_model.h"

#include <utility>

namespace pluvelle::ui {

CellsCommand::CellsCommand(EditTarget target, const QString& text, std::vector<CellChange> changes)
    : QUndoCommand(text), target_(std::move(target)), changes_(std::move(changes)), range_(ChangedRange(changes_)) {}

void CellsCommand::write(bool after) {
    MonthTable& table = target_.session.table;
    for (const CellChange& c : changes_) table.cell(c.row, c.col) = after ? c.after : c.before;
    target_.model.cellsChanged(range_);
}

void CellsCommand::undo() {
    write(false);
    target_.show(range_);
}

// The first run is the edit itself: the cells are where the user put them.
void CellsCommand::redo() {
    write(true);
    if (!std::exchange(first_, false)) target_.show(range_);
}

RowsInsertedCommand::RowsInsertedCommand(EditTarget target, const QString& text, InsertedRows rows)
    : QUndoCommand(text), target_(std::move(target)), rows_(std::move(rows)) {}

// After an undo the first row below the removed ones takes the eye.
void RowsInsertedCommand::shown() {
    target_.model.reload();
    const int row = rows_.rows().front();
    target_.show({row, 1, row, kColumnCount - 1});
}

void RowsInsertedCommand::undo() {
    rows_.undo(target_.session);
    shown();
}

// The first run finds the rows already inserted.
void RowsInsertedCommand::redo() {
    if (std::exchange(first_, false)) return;
    rows_.redo(target_.session);
    shown();
}

MonthReplacedCommand::MonthReplacedCommand(EditTarget target, const QString& text, MonthFile month, MonthTable table)
    : QUndoCommand(text), target_(std::move(target)), month_(std::move(month)), table_(std::move(table)) {}

void MonthReplacedCommand::exchange() {
    MonthFile& open = target_.session.month;
    std::swap(open, month_);
    for (auto path : {&MonthFile::currentFilePath, &MonthFile::currentFileTail, &MonthFile::currentFolder,
                      &MonthFile::currentYearText, &MonthFile::currentMonthText})
        std::swap(open.*path, month_.*path);
    std::swap(target_.session.table, table_);
    target_.model.reload();
    target_.show({1, 1, 1, 1});
}

void MonthReplacedCommand::redo() {
    if (!std::exchange(first_, false)) exchange();
}

} // namespace pluvelle::ui
