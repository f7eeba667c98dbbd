#pragma once
// The grid `Tableau`: the titles (row 0) stay at the top and the date column
// (column 0) at the left while the values scroll under them. The date column
// is a second view laid over the first one's left edge, sharing its model,
// selection and vertical scrolling.
#include <QTableView>

namespace pluvelle::ui {

// A table cell as the window's handlers name it: column, row (row 0 = titles).
struct TableCell {
    int col = -1;
    int row = -1;
    bool valid() const { return col >= 0 && row >= 0; }
};

class TableauView : public QTableView {
    Q_OBJECT
public:
    explicit TableauView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    QTableView* dateColumn() const { return dateColumn_; }
    // The cell drawn at `pos` (in this widget's coordinates), or an invalid one.
    TableCell cellAt(QPoint pos) const;

signals:
    void cellHovered(pluvelle::ui::TableCell cell);
    void cellPressed(Qt::MouseButton button, pluvelle::ui::TableCell cell);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applySections();
    void placeDateColumn();
    void keepRightOfDateColumn(const QModelIndex& index);
    TableCell cellUnder(QObject* source, QPoint pos) const;

    QTableView* dateColumn_;
};

} // namespace pluvelle::ui

Q_DECLARE_METATYPE(pluvelle::ui::TableCell)
