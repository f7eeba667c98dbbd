#include "chart_panel.h"

#include "cell_navigation.h"
#include "chart_pane.h"
#include "month_table_model.h"
#include "suspect_marks.h"
#include "suspects_panel.h"
#include "tableau_view.h"
#include "window_fonts.h"

#include "core/month_session.h"

#include <QCheckBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineSeries>
#include <QPixmap>
#include <QPushButton>
#include <QScatterSeries>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace pluvelle::ui {

namespace {

constexpr double kMinute = 60'000;
constexpr double kDay = 1440 * kMinute;
constexpr double kNarrowestWindow = 20 * kMinute;
constexpr int kCheckColumnWidth = 170;

QString Text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

// Milliseconds since the epoch of each record, in local time as the time
// axis shows it; computed per hour so a month costs a few hundred
// conversions, and kept ascending across a change of clock.
std::vector<double> RecordTimes(const MonthSeries& s) {
    std::vector<double> times;
    times.reserve(s.size());
    const QDate start(s.year, s.month, 1);
    if (s.size() == 0 || !start.isValid()) {
        for (int m : s.minutes) times.push_back(m * kMinute);
        return times;
    }
    std::vector<double> hourStart(static_cast<std::size_t>(s.minutes.back() / 60 + 1));
    for (std::size_t h = 0; h < hourStart.size(); ++h) {
        const QDateTime at(start.addDays(static_cast<qint64>(h / 24)), QTime(static_cast<int>(h % 24), 0));
        const double previous = h ? hourStart[h - 1] : 0;
        const double t = at.isValid() ? static_cast<double>(at.toMSecsSinceEpoch()) : previous + 60 * kMinute;
        hourStart[h] = h ? std::max(t, previous) : t;
    }
    for (int m : s.minutes) times.push_back(hourStart[static_cast<std::size_t>(m / 60)] + (m % 60) * kMinute);
    return times;
}

double DayStart(const MonthSeries& s, int dayIndex) {
    return static_cast<double>(
        QDateTime(QDate(s.year, s.month, 1).addDays(dayIndex), QTime(0, 0)).toMSecsSinceEpoch());
}

// The quantity drawn for a table column, or -1 (the accumulated rain is
// never the seat of a suspect value).
int QuantityOfColumn(int column) {
    for (const auto& q : ChartQuantities())
        if (q.column == column && q.quantity != ChartQuantity::RainTotal) return static_cast<int>(q.quantity);
    return -1;
}

QIcon Swatch(const QColor& colour) {
    QPixmap square(12, 12);
    square.fill(colour);
    return QIcon(square);
}

} // namespace

ChartPanel::ChartPanel(const MonthSession& session, MonthTableModel& model, TableauView& table,
                       SuspectMarks& suspects, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), model_(model), table_(table), suspects_(suspects) {
    setObjectName("PanneauGraphiques");
    setWindowTitle("Graphiques");
    resize(1300, 820);
    pending_.setSingleShot(true);
    pending_.setInterval(0);
    connect(&pending_, &QTimer::timeout, this, &ChartPanel::refresh);
    aligning_.setSingleShot(true);
    aligning_.setInterval(0);
    connect(&aligning_, &QTimer::timeout, this, &ChartPanel::alignBands);

    auto* charts = new QVBoxLayout;
    charts->addWidget(buildToolbar());
    bandsLayout_ = new QVBoxLayout;
    bandsLayout_->setSpacing(0);
    buildBands(bandsLayout_);
    charts->addLayout(bandsLayout_, 1);
    suspectsPanel_ = new SuspectsPanel(suspects_, table_, this);
    suspectsPanel_->setFixedWidth(400);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(charts, 1);
    layout->addWidget(suspectsPanel_);

    connect(&model_, &QAbstractItemModel::dataChanged, this, &ChartPanel::tableEdited);
    connect(&model_, &QAbstractItemModel::modelReset, this, &ChartPanel::tableReset);
    connect(&model_, &QAbstractItemModel::rowsInserted, this, &ChartPanel::tableReset);
    connect(&suspects_, &SuspectMarks::changed, this, &ChartPanel::scheduleRedraw);
    if (table_.selectionModel())
        connect(table_.selectionModel(), &QItemSelectionModel::selectionChanged, this, &ChartPanel::drawSelection);
    placeBandsInLayout();
}

QWidget* ChartPanel::buildToolbar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, const char*> buttons[] = {
        {"ZoomPlus", "Zoom +"}, {"ZoomMoins", "Zoom −"}, {"ToutLeMois", "Tout le mois"}};
    for (const auto& [name, caption] : buttons) {
        auto* b = new QPushButton(QString::fromUtf8(caption), bar);
        b->setObjectName(name);
        row->addWidget(b);
    }
    connect(bar->findChild<QPushButton*>("ZoomPlus"), &QPushButton::clicked, this,
            [this] { zoom((from_ + to_) / 2, 0.5); });
    connect(bar->findChild<QPushButton*>("ZoomMoins"), &QPushButton::clicked, this,
            [this] { zoom((from_ + to_) / 2, 2); });
    connect(bar->findChild<QPushButton*>("ToutLeMois"), &QPushButton::clicked, this, &ChartPanel::showWholeMonth);
    shownRange_ = new QLabel(bar);
    shownRange_->setFont(CalibriPixels(14, true));
    row->addSpacing(16);
    row->addWidget(shownRange_);
    row->addStretch(1);
    auto* hint = new QLabel("Molette : zoom · glisser : déplacer · clic : aller à la ligne", bar);
    hint->setFont(CalibriPixels(12, false, true));
    row->addWidget(hint);
    return bar;
}

void ChartPanel::buildBands(QVBoxLayout* layout) {
    using Q = ChartQuantity;
    constexpr double any = std::numeric_limits<double>::infinity();
    const std::pair<double, double> anyValue{-any, any}, positive{0, any};
    addBand(layout, "°C", anyValue,
            {{Q::Temperature, QColor(200, 30, 30)}, {Q::TemperatureHigh, QColor(240, 150, 60)},
             {Q::TemperatureLow, QColor(60, 130, 220)}});
    addBand(layout, "hPa", anyValue, {{Q::Pressure, QColor(20, 110, 50)}});
    addBand(layout, "%", {0, 100}, {{Q::Humidity, QColor(0, 128, 128)}});
    addBand(layout, "km/h", positive, {{Q::Wind, QColor(70, 70, 200)}, {Q::Gust, QColor(170, 80, 200)}});
    addBand(layout, "mm", positive, {{Q::Rain, QColor(0, 110, 230)}, {Q::RainTotal, QColor(0, 0, 128)}},
            "mm cumulés");
    addBand(layout, "W/m²", positive, {{Q::Radiation, QColor(215, 150, 0)}});
}

// One band: its check boxes (the legend) at the left, its chart at the right.
void ChartPanel::addBand(QVBoxLayout* layout, const QString& unit, std::pair<double, double> bounds,
                         std::initializer_list<std::pair<ChartQuantity, QColor>> lines, const QString& rightTitle) {
    auto* row = new QWidget(this);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    auto* checks = new QVBoxLayout;
    checks->setSpacing(2);
    auto* pane = new ChartPane(unit, bounds, row);
    // The first line listed is drawn last, over the others, and its box comes first.
    for (auto it = std::rbegin(lines); it != std::rend(lines); ++it) {
        const auto& [q, colour] = *it;
        const bool right = q == ChartQuantity::RainTotal;
        pane->addLine(q, colour, right ? rightTitle : QString());
        auto* box = new QCheckBox(Text(InfoOf(q).label), row);
        box->setIcon(Swatch(colour));
        box->setChecked(true);
        box->setFont(CalibriPixels(13));
        checks->insertWidget(0, box);
        checks_[static_cast<std::size_t>(q)] = box;
        paneOf_[static_cast<std::size_t>(q)] = pane;
        connect(box, &QCheckBox::toggled, this, &ChartPanel::placeBandsInLayout);
    }
    checks->addStretch(1);
    auto* checkColumn = new QWidget(row);
    checkColumn->setFixedWidth(kCheckColumnWidth);
    checkColumn->setLayout(checks);
    rowLayout->addWidget(checkColumn, 0, Qt::AlignLeft);
    rowLayout->addWidget(pane, 1);
    layout->addWidget(row);
    bands_.push_back({pane, row});
    connect(pane, &ChartPane::zoomAsked, this, &ChartPanel::zoom);
    connect(pane, &ChartPane::moveAsked, this, &ChartPanel::move);
    connect(pane, &ChartPane::clickedAt, this, [this, pane](QPoint at) { pointClicked(pane, at); });
    connect(pane, &ChartPane::resized, this, &ChartPanel::scheduleRedraw);
    connect(pane, &ChartPane::plotAreaMoved, &aligning_, qOverload<>(&QTimer::start));
}

// The bands' time axes line up whatever the width of their value labels.
void ChartPanel::alignBands() {
    double left = 0, right = 0;
    for (const Band& b : bands_)
        if (b.pane->isVisible()) {
            const auto [ownLeft, ownRight] = b.pane->scaleRoom();
            left = std::max(left, std::ceil(ownLeft));
            right = std::max(right, std::ceil(ownRight));
        }
    for (const Band& b : bands_)
        if (b.pane->isVisible()) b.pane->alignPlotArea(left, right);
}

ChartPane* ChartPanel::pane(ChartQuantity q) const { return paneOf_[static_cast<std::size_t>(q)]; }

QLineSeries* ChartPanel::line(ChartQuantity q) const { return pane(q)->line(q); }

// A band shows while one of its lines is ticked and has data; the lowest
// shown band carries the time labels.
void ChartPanel::placeBandsInLayout() {
    ChartPane* lowest = nullptr;
    for (std::size_t i = 0; i < bands_.size(); ++i) {
        bool shown = false;
        for (ChartQuantity q : bands_[i].pane->quantities()) {
            const QCheckBox* box = checkBox(q);
            const bool drawn = box->isChecked() && box->isEnabled();
            line(q)->setVisible(drawn);
            shown |= drawn;
        }
        bands_[i].pane->setVisible(shown);
        bandsLayout_->setStretch(static_cast<int>(i), shown ? 1 : 0);
        if (shown) lowest = bands_[i].pane;
    }
    for (const Band& b : bands_) b.pane->showTimeLabels(b.pane == lowest);
    scheduleRedraw();
}

void ChartPanel::tableReset() {
    needsRebuild_ = needsWholeMonth_ = true;
    scheduleRedraw();
}

void ChartPanel::tableEdited() {
    needsRebuild_ = true;
    scheduleRedraw();
}

void ChartPanel::scheduleRedraw() { pending_.start(); }

void ChartPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    scheduleRedraw();
}

void ChartPanel::refresh() {
    pending_.stop();
    if (!isVisible()) return;  // the work waits for the window to be shown
    if (needsRebuild_) rebuild();
    redraw();
}

void ChartPanel::rebuild() {
    series_ = BuildMonthSeries(session_.table);
    times_ = RecordTimes(series_);
    needsRebuild_ = false;
    findWholeMonth();
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        const bool data = series_.hasData(static_cast<ChartQuantity>(i));
        checks_[i]->setEnabled(data);
        checks_[i]->setToolTip(data ? QString() : QStringLiteral("Pas de données ce mois-ci"));
    }
    placeBandsInLayout();
    if (needsWholeMonth_) from_ = wholeFrom_, to_ = wholeTo_;
    needsWholeMonth_ = false;
    setWindow(from_, to_);
    pending_.stop();  // the redraw asked for follows at once
}

// The days the records cover, with ticks on midnights every `step` days.
void ChartPanel::findWholeMonth() {
    if (times_.empty()) {
        wholeFrom_ = 0, wholeTo_ = kDay, wholeTicks_ = 2, wholeFormat_ = "dd/MM HH:mm";
    } else if (!QDate(series_.year, series_.month, 1).isValid()) {
        wholeFrom_ = times_.front(), wholeTo_ = std::max(times_.back(), wholeFrom_ + kDay);
        wholeTicks_ = 6, wholeFormat_ = "dd/MM HH:mm";
    } else {
        const int firstDay = series_.minutes.front() / 1440;
        const int days = std::max(1, (series_.minutes.back() + 1439) / 1440 - firstDay);
        const int step = days <= 2 ? 0 : (days + 9) / 10;
        const int intervals = step ? (days + step - 1) / step : days * 4;
        wholeFrom_ = DayStart(series_, firstDay);
        wholeTo_ = DayStart(series_, firstDay + (step ? intervals * step : days));
        wholeTicks_ = intervals + 1;
        wholeFormat_ = step ? "dd/MM" : "dd/MM HH:mm";
    }
}

void ChartPanel::setWindow(double from, double to) {
    const double whole = wholeTo_ - wholeFrom_;
    double span = std::clamp(to - from, std::min(kNarrowestWindow, whole), whole);
    from = std::clamp((from + to) / 2 - span / 2, wholeFrom_, wholeTo_ - span);
    from_ = from;
    to_ = from + span;
    scheduleRedraw();
}

void ChartPanel::zoom(double centre, double factor) {
    // The time under the pointer stays where it is.
    setWindow(centre - (centre - from_) * factor, centre + (to_ - centre) * factor);
}

void ChartPanel::move(double delta) { setWindow(from_ + delta, to_ + delta); }

void ChartPanel::showWholeMonth() { setWindow(wholeFrom_, wholeTo_); }

void ChartPanel::redraw() {
    const bool whole = from_ <= wholeFrom_ && to_ >= wholeTo_;
    for (const Band& b : bands_) {
        if (!b.pane->isVisible()) continue;
        if (whole) {
            b.pane->setTimeWindow(from_, to_, wholeTicks_, wholeFormat_);
        } else {
            const int ticks = std::clamp(b.pane->plotWidth() / 130, 2, 12) + 1;
            b.pane->setTimeWindow(from_, to_, ticks, to_ - from_ >= 5 * kDay ? "dd/MM" : "dd/MM HH:mm");
        }
        drawLines(*b.pane);
    }
    drawSuspects();
    drawSelection();
    const auto stamp = [](double t) {
        return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(t)).toString("dd/MM/yyyy HH:mm");
    };
    shownRange_->setText(times_.empty() ? QString() : QStringLiteral("Du %1 au %2").arg(stamp(from_), stamp(to_)));
}

void ChartPanel::drawLines(ChartPane& pane) {
    for (ChartQuantity q : pane.quantities()) {
        QLineSeries* series = pane.line(q);
        if (!series->isVisible()) {
            series->clear();
            continue;
        }
        const std::vector<double>& values = series_.of(q);
        const std::vector<int> kept = ThinForDrawing(times_, values, from_, to_, pane.plotWidth());
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(kept.size()));
        for (int i : kept)
            points.append(QPointF(times_[static_cast<std::size_t>(i)], values[static_cast<std::size_t>(i)]));
        series->replace(points);
    }
    pane.fitValueScales();
}

// Each suspect value that a shown line draws, as a mark on that line.
void ChartPanel::drawSuspects() {
    std::array<std::vector<double>, kChartQuantityCount> x, y;  // per band, by its first quantity
    for (const Suspect& s : suspects_.list().items()) {
        const int q = QuantityOfColumn(s.column);
        const int i = series_.indexOfRow(s.row);
        if (q < 0 || i < 0 || !line(static_cast<ChartQuantity>(q))->isVisible()) continue;
        const double t = times_[static_cast<std::size_t>(i)];
        const double v = series_.values[static_cast<std::size_t>(q)][static_cast<std::size_t>(i)];
        if (std::isnan(v) || t < from_ || t > to_) continue;
        const int band = static_cast<int>(pane(static_cast<ChartQuantity>(q))->quantities().front());
        x[static_cast<std::size_t>(band)].push_back(t);
        y[static_cast<std::size_t>(band)].push_back(v);
    }
    for (const Band& b : bands_) {
        const auto band = static_cast<std::size_t>(b.pane->quantities().front());
        // A sensor stuck for days gives thousands of marks: one per pixel is plenty.
        const std::vector<int> kept = ThinForDrawing(x[band], y[band], from_, to_, b.pane->plotWidth());
        QList<QPointF> points;
        for (int i : kept)
            points.append(QPointF(x[band][static_cast<std::size_t>(i)], y[band][static_cast<std::size_t>(i)]));
        b.pane->suspectMarks()->replace(points);
    }
}

// The table's selected rows as bands of time on every chart.
void ChartPanel::drawSelection() {
    std::vector<std::pair<double, double>> spans;
    if (table_.selectionModel()) {
        for (const auto& [first, last] : SelectedRowSpans(*table_.selectionModel())) {
            double from = 0, to = -1;
            for (int row = first; row <= last; ++row) {
                const int i = series_.indexOfRow(row);
                if (i < 0) continue;
                const double t = times_[static_cast<std::size_t>(i)];
                if (to < from) from = to = t;
                from = std::min(from, t), to = std::max(to, t);
            }
            if (to >= from) spans.emplace_back(from, to);
        }
    }
    for (const Band& b : bands_) b.pane->setSelectionBands(spans);
}

int ChartPanel::nearestRecord(double time) const {
    if (times_.empty()) return -1;
    const auto at = std::lower_bound(times_.begin(), times_.end(), time);
    if (at == times_.end()) return static_cast<int>(times_.size()) - 1;
    if (at == times_.begin()) return 0;
    return static_cast<int>(at - times_.begin()) - (time - *(at - 1) <= *at - time ? 1 : 0);
}

// The record nearest in time, on the line nearest to the pointer.
void ChartPanel::pointClicked(ChartPane* pane, QPoint at) {
    const int i = nearestRecord(pane->timeAt(at.x()));
    if (i < 0) return;
    int column = -1;
    double best = 0;
    for (ChartQuantity q : pane->quantities()) {
        const double v = series_.of(q)[static_cast<std::size_t>(i)];
        if (!line(q)->isVisible() || std::isnan(v)) continue;
        const double distance = std::fabs(pane->pixelOf(q, times_[static_cast<std::size_t>(i)], v).y() - at.y());
        if (column < 0 || distance < best) column = InfoOf(q).column, best = distance;
    }
    if (column < 0) column = InfoOf(pane->quantities().front()).column;
    SelectTableCell(table_, series_.rows[static_cast<std::size_t>(i)], column);
}

} // namespace pluvelle::ui
