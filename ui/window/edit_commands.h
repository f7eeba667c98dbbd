#pragma once
// The undo steps of the month editor, on Qt's undo framework.
#include "ui/logic/inserted_rows.h"
#include "ui/logic/range_edits.h"

#include <QUndoCommand>

#include <functional>
#include <vector>

namespace pluvelle::ui {

class MonthTableModel;

// What each step needs of the window: the session, the model to tell the
// views, and where to show the cells an undo or redo changed.
struct EditTarget {
    MonthSession& session;
    MonthTableModel& model;
    std::function<void(CellRange)> show;
};

// Cells rewritten in place (a typed value, a paste, a fill, a clear).
class CellsCommand : public QUndoCommand {
public:
    CellsCommand(EditTarget target, const QString& text, std::vector<CellChange> changes);
    void undo() override;
    void redo() override;

private:
    void write(bool after);

    EditTarget target_;
    std::vector<CellChange> changes_;
    CellRange range_;
    bool first_ = true;
};

// Rows inserted with their records; pushed once the insertion is done.
class RowsInsertedCommand : public QUndoCommand {
public:
    RowsInsertedCommand(EditTarget target, const QString& text, InsertedRows rows);
    void undo() override;
    void redo() override;

private:
    void shown();

    EditTarget target_;
    InsertedRows rows_;
    bool first_ = true;
};

// The whole table and store replaced (an import); pushed once done. Undo and
// redo exchange the two months; the file paths stay those of the session, as
// a save under another name may have changed them since.
class MonthReplacedCommand : public QUndoCommand {
public:
    MonthReplacedCommand(EditTarget target, const QString& text, MonthFile month, MonthTable table);
    void undo() override { exchange(); }
    void redo() override;

private:
    void exchange();

    EditTarget target_;
    MonthFile month_;
    MonthTable table_;
    bool first_ = true;
};

} // namespace pluvelle::ui
