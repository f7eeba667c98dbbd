#include "cell_navigation.h"

#include <QItemSelectionModel>
#include <QTableView>

#include <algorithm>

namespace pluvelle::ui {

void SelectTableCell(QTableView& view, int row, int column) {
    if (!view.model() || !view.selectionModel()) return;
    const QModelIndex index = view.model()->index(row, column);
    if (!index.isValid()) return;
    view.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    view.scrollTo(index, QAbstractItemView::PositionAtCenter);
}

std::vector<std::pair<int, int>> SelectedRowSpans(const QItemSelectionModel& selection) {
    std::vector<std::pair<int, int>> spans;
    for (const QItemSelectionRange& r : selection.selection()) spans.emplace_back(r.top(), r.bottom());
    std::sort(spans.begin(), spans.end());
    std::vector<std::pair<int, int>> merged;
    for (const auto& s : spans) {
        if (!merged.empty() && s.first <= merged.back().second + 1)
            merged.back().second = std::max(merged.back().second, s.second);
        else
            merged.push_back(s);
    }
    return merged;
}

} // namespace pluvelle::ui
