#include "title_row_header.h"

#include "cell_painter.h"
#include "window_colours.h"
#include "window_fonts.h"
#include "window_layout.h"

#include <QPainter>

namespace pluvelle::ui {

TitleRowHeader::TitleRowHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionsMovable(false);
    setMinimumSectionSize(1);
    setDefaultSectionSize(kValueColumnWidth + kGridLineWidth);
    setSectionResizeMode(QHeaderView::Fixed);
    setFont(CalibriPixels(11));
}

QSize TitleRowHeader::sizeHint() const {
    return {QHeaderView::sizeHint().width(), kTitleRowHeight + kGridLineWidth};
}

void TitleRowHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const QRect cell = CellRect(rect);
    painter->save();
    painter->fillRect(rect, kTitleGridLine);
    painter->fillRect(cell, kSilver);
    painter->setPen(kWhite);  // the raised edge of a fixed cell
    painter->drawLine(cell.topLeft(), cell.topRight());
    painter->drawLine(cell.topLeft(), cell.bottomLeft());
    painter->setClipRect(cell);
    painter->setFont(font());
    painter->setPen(kBlue);
    const QString title = model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
    painter->drawText(cell.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title);
    painter->restore();
}

} // namespace pluvelle::ui
