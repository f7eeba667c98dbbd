#pragma once
// `AlterneCouleurs`: how every cell of the table below the title row is
// drawn, the date column included.
#include <QStyledItemDelegate>

namespace pluvelle::ui {

class CellPainter : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CellPainter(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
};

// The cell proper within a section of the view: the grid line takes the
// last two pixels of the width and of the height.
QRect CellRect(const QRect& section);

// The cell's own drawing, for any row but the titles. A suspect value gets a
// tint over the row colour and a corner mark; a selected cell keeps the
// selection colours and only takes the mark.
void AlterneCouleurs(QPainter& painter, const QRect& section, int row, bool selected, const QString& text,
                     bool suspect = false);

} // namespace pluvelle::ui
