#pragma once
// A one-line edit with its caption above it, shown and hidden together, that
// reports clicks into it (the insertion band empties an edit on click).
#include <QLineEdit>

class QLabel;

namespace pluvelle::ui {

class LabelledEdit : public QLineEdit {
    Q_OBJECT
public:
    // The edit takes `name` as its object name and `rect` as its geometry in
    // `parent`; the caption sits just above it.
    LabelledEdit(QWidget* parent, const char* name, const QString& caption, const QRect& rect);

    QLabel* label() const { return label_; }
    // Font and text colour of the edit and its caption.
    void setLook(const QFont& font, const QColor& colour);
    void setVisible(bool visible) override;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* label_;
};

} // namespace pluvelle::ui
