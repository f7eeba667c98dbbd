#pragma once
// The table `Tableau` as seen by Qt: model row r and column c are table row r
// and column c, row 0 the titles (shown by the view as its header). Every
// answer comes straight from the session's table; no item per cell.
#include "core/month_session.h"
#include "ui/logic/range_edits.h"

#include <QAbstractTableModel>

#include <functional>
#include <string>

namespace pluvelle::ui {

// True for a cell holding a value worth a second look (drawn tinted).
inline constexpr int kSuspectRole = Qt::UserRole + 1;

class MonthTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit MonthTableModel(MonthSession& session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Writes the cell and marks the month as holding unsaved edits; with an
    // edit route set, hands the new text to it instead (the undo history).
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    void setEditRoute(std::function<void(int row, int col, std::string text)> route);
    // Cells rows top..bottom, columns left..right were written: views redraw them.
    void cellsChanged(const CellRange& range);

    // The session's table was replaced or reshaped (a load, an insertion, an
    // import): views start again from it.
    void reload();
    // Which cells answer true to kSuspectRole.
    void setSuspectCells(std::function<bool(int row, int col)> isSuspect);

private:
    bool holds(const QModelIndex& index) const;

    MonthSession& session_;
    int rows_;  // the row count views were last told about
    std::function<void(int, int, std::string)> editRoute_;
    std::function<bool(int, int)> isSuspect_;
};

} // namespace pluvelle::ui
