#pragma once
// Row 0 of the table, the column titles, drawn as the grid's fixed cells:
// silver, in the grid's own font (blue Calibri), fixed while the rest scrolls.
#include <QHeaderView>

namespace pluvelle::ui {

class TitleRowHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit TitleRowHeader(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

} // namespace pluvelle::ui
