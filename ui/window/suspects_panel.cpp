#include "suspects_panel.h"

#include "cell_navigation.h"
#include "suspect_marks.h"
#include "tableau_view.h"
#include "window_fonts.h"

#include <QAbstractListModel>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace pluvelle::ui {

// One line per suspect: "05/04/2016 14:35  TempExt 25.0 : saut brutal ...".
class SuspectListModel : public QAbstractListModel {
public:
    SuspectListModel(const SuspectMarks& suspects, QObject* parent)
        : QAbstractListModel(parent), suspects_(suspects) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(suspects_.list().items().size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
        const Suspect& s = suspects_.list().items()[static_cast<std::size_t>(index.row())];
        const MonthTable& table = suspects_.table();
        return QString::fromStdString(table.cell(s.row, 0) + "  " + DescribeSuspect(s, table));
    }
    void renew() {
        beginResetModel();
        endResetModel();
    }

private:
    const SuspectMarks& suspects_;
};

SuspectsPanel::SuspectsPanel(SuspectMarks& suspects, TableauView& table, QWidget* parent)
    : QWidget(parent), suspects_(suspects), table_(table), model_(new SuspectListModel(suspects, this)) {
    count_ = new QLabel(this);
    count_->setFont(CalibriPixels(14, true));
    list_ = new QListView(this);
    list_->setObjectName("ListeSuspects");
    list_->setModel(model_);
    list_->setUniformItemSizes(true);
    list_->setFont(CalibriPixels(12));
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    previous_ = new QPushButton("Précédent", this);
    previous_->setObjectName("SuspectPrecedent");
    next_ = new QPushButton("Suivant", this);
    next_->setObjectName("SuspectSuivant");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous_);
    buttons->addWidget(next_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 0, 0);
    layout->addWidget(count_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(previous_, &QPushButton::clicked, this, &SuspectsPanel::showPrevious);
    connect(next_, &QPushButton::clicked, this, &SuspectsPanel::showNext);
    connect(list_, &QListView::clicked, this, [this](const QModelIndex& i) { choose(i.row()); });
    connect(list_, &QListView::activated, this, [this](const QModelIndex& i) { choose(i.row()); });
    connect(&suspects_, &SuspectMarks::changed, this, &SuspectsPanel::suspectsChanged);
    suspectsChanged();
}

void SuspectsPanel::suspectsChanged() {
    model_->renew();
    const std::size_t n = suspects_.list().items().size();
    count_->setText(n == 0   ? QStringLiteral("Aucune valeur suspecte")
                    : n == 1 ? QStringLiteral("1 valeur suspecte")
                             : QStringLiteral("%1 valeurs suspectes").arg(n));
    previous_->setEnabled(n > 0);
    next_->setEnabled(n > 0);
}

void SuspectsPanel::choose(int i) {
    const auto& items = suspects_.list().items();
    if (i < 0 || i >= static_cast<int>(items.size())) return;
    const QModelIndex line = model_->index(i);
    list_->setCurrentIndex(line);
    list_->scrollTo(line);
    SelectTableCell(table_, items[static_cast<std::size_t>(i)].row, items[static_cast<std::size_t>(i)].column);
}

// From the table's current cell; with none, from the month's start.
void SuspectsPanel::showNext() {
    const QModelIndex at = table_.currentIndex();
    choose(at.isValid() ? suspects_.list().next(at.row(), at.column()) : suspects_.list().next(0));
}

void SuspectsPanel::showPrevious() {
    const QModelIndex at = table_.currentIndex();
    choose(at.isValid() ? suspects_.list().previous(at.row(), at.column())
                        : suspects_.list().previous(table_.model() ? table_.model()->rowCount() : 0));
}

} // namespace pluvelle::ui
