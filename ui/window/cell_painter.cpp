#include "cell_painter.h"

#include "month_table_model.h"
#include "window_colours.h"
#include "window_fonts.h"
#include "window_layout.h"

#include <QPainter>

namespace pluvelle::ui {

QRect CellRect(const QRect& section) { return section.adjusted(0, 0, -kGridLineWidth, -kGridLineWidth); }

namespace {
void MarkSuspect(QPainter& painter, const QRect& cell, bool selected) {
    if (!selected) painter.fillRect(cell, kSuspectTint);
    constexpr int side = 7;
    const QPoint corner = cell.topRight();
    const QPoint triangle[] = {corner, corner - QPoint(side, 0), corner + QPoint(0, side)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSuspectMark);
    painter.drawPolygon(triangle, 3);
}
} // namespace

void AlterneCouleurs(QPainter& painter, const QRect& section, int row, bool selected, const QString& text,
                     bool suspect) {
    const QRect cell = CellRect(section);
    painter.save();
    painter.fillRect(section, kGridLine);
    painter.fillRect(cell, selected ? kTeal : (row % 2 == 1 ? kOddRow : kEvenRow));
    if (suspect) MarkSuspect(painter, cell, selected);
    painter.setClipRect(cell);
    painter.setFont(CellFont());
    painter.setPen(selected ? kWhite : kNavy);
    painter.drawText(cell.adjusted(3, 5, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    painter.restore();
}

CellPainter::CellPainter(QObject* parent) : QStyledItemDelegate(parent) {}

void CellPainter::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    AlterneCouleurs(*painter, option.rect, index.row(), option.state.testFlag(QStyle::State_Selected),
                    index.data(Qt::DisplayRole).toString(), index.data(kSuspectRole).toBool());
}

QWidget* CellPainter::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (editor) editor->setFont(CellFont());
    return editor;
}

void CellPainter::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                       const QModelIndex&) const {
    editor->setGeometry(CellRect(option.rect));
}

} // namespace pluvelle::ui
