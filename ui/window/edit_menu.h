#pragma once
// The "Édition" menu: a small menu bar in the free space right of the
// command column, hidden until a month is loaded; its entries with their keys. Entries that act on the grid
// answer their keys while the grid has the focus (an open cell editor keeps
// its own Ctrl+C, Ctrl+V, Ctrl+Z and Delete); the others anywhere in the window.
#include <QPoint>

class QMenuBar;
class QUndoStack;
class QWidget;

namespace pluvelle::ui {

class EditComforts;

inline constexpr QPoint kEditMenuPlace{176, 37};

QMenuBar* BuildEditMenu(QWidget* form, QWidget* grid, QUndoStack& stack, EditComforts& comforts);

} // namespace pluvelle::ui
