#include "labelled_edit.h"

#include <QLabel>

namespace pluvelle::ui {

LabelledEdit::LabelledEdit(QWidget* parent, const char* name, const QString& caption, const QRect& rect)
    : QLineEdit(parent), label_(new QLabel(caption, parent)) {
    setObjectName(name);
    label_->setObjectName(QString(name) + "Label");
    label_->setBuddy(this);
    setGeometry(rect);
}

void LabelledEdit::setLook(const QFont& font, const QColor& colour) {
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(label_)}) {
        w->setFont(font);
        QPalette p = w->palette();
        p.setColor(QPalette::Text, colour);
        p.setColor(QPalette::WindowText, colour);
        w->setPalette(p);
    }
    label_->adjustSize();
    label_->move(x(), y() - label_->height() - 3);
}

void LabelledEdit::setVisible(bool visible) {
    QLineEdit::setVisible(visible);
    label_->setVisible(visible);
}

void LabelledEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    emit clicked();
}

} // namespace pluvelle::ui
