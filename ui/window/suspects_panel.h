#pragma once
// The list of the month's suspect values, each with its time and reason;
// "Suivant" / "Précédent" go from the table's current cell to the next or
// previous suspect and select its cell. The list is read lazily, so a month
// full of suspects costs only the lines shown.
#include <QWidget>

class QLabel;
class QListView;
class QPushButton;

namespace pluvelle::ui {

class SuspectListModel;
class SuspectMarks;
class TableauView;

class SuspectsPanel : public QWidget {
    Q_OBJECT
public:
    SuspectsPanel(SuspectMarks& suspects, TableauView& table, QWidget* parent = nullptr);

    QListView* list() const { return list_; }
    QLabel* count() const { return count_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* previousButton() const { return previous_; }

public slots:
    void showNext();
    void showPrevious();

private:
    void suspectsChanged();
    // Selects suspect `i` in the list and its cell in the table.
    void choose(int i);

    SuspectMarks& suspects_;
    TableauView& table_;
    SuspectListModel* model_;
    QLabel* count_;
    QListView* list_;
    QPushButton* previous_;
    QPushButton* next_;
};

} // namespace pluvelle::ui
