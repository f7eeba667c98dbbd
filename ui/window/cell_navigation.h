#pragma once
// Moving the table's selection from outside the grid (the charts, the list
// of suspect values), and reading it back as spans of rows.
#include <utility>
#include <vector>

class QItemSelectionModel;
class QTableView;

namespace pluvelle::ui {

// Makes (row, column) the current and only selected cell and brings it to
// the middle of the grid.
void SelectTableCell(QTableView& view, int row, int column);

// The selected rows as spans [first, last], in order, merged where they touch.
std::vector<std::pair<int, int>> SelectedRowSpans(const QItemSelectionModel& selection);

} // namespace pluvelle::ui
