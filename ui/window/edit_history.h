#pragma once
// The undo history of the open month: every change to the table and the
// store goes through it as one step (a typed cell, a paste, a fill, a clear,
// inserted rows, an imported table). Whether the month holds unsaved edits
// follows it: undoing back to the state last loaded or saved leaves nothing
// unsaved.
#include "core/dialogs.h"
#include "core/month_session.h"
#include "ui/logic/range_edits.h"
#include "ui/logic/row_insertion.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QUndoStack;

namespace pluvelle::ui {

class MonthTableModel;
struct EditTarget;

// Undo step names, as the menu shows them after "Annuler" / "Rétablir".
inline const QString kEditCellStep = QStringLiteral("la saisie");
inline const QString kPasteStep = QStringLiteral("le collage");
inline const QString kFillStep = QStringLiteral("le remplissage");
inline const QString kClearStep = QStringLiteral("l'effacement");
inline const QString kInsertRowStep = QStringLiteral("l'insertion");
inline const QString kFillGapStep = QStringLiteral("les enregistrements insérés");
inline const QString kImportStep = QStringLiteral("l'import");

class EditHistory : public QObject {
    Q_OBJECT
public:
    EditHistory(MonthSession& session, MonthTableModel& model, QObject* parent = nullptr);

    QUndoStack& stack() { return *stack_; }
    MonthSession& session() { return session_; }
    MonthTableModel& model() { return model_; }

    // A cell typed in the grid.
    void editCell(int row, int col, std::string text);
    // Writes the changes as one step; nothing when the list is empty.
    void changeCells(const QString& step, std::vector<CellChange> changes);
    // Runs `insert`, which adds rows to the table and records to the store
    // and returns the new rows; when there are any they become one step.
    std::vector<int> insertRows(const QString& step, const std::function<std::vector<int>()>& insert);
    // `ValidateInsertion` as one step.
    InsertionResult validateInsertion(InsertionBand& band);
    // Runs a command that may replace the whole table and store (the table
    // import); when it returns Done the change becomes one step.
    CommandResult replaceMonth(const QString& step, const std::function<CommandResult()>& command);

    // A month was loaded: nothing to undo, nothing unsaved.
    void monthLoaded();
    // The month was written: this is the state without unsaved edits.
    void monthSaved();

signals:
    // An undo or redo changed these cells (or, for rows, these rows whole).
    void cellsRestored(pluvelle::CellRange range);

private:
    EditTarget target();
    void followCleanState();

    MonthSession& session_;
    MonthTableModel& model_;
    QUndoStack* stack_;
};

} // namespace pluvelle::ui

Q_DECLARE_METATYPE(pluvelle::CellRange)
