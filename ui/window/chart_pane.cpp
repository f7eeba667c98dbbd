#include "chart_pane.h"

#include "window_colours.h"
#include "window_fonts.h"

#include <QDateTime>
#include <QDateTimeAxis>
#include <QGraphicsRectItem>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QValueAxis>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace pluvelle::ui {

namespace {

constexpr int kDragThreshold = 4;  // pixels a press may wander and still be a click
constexpr double kBandsZ = 1.5;    // over the plot's background, under grid and lines

const QColor kSelectionBand{0, 128, 128, 70};

void SetScaleLook(QAbstractAxis* axis) {
    const QFont font = CalibriPixels(11);
    axis->setLabelsFont(font);
    axis->setTitleFont(font);
    axis->setTruncateLabels(false);  // a value cut to "..." tells nothing
}

} // namespace

// The chart is given at construction: a chart set later would orphan the
// view's first one.
ChartPane::ChartPane(const QString& unit, std::pair<double, double> bounds, QWidget* parent)
    : QChartView(new QChart, parent), bounds_(bounds) {
    QChart* chart = this->chart();
    chart->legend()->hide();
    chart->setMargins(QMargins(0, 4, 0, 0));
    chart->setBackgroundRoundness(0);
    time_ = new QDateTimeAxis;
    left_ = new QValueAxis;
    left_->setTitleText(unit);
    SetScaleLook(time_);
    SetScaleLook(left_);
    chart->addAxis(time_, Qt::AlignBottom);
    chart->addAxis(left_, Qt::AlignLeft);
    suspects_ = new QScatterSeries;
    suspects_->setName("Valeurs suspectes");
    suspects_->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    suspects_->setMarkerSize(9);
    suspects_->setColor(QColor(255, 140, 0, 200));
    suspects_->setBorderColor(kSuspectMark);
    chart->addSeries(suspects_);
    suspects_->attachAxis(time_);
    suspects_->attachAxis(left_);
    connect(chart, &QChart::plotAreaChanged, this, [this] {
        placeBands();
        emit plotAreaMoved();
    });
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(70);
}

QValueAxis* ChartPane::rightScale() {
    if (!right_) {
        right_ = new QValueAxis;
        SetScaleLook(right_);
        chart()->addAxis(right_, Qt::AlignRight);
    }
    return right_;
}

QLineSeries* ChartPane::addLine(ChartQuantity q, const QColor& colour, const QString& rightTitle) {
    auto* series = new QLineSeries;
    series->setName(QString::fromUtf8(InfoOf(q).label.data(), static_cast<qsizetype>(InfoOf(q).label.size())));
    QPen pen(colour);
    pen.setWidthF(1.3);
    series->setPen(pen);
    chart()->addSeries(series);
    series->attachAxis(time_);
    if (rightTitle.isEmpty()) {
        series->attachAxis(left_);
    } else {
        rightScale()->setTitleText(rightTitle);
        series->attachAxis(right_);
    }
    // The suspect marks go back on top of the lines.
    chart()->removeSeries(suspects_);
    chart()->addSeries(suspects_);
    suspects_->attachAxis(time_);
    suspects_->attachAxis(left_);
    quantities_.push_back(q);
    lines_.push_back(series);
    return series;
}

QLineSeries* ChartPane::line(ChartQuantity q) const {
    for (std::size_t i = 0; i < quantities_.size(); ++i)
        if (quantities_[i] == q) return lines_[i];
    return nullptr;
}

void ChartPane::setTimeWindow(double from, double to, int ticks, const QString& format) {
    from_ = from;
    to_ = to;
    time_->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(from)),
                    QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(to)));
    time_->setTickCount(std::max(2, ticks));
    time_->setFormat(format);
    placeBands();
}

void ChartPane::showTimeLabels(bool shown) {
    if (shown == timeLabels_) return;
    timeLabels_ = shown;
    time_->setLabelsVisible(shown);
}

namespace {
// Lowest and highest value drawn inside [from, to].
void Extend(const QLineSeries& line, double from, double to, double& low, double& high) {
    if (!line.isVisible()) return;
    for (const QPointF& p : line.points())
        if (p.x() >= from && p.x() <= to) low = std::min(low, p.y()), high = std::max(high, p.y());
}

// A round step giving three to six intervals over a span.
double RoundStep(double span) {
    const double raw = span / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (raw <= m * magnitude * (1 + 1e-9)) return m * magnitude;
    return 10 * magnitude;
}

// Decimals a step needs: none for 5 or 10, one for 0.5 or 2.5, two for 0.25.
int Decimals(double step) {
    int d = 0;
    for (double scaled = step; d < 6 && std::fabs(scaled - std::round(scaled)) > 1e-6; scaled *= 10) ++d;
    return d;
}

// The scale spans the values drawn with a little room, widened to round
// steps, never past the quantity's bounds: no negative wind or humidity
// above 100 % for the sake of round numbers.
void Fit(QValueAxis& axis, double low, double high, std::pair<double, double> bounds) {
    if (!(low <= high)) low = 0, high = 1;
    if (high - low < 1e-9) low -= 1, high += 1;
    const double room = (high - low) * 0.04;
    low = std::max(bounds.first, low - room);
    high = std::min(bounds.second, high + room);
    const double step = RoundStep(high - low);
    const double from = std::max(bounds.first, std::floor(low / step + 1e-9) * step);
    const double to = std::min(bounds.second, std::ceil(high / step - 1e-9) * step);
    axis.setRange(from, to);
    axis.setTickCount(static_cast<int>(std::lround((to - from) / step)) + 1);
    axis.setLabelFormat(QStringLiteral("%.%1f").arg(Decimals(step)));
}
} // namespace

void ChartPane::fitValueScales() {
    constexpr double none = std::numeric_limits<double>::infinity();
    double low[2] = {none, none}, high[2] = {-none, -none};
    for (QLineSeries* line : lines_) {
        const int scale = line->attachedAxes().contains(left_) ? 0 : 1;
        Extend(*line, from_, to_, low[scale], high[scale]);
    }
    Fit(*left_, low[0], high[0], bounds_);
    if (right_) Fit(*right_, low[1], high[1], bounds_);
    placeBands();
}

void ChartPane::setSelectionBands(std::vector<std::pair<double, double>> bands) {
    bands_ = std::move(bands);
    placeBands();
}

int ChartPane::plotWidth() const { return std::max(1, static_cast<int>(chart()->plotArea().width())); }

double ChartPane::timeAt(double viewX) const {
    const QPointF inChart = chart()->mapFromScene(mapToScene(QPoint(static_cast<int>(viewX), 0)));
    const QRectF area = chart()->plotArea();
    return from_ + (inChart.x() - area.left()) / std::max(1.0, area.width()) * (to_ - from_);
}

QPointF ChartPane::pixelOf(ChartQuantity q, double time, double value) const {
    QLineSeries* series = line(q);
    if (!series) return {};
    const QPointF inChart = chart()->mapToPosition(QPointF(time, value), series);
    return mapFromScene(chart()->mapToScene(inChart));
}

std::pair<double, double> ChartPane::scaleRoom() const {
    const QRectF area = chart()->plotArea();
    const QMargins m = chart()->margins();
    return {area.left() - m.left(), chart()->size().width() - area.right() - m.right()};
}

void ChartPane::alignPlotArea(double left, double right) {
    const auto [ownLeft, ownRight] = scaleRoom();
    QMargins m = chart()->margins();
    m.setLeft(std::max(0, static_cast<int>(std::lround(left - ownLeft))));
    m.setRight(std::max(0, static_cast<int>(std::lround(right - ownRight))));
    if (m != chart()->margins()) chart()->setMargins(m);
}

void ChartPane::placeBands() {
    while (bandItems_.size() < bands_.size()) {
        auto* item = new QGraphicsRectItem(chart());
        item->setBrush(kSelectionBand);
        item->setPen(Qt::NoPen);
        item->setZValue(kBandsZ);
        bandItems_.push_back(item);
    }
    const QRectF area = chart()->plotArea();
    const double span = std::max(1.0, to_ - from_);
    for (std::size_t i = 0; i < bandItems_.size(); ++i) {
        QGraphicsRectItem* item = bandItems_[i];
        if (i >= bands_.size() || bands_[i].second < from_ || bands_[i].first > to_) {
            item->hide();
            continue;
        }
        double x0 = area.left() + (bands_[i].first - from_) / span * area.width();
        double x1 = area.left() + (bands_[i].second - from_) / span * area.width();
        if (x1 - x0 < 3) x0 = (x0 + x1) / 2 - 1.5, x1 = x0 + 3;  // a single record stays visible
        x0 = std::max(x0, area.left());
        x1 = std::min(x1, area.right());
        item->setRect(QRectF(x0, area.top(), std::max(1.0, x1 - x0), area.height()));
        item->show();
    }
}

void ChartPane::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    emit resized();
}

void ChartPane::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0) emit zoomAsked(timeAt(event->position().x()), std::pow(0.8, steps));
    event->accept();
}

void ChartPane::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QChartView::mousePressEvent(event);
    pressAt_ = lastDragAt_ = event->position().toPoint();
    dragging_ = false;
    event->accept();
}

void ChartPane::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return QChartView::mouseMoveEvent(event);
    const QPoint at = event->position().toPoint();
    if (!dragging_ && (at - pressAt_).manhattanLength() > kDragThreshold) {
        dragging_ = true;
        setCursor(Qt::ClosedHandCursor);
    }
    if (dragging_) {
        emit moveAsked(-(at.x() - lastDragAt_.x()) / static_cast<double>(plotWidth()) * (to_ - from_));
        lastDragAt_ = at;
    }
    event->accept();
}

void ChartPane::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QChartView::mouseReleaseEvent(event);
    if (dragging_) unsetCursor();
    else emit clickedAt(event->position().toPoint());
    dragging_ = false;
    event->accept();
}

} // namespace pluvelle::ui
