#include "tableau_view.h"

#include "cell_painter.h"
#include "title_row_header.h"
#include "window_layout.h"

#include <QMouseEvent>
#include <QScrollBar>

namespace pluvelle::ui {

namespace {

// Uniform row heights keep a 44,640-row month as cheap to show as a short one.
void FixRowHeights(QTableView& view) {
    QHeaderView* rows = view.verticalHeader();
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(kRowHeight + kGridLineWidth);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->hide();
}

void SetUpGridLook(QTableView& view) {
    view.setHorizontalHeader(new TitleRowHeader(&view));
    FixRowHeights(view);
    view.setShowGrid(false);  // the cell painter draws the 2-pixel lines
    // One painter per view: a delegate reports its editors to every view using it.
    view.setItemDelegate(new CellPainter(&view));
    view.setWordWrap(false);
    view.setCornerButtonEnabled(false);
}

} // namespace

TableauView::TableauView(QWidget* parent) : QTableView(parent), dateColumn_(new QTableView(this)) {
    SetUpGridLook(*this);
    SetUpGridLook(*dateColumn_);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    dateColumn_->setObjectName("TableauDates");
    dateColumn_->setFocusPolicy(Qt::NoFocus);
    dateColumn_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dateColumn_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    dateColumn_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    dateColumn_->setFrameShape(QFrame::NoFrame);
    dateColumn_->raise();  // above the titles header as well as the cells

    connect(dateColumn_->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, dateColumn_->verticalScrollBar(), &QScrollBar::setValue);

    for (QWidget* w : {viewport(), static_cast<QWidget*>(horizontalHeader()), dateColumn_->viewport(),
                       static_cast<QWidget*>(dateColumn_->horizontalHeader())}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

void TableauView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    dateColumn_->setModel(model);
    dateColumn_->setSelectionModel(selectionModel());
    if (model) connect(model, &QAbstractItemModel::modelReset, this, &TableauView::applySections);
    applySections();
}

// Section sizes and hidden sections do not survive a model reset.
void TableauView::applySections() {
    if (!model()) return;
    horizontalHeader()->resizeSection(0, kDateColumnWidth + kGridLineWidth);
    dateColumn_->horizontalHeader()->resizeSection(0, kDateColumnWidth + kGridLineWidth);
    // Row 0 is the titles, which the headers show.
    setRowHidden(0, true);
    dateColumn_->setRowHidden(0, true);
    for (int c = 1; c < model()->columnCount(); ++c) dateColumn_->setColumnHidden(c, true);
    placeDateColumn();
}

void TableauView::placeDateColumn() {
    dateColumn_->setGeometry(frameWidth(), frameWidth(), columnWidth(0),
                             viewport()->height() + horizontalHeader()->height());
}

void TableauView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    placeDateColumn();
}

void TableauView::updateGeometries() {
    QTableView::updateGeometries();
    placeDateColumn();
}

// A cell that scrolled under the date column is brought back into sight.
void TableauView::keepRightOfDateColumn(const QModelIndex& index) {
    if (!index.isValid() || index.column() == 0) return;
    const int hiddenBy = columnWidth(0) - visualRect(index).left();
    if (hiddenBy > 0) horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hiddenBy);
}

QModelIndex TableauView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = QTableView::moveCursor(action, modifiers);
    keepRightOfDateColumn(current);
    return current;
}

void TableauView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    const int across = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (index.column() == 0) horizontalScrollBar()->setValue(across);  // the date column never scrolls sideways
    else keepRightOfDateColumn(index);
}

TableCell TableauView::cellUnder(QObject* source, QPoint pos) const {
    if (!model()) return {};
    if (source == horizontalHeader()) {
        const int col = horizontalHeader()->logicalIndexAt(pos);
        return col < 0 ? TableCell{} : TableCell{col, 0};
    }
    if (source == dateColumn_->horizontalHeader()) return {0, 0};
    const QTableView* view = source == dateColumn_->viewport() ? dateColumn_ : this;
    const QModelIndex index = view->indexAt(pos);
    return index.isValid() ? TableCell{index.column(), index.row()} : TableCell{};
}

TableCell TableauView::cellAt(QPoint pos) const {
    for (QWidget* w : {static_cast<QWidget*>(dateColumn_->horizontalHeader()), dateColumn_->viewport(),
                       static_cast<QWidget*>(horizontalHeader()), viewport()}) {
        const QPoint local = w->mapFrom(this, pos);
        if (w->isVisible() && w->rect().contains(local)) return cellUnder(w, local);
    }
    return {};
}

bool TableauView::eventFilter(QObject* watched, QEvent* event) {
    const bool ours = watched == viewport() || watched == horizontalHeader() || watched == dateColumn_->viewport() ||
                      watched == dateColumn_->horizontalHeader();
    if (ours && (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const TableCell cell = cellUnder(watched, mouse->position().toPoint());
        if (event->type() == QEvent::MouseMove) emit cellHovered(cell);
        else emit cellPressed(mouse->button(), cell);
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace pluvelle::ui
