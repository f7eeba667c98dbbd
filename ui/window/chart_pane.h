#pragma once
// One band of the charts: the quantities sharing a unit (the accumulated rain
// on a second scale at the right), over the time axis every band shares. The
// band only draws and reports the mouse: the wheel asks for a zoom, a drag
// for a move along time, a click for the record under the pointer.
#include "quality/chart_series.h"

#include <QChartView>

#include <utility>
#include <vector>

class QDateTimeAxis;
class QGraphicsRectItem;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace pluvelle::ui {

class ChartPane : public QChartView {
    Q_OBJECT
public:
    // `bounds`: the values the quantities can take, which the scales keep within.
    ChartPane(const QString& unit, std::pair<double, double> bounds, QWidget* parent = nullptr);

    // A line on the unit's scale, or on a second scale at the right when
    // `rightTitle` names one.
    QLineSeries* addLine(ChartQuantity q, const QColor& colour, const QString& rightTitle = {});
    // The line of `q`, or null when this band does not draw it.
    QLineSeries* line(ChartQuantity q) const;
    const std::vector<ChartQuantity>& quantities() const { return quantities_; }
    QScatterSeries* suspectMarks() const { return suspects_; }

    // Time window in milliseconds since the epoch, with its tick count and label format.
    void setTimeWindow(double from, double to, int ticks, const QString& format);
    void showTimeLabels(bool shown);
    // Fits each value scale to the points its lines now hold.
    void fitValueScales();
    // Spans of time [from, to] (ms) drawn as light bands: the table's selection.
    void setSelectionBands(std::vector<std::pair<double, double>> bands);
    const std::vector<std::pair<double, double>>& selectionBands() const { return bands_; }

    // Room the scales take at the left and at the right of the plotting area,
    // and margins that bring the plotting area to `left` and `right` from the
    // band's edges, so bands with wider scale labels line up with the others.
    std::pair<double, double> scaleRoom() const;
    void alignPlotArea(double left, double right);

    // Width of the plotting area in pixels: how many buckets the lines need.
    int plotWidth() const;
    // Time (ms) at a horizontal position of this view.
    double timeAt(double viewX) const;
    // Where the value (time ms, value) of `q`'s line is drawn, in this view's pixels.
    QPointF pixelOf(ChartQuantity q, double time, double value) const;

signals:
    void zoomAsked(double centreTime, double factor);
    void moveAsked(double deltaTime);
    void clickedAt(QPoint viewPos);
    void resized();
    void plotAreaMoved();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void placeBands();
    QValueAxis* rightScale();

    QDateTimeAxis* time_;
    QValueAxis* left_;
    QValueAxis* right_ = nullptr;
    QScatterSeries* suspects_;
    std::vector<ChartQuantity> quantities_;
    std::vector<QLineSeries*> lines_;
    std::vector<std::pair<double, double>> bands_;
    std::vector<QGraphicsRectItem*> bandItems_;
    std::pair<double, double> bounds_;
    double from_ = 0, to_ = 1;
    bool timeLabels_ = true;
    bool dragging_ = false;
    QPoint pressAt_;
    QPoint lastDragAt_;
};

} // namespace pluvelle::ui
