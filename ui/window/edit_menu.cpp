#include "edit_menu.h"

#include "edit_comforts.h"

#include <QMenuBar>
#include <QUndoStack>

namespace pluvelle::ui {

namespace {

struct Entry {
    const QString& text;
    QList<QKeySequence> keys;
    void (EditComforts::*command)();
    bool onGrid;  // answers its keys only while the grid has the focus
    bool newGroup;  // a separator goes before it
};

void AddUndoRedo(QMenu* menu, QUndoStack& stack) {
    QAction* undo = stack.createUndoAction(menu, kUndoText);
    undo->setObjectName(kUndoText);
    undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction* redo = stack.createRedoAction(menu, kRedoText);
    redo->setObjectName(kRedoText);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    menu->addAction(undo);
    menu->addAction(redo);
}

} // namespace

QMenuBar* BuildEditMenu(QWidget* form, QWidget* grid, QUndoStack& stack, EditComforts& comforts) {
    auto* bar = new QMenuBar(form);
    bar->setObjectName("MenuEdition");
    bar->setNativeMenuBar(false);  // a bar inside the window, not the desktop's
    QMenu* menu = bar->addMenu(kEditMenuTitle);
    AddUndoRedo(menu, stack);
    const Entry entries[] = {
        {kCopyText, {QKeySequence::Copy}, &EditComforts::copySelection, true, true},
        {kPasteText, {QKeySequence::Paste}, &EditComforts::paste, true, false},
        {kFillText, {QKeySequence(Qt::CTRL | Qt::Key_R)}, &EditComforts::fillSelection, true, false},
        {kClearText, {QKeySequence(Qt::Key_Delete)}, &EditComforts::clearSelection, true, false},
        {kGoToText, {QKeySequence(Qt::CTRL | Qt::Key_G)}, &EditComforts::goToDate, false, true},
        {kGapsText, {QKeySequence(Qt::CTRL | Qt::Key_M)}, &EditComforts::showGaps, false, false},
    };
    for (const Entry& e : entries) {
        if (e.newGroup) menu->addSeparator();
        QAction* action = menu->addAction(e.text);
        action->setObjectName(e.text);
        action->setShortcuts(e.keys);
        if (e.onGrid) {
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            grid->addAction(action);
        }
        QObject::connect(action, &QAction::triggered, &comforts, e.command);
    }
    bar->move(kEditMenuPlace);
    bar->resize(bar->sizeHint());
    bar->hide();  // shown with the other month commands
    return bar;
}

} // namespace pluvelle::ui
