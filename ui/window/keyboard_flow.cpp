#include "keyboard_flow.h"

#include <QAbstractItemDelegate>
#include <QKeyEvent>
#include <QTableView>

namespace pluvelle::ui {

KeyboardFlow::KeyboardFlow(QTableView& view) : QObject(&view), view_(view) {
    view_.installEventFilter(this);
    // The view closes the editor first (it is connected first), then the
    // current cell moves down.
    connect(view_.itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                if (hint == QAbstractItemDelegate::SubmitModelCache) moveDown();
            });
}

void KeyboardFlow::moveDown() {
    const QModelIndex current = view_.currentIndex();
    if (!current.isValid() || current.row() + 1 >= view_.model()->rowCount()) return;
    const QModelIndex below = current.siblingAtRow(current.row() + 1);
    view_.selectionModel()->setCurrentIndex(below, QItemSelectionModel::ClearAndSelect);
    view_.scrollTo(below);
}

bool KeyboardFlow::eventFilter(QObject* watched, QEvent* event) {
    // Keys an open cell editor leaves unused reach the view as well: only
    // those the view itself received count.
    if (watched == &view_ && event->type() == QEvent::KeyPress && view_.hasFocus()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            moveDown();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pluvelle::ui
