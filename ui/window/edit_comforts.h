#pragma once
// The editing comforts of the grid: undo and redo, the clipboard, filling
// and clearing a selection, going to a date, the list of missing records,
// and the keys that make the whole flow work without a mouse. TForm1 owns one
// and tells it when a month was loaded or saved.
#include "core/dialogs.h"
#include "core/month_session.h"
#include "quality/month_gaps.h"
#include "ui/logic/range_edits.h"

#include <QObject>
#include <QString>

class QAction;
class QMenuBar;
class QWidget;

namespace pluvelle::ui {

class EditHistory;
class GapsDialog;
class MonthTableModel;
class TableauView;

// Texts of the "Édition" menu and its dialogs.
inline const QString kEditMenuTitle = QStringLiteral("&Édition");
inline const QString kUndoText = QStringLiteral("Annuler");
inline const QString kRedoText = QStringLiteral("Rétablir");
inline const QString kCopyText = QStringLiteral("Copier");
inline const QString kPasteText = QStringLiteral("Coller");
inline const QString kFillText = QStringLiteral("Remplir la sélection");
inline const QString kClearText = QStringLiteral("Effacer la sélection");
inline const QString kGoToText = QStringLiteral("Aller à…");
inline const QString kGapsText = QStringLiteral("Enregistrements manquants…");
inline const QString kFillValueLabel = QStringLiteral("Valeur à écrire dans chaque cellule sélectionnée :");
inline const QString kGoToLabel = QStringLiteral("Jour et heure (jj hh:mm) :");
inline constexpr const char* kDayTimeNotRead =
    "Date non reconnue : taper le jour et l'heure sous la forme jj hh:mm, par exemple 05 13:10.";

class EditComforts : public QObject {
    Q_OBJECT
public:
    EditComforts(MonthSession& session, MonthTableModel& model, TableauView& view, Dialogs& dialogs, QWidget* form);

    EditHistory& history() { return *history_; }
    QMenuBar* menuBar() const { return menuBar_; }
    GapsDialog* gapsDialog() const { return gaps_; }
    // The menu's entries by their text ("Annuler", "Coller", ...).
    QAction* action(const QString& text) const;

    // The grid's selection (or its current cell) as table rows and columns.
    CellRange selection() const;
    // Selects `range`, makes its top-left cell current and brings it into sight.
    void select(CellRange range);

    void copySelection();
    void paste();
    void pasteText(const QString& text);
    void fillSelection();  // asks the value
    void fillSelectionWith(const QString& value);
    void clearSelection();
    void goToDate();  // asks "jj hh:mm"
    bool goToDayTime(const QString& text);
    void showGaps();

    void monthLoaded();
    void monthSaved();

private:
    void enableMonthCommands(bool enabled);
    void goToGap(const pluvelle::MonthGap& gap);
    void fillGap(const pluvelle::MonthGap& gap);

    MonthSession& session_;
    TableauView& view_;
    Dialogs& dialogs_;
    QWidget* form_;
    EditHistory* history_;
    QMenuBar* menuBar_ = nullptr;
    GapsDialog* gaps_ = nullptr;
};

} // namespace pluvelle::ui
