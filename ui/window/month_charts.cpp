#include "month_charts.h"

#include "chart_panel.h"
#include "month_table_model.h"
#include "suspect_marks.h"
#include "tableau_view.h"
#include "window_colours.h"
#include "window_fonts.h"

#include <QPushButton>

namespace pluvelle::ui {

namespace {
// After "Export InfoClimat", at the end of the command row.
constexpr QRect kGraphiquesDesign{1196, 13, 100, 19};
} // namespace

MonthCharts::MonthCharts(QWidget* form, MonthSession& session, MonthTableModel& model, TableauView& table)
    : QObject(form), form_(form), session_(session), model_(model), table_(table),
      suspects_(new SuspectMarks(session, model, this)) {
    model_.setSuspectCells([this](int row, int col) { return suspects_->isSuspect(row, col); });
    connect(suspects_, &SuspectMarks::changed, this, [this] {
        table_.viewport()->update();
        table_.dateColumn()->viewport()->update();
    });
    button_ = new QPushButton(kGraphiquesCaption, form);
    button_->setObjectName("Graphiques");
    button_->setGeometry(kGraphiquesDesign);
    button_->setFont(CalibriPixels(13));
    QPalette p = button_->palette();
    p.setColor(QPalette::ButtonText, kGreen);
    button_->setPalette(p);
    button_->hide();
}

// The chart window goes before the suspect marks it reads.
MonthCharts::~MonthCharts() { delete panel_; }

ChartPanel* MonthCharts::panel() const { return panel_; }

void MonthCharts::open() {
    if (!panel_) panel_ = new ChartPanel(session_, model_, table_, *suspects_, form_);
    panel_->show();
    panel_->raise();
    panel_->activateWindow();
}

} // namespace pluvelle::ui
