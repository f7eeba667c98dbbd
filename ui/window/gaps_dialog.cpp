#include "gaps_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace pluvelle::ui {

GapsDialog::GapsDialog(QWidget* parent)
    : QDialog(parent), summary_(new QLabel(this)), list_(new QListWidget(this)),
      goTo_(new QPushButton(kGoToGapText, this)), fill_(new QPushButton(kFillGapText, this)) {
    setObjectName("EnregistrementsManquants");
    setWindowTitle(kGapsTitle);
    list_->setObjectName("ListeManquants");
    auto* close = new QPushButton(kCloseText, this);
    // Enter in the list goes to the gap; no button takes it as the default.
    for (QPushButton* b : {goTo_, fill_, close}) b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(goTo_);
    buttons->addWidget(fill_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(520, 360);

    connect(list_, &QListWidget::itemActivated, this, &GapsDialog::goToChosen);
    connect(goTo_, &QPushButton::clicked, this, &GapsDialog::goToChosen);
    connect(fill_, &QPushButton::clicked, this, &GapsDialog::fillChosen);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void GapsDialog::setGaps(std::vector<MonthGap> gaps, const std::string& monthText) {
    const int chosen = list_->currentRow();
    gaps_ = std::move(gaps);
    list_->clear();
    for (const MonthGap& g : gaps_) list_->addItem(QString::fromStdString(DescribeGap(g, monthText)));
    if (!gaps_.empty()) list_->setCurrentRow(std::clamp(chosen, 0, static_cast<int>(gaps_.size()) - 1));
    summary_->setText(gaps_.empty() ? kNoGapText
                                    : QStringLiteral("%1 intervalle(s) sans enregistrement :").arg(gaps_.size()));
    goTo_->setEnabled(!gaps_.empty());
    fill_->setEnabled(!gaps_.empty());
}

const MonthGap* GapsDialog::chosenGap() const {
    const int row = list_->currentRow();
    return row >= 0 && row < static_cast<int>(gaps_.size()) ? &gaps_[static_cast<std::size_t>(row)] : nullptr;
}

// A copy goes out: filling a gap lists the gaps again.
void GapsDialog::goToChosen() {
    if (const MonthGap* g = chosenGap()) emit goToGap(MonthGap(*g));
}

void GapsDialog::fillChosen() {
    if (const MonthGap* g = chosenGap()) emit fillGap(MonthGap(*g));
}

} // namespace pluvelle::ui
