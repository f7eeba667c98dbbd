#pragma once
// "Enregistrements manquants": the month's missing intervals in a list. An
// entry taken (Enter, double click, "Aller à l'emplacement") shows its place
// in the grid; "Insérer les enregistrements manquants" adds the records of
// the chosen gap as one undo step. The list follows every change.
#include "quality/month_gaps.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace pluvelle::ui {

inline const QString kGapsTitle = QStringLiteral("Enregistrements manquants");
inline const QString kGoToGapText = QStringLiteral("Aller à l'emplacement");
inline const QString kFillGapText = QStringLiteral("Insérer les enregistrements manquants");
inline const QString kCloseText = QStringLiteral("Fermer");
inline const QString kNoGapText = QStringLiteral("Aucun enregistrement manquant.");

class GapsDialog : public QDialog {
    Q_OBJECT
public:
    explicit GapsDialog(QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    const std::vector<MonthGap>& gaps() const { return gaps_; }
    // Lists `gaps`; the chosen entry stays chosen when it is still there.
    void setGaps(std::vector<MonthGap> gaps, const std::string& monthText);
    // The gap of the chosen entry, or none.
    const MonthGap* chosenGap() const;

signals:
    void goToGap(const pluvelle::MonthGap& gap);
    void fillGap(const pluvelle::MonthGap& gap);

private:
    void goToChosen();
    void fillChosen();

    QLabel* summary_;
    QListWidget* list_;
    QPushButton* goTo_;
    QPushButton* fill_;
    std::vector<MonthGap> gaps_;
};

} // namespace pluvelle::ui
