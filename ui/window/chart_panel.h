#pragma once
// "Graphiques": the open month drawn from the table's current texts, in
// bands of one unit each over a shared time axis, beside the list of
// suspect values. Linked to the table both ways: a click on a line selects
// the record's cell, the table's selection shows as bands on the charts.
// The window follows edits; its work is coalesced until the window is idle
// and done only while it is shown. Lines are thinned to the pixels they
// cover; the suspect search never is.
#include "quality/chart_series.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <utility>
#include <vector>

class QCheckBox;
class QLabel;
class QLineSeries;
class QVBoxLayout;

namespace pluvelle {
struct MonthSession;
}

namespace pluvelle::ui {

class ChartPane;
class MonthTableModel;
class SuspectMarks;
class SuspectsPanel;
class TableauView;

class ChartPanel : public QWidget {
    Q_OBJECT
public:
    ChartPanel(const MonthSession& session, MonthTableModel& model, TableauView& table, SuspectMarks& suspects,
               QWidget* parent = nullptr);

    // The band drawing `q`, its line, its check box.
    ChartPane* pane(ChartQuantity q) const;
    QLineSeries* line(ChartQuantity q) const;
    QCheckBox* checkBox(ChartQuantity q) const { return checks_[static_cast<std::size_t>(q)]; }
    SuspectsPanel* suspectsPanel() const { return suspectsPanel_; }
    const MonthSeries& series() const { return series_; }
    // Time of each record in milliseconds since the epoch, as the axis reads it.
    const std::vector<double>& times() const { return times_; }
    // The time window shown, in milliseconds.
    double shownFrom() const { return from_; }
    double shownTo() const { return to_; }

    // Zooms by `factor` (< 1 closer) around `centre`, moves by `delta`, shows the whole month.
    void zoom(double centre, double factor);
    void move(double delta);
    void showWholeMonth();
    // Runs pending work now rather than when idle.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Band {
        ChartPane* pane;
        QWidget* row;
    };
    void buildBands(QVBoxLayout* layout);
    QWidget* buildToolbar();
    void addBand(QVBoxLayout* layout, const QString& unit, std::pair<double, double> bounds,
                 std::initializer_list<std::pair<ChartQuantity, QColor>> lines, const QString& rightTitle = {});
    void tableReset();
    void tableEdited();
    void scheduleRedraw();
    void rebuild();
    void findWholeMonth();
    void redraw();
    void drawLines(ChartPane& pane);
    void drawSuspects();
    void drawSelection();
    void placeBandsInLayout();
    void alignBands();
    void setWindow(double from, double to);
    void pointClicked(ChartPane* pane, QPoint at);
    int nearestRecord(double time) const;

    const MonthSession& session_;
    MonthTableModel& model_;
    TableauView& table_;
    SuspectMarks& suspects_;
    SuspectsPanel* suspectsPanel_;
    QVBoxLayout* bandsLayout_ = nullptr;
    std::vector<Band> bands_;
    std::array<ChartPane*, kChartQuantityCount> paneOf_{};
    std::array<QCheckBox*, kChartQuantityCount> checks_{};
    QLabel* shownRange_ = nullptr;

    MonthSeries series_;
    std::vector<double> times_;
    double wholeFrom_ = 0, wholeTo_ = 1;
    int wholeTicks_ = 2;
    QString wholeFormat_;
    double from_ = 0, to_ = 1;
    bool needsRebuild_ = true;
    bool needsWholeMonth_ = true;
    QTimer pending_;
    QTimer aligning_;
};

} // namespace pluvelle::ui
