#pragma once
// What the window gains for looking at a month: the suspect values, tinted
// in the table as soon as a month is open, and the "Graphiques" button that
// opens the chart window (made the first time it is asked for).
#include <QObject>
#include <QPointer>

class QPushButton;
class QWidget;

namespace pluvelle {
struct MonthSession;
}

namespace pluvelle::ui {

class ChartPanel;
class MonthTableModel;
class SuspectMarks;
class TableauView;

inline constexpr const char* kGraphiquesCaption = "Graphiques";

class MonthCharts : public QObject {
    Q_OBJECT
public:
    MonthCharts(QWidget* form, MonthSession& session, MonthTableModel& model, TableauView& table);
    ~MonthCharts() override;

    // The "Graphiques" button, hidden until a month is open.
    QPushButton* button() const { return button_; }
    SuspectMarks& suspects() const { return *suspects_; }
    // The chart window, or null before it was first opened.
    ChartPanel* panel() const;
    // Shows the chart window in front.
    void open();

private:
    QWidget* form_;
    MonthSession& session_;
    MonthTableModel& model_;
    TableauView& table_;
    SuspectMarks* suspects_;
    QPushButton* button_;
    QPointer<ChartPanel> panel_;
};

} // namespace pluvelle::ui
