#include "month_table_model.h"

#include <utility>

namespace pluvelle::ui {

MonthTableModel::MonthTableModel(MonthSession& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session), rows_(session.table.rowCount()) {}

int MonthTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int MonthTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

// Between a change of the table and reload() views may still ask for rows
// the table no longer has.
bool MonthTableModel::holds(const QModelIndex& index) const {
    return index.isValid() && index.row() < session_.table.rowCount() && index.column() < kColumnCount;
}

QVariant MonthTableModel::data(const QModelIndex& index, int role) const {
    if (role == kSuspectRole) return holds(index) && isSuspect_ && isSuspect_(index.row(), index.column());
    if (!holds(index) || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return QString::fromStdString(session_.table.cell(index.row(), index.column()));
}

QVariant MonthTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section;
    if (section < 0 || section >= kColumnCount) return {};
    return QString::fromStdString(session_.table.cell(0, section));
}

Qt::ItemFlags MonthTableModel::flags(const QModelIndex& index) const {
    if (!holds(index)) return Qt::NoItemFlags;
    // The title row and the date column are fixed cells: never current,
    // selected or edited (the date is the record's time, which saving never
    // reads back from the table).
    if (index.row() == 0 || index.column() == 0) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool MonthTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    std::string text = value.toString().toStdString();
    if (std::as_const(session_.table).cell(index.row(), index.column()) == text) return true;
    if (editRoute_) {
        editRoute_(index.row(), index.column(), std::move(text));
        return true;
    }
    std::string& cell = session_.table.cell(index.row(), index.column());
    cell = std::move(text);
    session_.unsavedChanges = true;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

void MonthTableModel::setSuspectCells(std::function<bool(int, int)> isSuspect) { isSuspect_ = std::move(isSuspect); }

void MonthTableModel::setEditRoute(std::function<void(int, int, std::string)> route) {
    editRoute_ = std::move(route);
}

void MonthTableModel::cellsChanged(const CellRange& r) {
    if (r.empty()) return;
    emit dataChanged(index(r.top, r.left), index(r.bottom, r.right), {Qt::DisplayRole, Qt::EditRole});
}

void MonthTableModel::reload() {
    beginResetModel();
    rows_ = session_.table.rowCount();
    endResetModel();
}

} // namespace pluvelle::ui
