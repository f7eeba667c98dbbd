#pragma once
// Typing a month in without the mouse, as in a spreadsheet: arrows move,
// typing or F2 edits, Tab goes right, Enter validates the cell and goes down
// (outside an edit too), Escape gives the edit up; Delete and the clipboard
// keys belong to the "Édition" menu.
#include <QObject>

class QTableView;

namespace pluvelle::ui {

class KeyboardFlow : public QObject {
    Q_OBJECT
public:
    explicit KeyboardFlow(QTableView& view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveDown();

    QTableView& view_;
};

} // namespace pluvelle::ui
