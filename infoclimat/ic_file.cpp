#include "ic_file.h"

#include "core/conversions.h"
#include "core/errors.h"
#include "core/legal_time.h"
#include "core/record_text.h"

#include <algorithm>
#include <optional>

namespace pluvelle {

const std::array<std::string_view, kInfoClimatFieldCount> InfoClimatKeys = {
    "idstation",       "dh_utc",          "temperature",        "pression",
    "pression_variation_3h", "humidite",  "point_de_rosee",     "visibilite",
    "vent_moyen",      "vent_rafales",    "vent_rafales_10min", "vent_direction",
    "temperature_min", "temperature_max", "pluie_1_h",          "pluie_3h",
    "pluie_6h",        "pluie_12h",       "pluie_24h",          "pluie_cumul_0h",
    "pluie_intensite", "pluie_intensite_max_1h", "uv",          "ensoleillement",
    "temperature_sol", "temps_omm",       "complements",        "source"};

std::string InfoClimatHeaderLine() {
    std::string line;
    for (std::size_t i = 0; i < InfoClimatKeys.size(); ++i) {
        if (i > 0) line += ';';
        line += InfoClimatKeys[i];
    }
    return line;
}

std::string InfoClimatLine(const InfoClimatRow& row) {
    std::string line;
    for (const std::string& value : row) {
        line += value;
        line += ';';
    }
    return line;
}

std::string DirectionDegrees(std::string_view directionText) {
    const int degrees = static_cast<int>(CompassTextToCode(directionText) * 22.5);
    return degrees <= 360 ? std::to_string(degrees) : std::string();
}

namespace {

// Positions of the values in a data line.
enum Field : std::size_t {
    kIdStation = 0,
    kDhUtc = 1,
    kTemperature = 2,
    kPression = 3,
    kHumidite = 5,
    kVentMoyen = 8,
    kVentRafales = 9,
    kVentDirection = 11,
    kTemperatureMin = 12,
    kTemperatureMax = 13,
    kPluieCumul = 19,
    kPluieIntensiteMax = 21,
    kUv = 22,
    kEnsoleillement = 23,
};

int Column(std::string_view title) {
    const auto at = std::find(MonthColumns.begin(), MonthColumns.end(), title);
    return static_cast<int>(at - MonthColumns.begin());
}

struct Columns {
    int when = Column("Date Heure");
    int temperature = Column("TempExt");
    int highest = Column("T.ExtMax");
    int lowest = Column("T.ExtMin");
    int pressure = Column("Pression");
    int humidity = Column("HumExt");
    int rain = Column("Pluie");
    int rainRate = Column("IntensPluie");
    int wind = Column("VitVent");
    int gust = Column("RafVent");
    int direction = Column("DirVent");
    int radiation = Column("RadSol");
    int highestRadiation = Column("RadMax");
    int uv = Column("UV");
};

const Columns& Cols() {
    static const Columns columns;
    return columns;
}

// A cell as a line value: "- -" holds no value, and a ";" or a line end typed
// into a cell would split the line.
std::string FieldText(std::string_view cell) {
    std::string out;
    if (cell == MissingText) return out;
    for (char c : cell)
        if (c != ';' && c != '\r' && c != '\n') out += c;
    return out;
}

// What a cell brings to the running values: nothing when it holds no value.
std::optional<double> Reading(const std::string& cell) {
    if (cell.empty() || cell == MissingText) return std::nullopt;
    return ParseNumber(cell);
}

std::optional<double> TenthsFahrenheit(std::int16_t raw) {
    if (raw == kNoData16) return std::nullopt;
    return FahrenheitToCelsius(raw / 10.0);
}

// The UTC day's running values, shown on each of its lines.
struct RunningDay {
    double minimum = 100.0;
    double maximum = -50.0;
    double rain = 0.0;

    void take(std::optional<double> low, std::optional<double> high, std::optional<double> rainMm) {
        if (low) minimum = std::min(minimum, *low);
        if (high) maximum = std::max(maximum, *high);
        if (rainMm) rain += *rainMm;
    }
    void show(InfoClimatRow& row) const {
        row[kTemperatureMin] = FormatOneDecimal(minimum);
        row[kTemperatureMax] = FormatOneDecimal(maximum);
        row[kPluieCumul] = FormatOneDecimal(rain);
    }
};

std::string TwoDigits(int v) {
    std::string t = std::to_string(v);
    return v >= 0 && v < 10 ? "0" + t : t;
}

std::string Slice(const std::string& s, std::size_t from, std::size_t count) {
    return from < s.size() ? s.substr(from, count) : std::string();
}

// A table row's local time, read from "dd/mm/yyyy hh:mm".
struct RowTime {
    int hour = 0;
    int minute = 0;
    int minutes() const { return hour * 60 + minute; }
};

int TimePart(const std::string& when, std::size_t from, int row) {
    try {
        return ParseStrictInteger(Slice(when, from, 2));
    } catch (const InvalidIntegerError&) {
        throw InvalidIntegerError("Heure illisible dans la cellule Date Heure de la ligne " + std::to_string(row) +
                                  " : \"" + when + "\"");
    }
}

// The rows of each day by the store's day counts; rows past the table's end read as empty.
class TableDays {
public:
    explicit TableDays(const IcMonth& source) : source_(source) {
        int row = 1;
        for (int d = 1; d <= 31; ++d) {
            first_[d] = row;
            row += source.month.ArchiveCount(d);
        }
    }
    int first(int day) const { return first_[day]; }
    int end(int day) const { return first_[day] + source_.month.ArchiveCount(day); }
    const std::string& cell(int row, int col) const {
        static const std::string empty;
        return row < source_.table.rowCount() ? source_.table.cell(row, col) : empty;
    }
    const std::string& when(int row) const { return cell(row, Cols().when); }

    void take(int row, RunningDay& run) const {
        run.take(Reading(cell(row, Cols().lowest)), Reading(cell(row, Cols().highest)),
                 Reading(cell(row, Cols().rain)));
    }

    InfoClimatRow line(int row, const std::string& dhUtc, const RunningDay& run) const {
        const Columns& c = Cols();
        InfoClimatRow v;
        v[kIdStation] = source_.stationCode;
        v[kDhUtc] = dhUtc;
        v[kTemperature] = FieldText(cell(row, c.temperature));
        v[kPression] = FieldText(cell(row, c.pressure));
        v[kHumidite] = FieldText(cell(row, c.humidity));
        v[kVentMoyen] = FieldText(cell(row, c.wind));
        v[kVentRafales] = FieldText(cell(row, c.gust));
        v[kVentDirection] = DirectionDegrees(cell(row, c.direction));
        v[kPluieIntensiteMax] = FieldText(cell(row, c.rainRate));
        v[kUv] = FieldText(cell(row, c.uv));
        v[kEnsoleillement] = FieldText(cell(row, c.highestRadiation));
        run.show(v);
        return v;
    }

    // Empty when the row has no date and time.
    std::optional<RowTime> localTime(int row) const {
        const std::string& w = when(row);
        if (w.empty()) return std::nullopt;
        return RowTime{TimePart(w, 11, row), TimePart(w, 14, row)};
    }

private:
    const IcMonth& source_;
    std::array<int, 32> first_{};
};

// A record of the next month's file: its own conversions, the same texts as the table's.
InfoClimatRow RecordLine(const ArchiveRecord& r, const std::string& station, const std::string& dhUtc,
                         const RunningDay& run) {
    const Columns& c = Cols();
    auto text = [&](int col) { return FieldText(FormatRecordCell(r, col)); };
    InfoClimatRow v;
    v[kIdStation] = station;
    v[kDhUtc] = dhUtc;
    v[kTemperature] = text(c.temperature);
    v[kPression] = text(c.pressure);
    v[kHumidite] = text(c.humidity);
    v[kVentMoyen] = text(c.wind);
    v[kVentRafales] = text(c.gust);
    v[kVentDirection] = DirectionDegrees(CompassCodeToText(r.windDirection));
    v[kPluieIntensiteMax] = text(c.rainRate);
    v[kUv] = text(c.uv);
    v[kEnsoleillement] = text(c.radiation);  // a record gives its mean radiation, a table row its highest
    run.show(v);
    return v;
}

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int month, int year) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 31;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

unsigned U(int v) { return static_cast<unsigned>(v); }

// The first records of the next month's day 1, up to its offset hour, close the last UTC day.
void FollowingRecords(const IcMonth& source, int lastDay, const MonthImage& following, int followingMonth,
                      int followingYear, RunningDay& run, const LineSink& emit) {
    if (following.dayCount[1] - 2 < 1) return;
    const int offset = LegalTimeOffset(1, U(followingMonth), U(followingYear));
    const std::string date =
        std::to_string(source.year) + "-" + TwoDigits(source.monthNumber) + "-" + TwoDigits(lastDay) + " ";
    for (const ArchiveRecord& r : following.days[1].records) {
        // Records are in time order; one past the offset hour belongs to the next month's own day.
        if (r.packedTime > offset * 60) continue;
        run.take(TenthsFahrenheit(r.lowOutsideTemp), TenthsFahrenheit(r.hiOutsideTemp),
                 RainClicks(r.rain) * RainMmPerClick(r.rain));
        const int minute = r.packedTime % 60;
        if (minute % 10 != 0) continue;
        const std::string dh = date + TwoDigits(r.packedTime / 60 - offset + 24) + ":" + TwoDigits(minute) + ":00";
        emit(InfoClimatLine(RecordLine(r, source.stationCode, dh, run)));
    }
}

} // namespace

void WriteUtcLines(const IcMonth& source, const LineSink& emit) {
    const TableDays days(source);
    for (int d = 1; d <= 31; ++d) {
        RunningDay run;
        for (int row = days.first(d); row < days.end(d); ++row) {
            days.take(row, run);
            const std::string& w = days.when(row);
            if (w.empty() || TimePart(w, 14, row) % 10 != 0) continue;
            const std::string dh = Slice(w, 6, 4) + "-" + Slice(w, 3, 2) + "-" + Slice(w, 0, 2) + " " +
                                   Slice(w, 11, 2) + ":" + Slice(w, 14, 2) + ":00";
            emit(InfoClimatLine(days.line(row, dh, run)));
        }
    }
}

void WriteLegalLines(const IcMonth& source, const MonthImage& following, int followingMonth, int followingYear,
                     const LineSink& emit) {
    const TableDays days(source);
    const int lastDay = DaysInMonth(source.monthNumber, source.year);
    for (int d = 1; d <= lastDay; ++d) {
        const int offset = LegalTimeOffset(U(d), U(source.monthNumber), U(source.year));
        const int limit = offset * 60;
        RunningDay run;
        // A row without a date and time cannot be placed in a UTC day: it is left out.
        for (int row = days.first(d); row < days.end(d); ++row) {
            const auto t = days.localTime(row);
            if (!t || t->minutes() <= limit) continue;
            days.take(row, run);
            if (t->minute % 10 != 0) continue;
            const std::string& w = days.when(row);
            const std::string dh = Slice(w, 6, 4) + "-" + Slice(w, 3, 2) + "-" + Slice(w, 0, 2) + " " +
                                   TwoDigits(t->hour - offset) + ":" + Slice(w, 14, 2) + ":00";
            emit(InfoClimatLine(days.line(row, dh, run)));
        }
        if (d < 31) {
            for (int row = days.first(d + 1); row < days.end(d + 1); ++row) {
                const auto t = days.localTime(row);
                if (!t) continue;
                if (t->minutes() > limit) break;
                days.take(row, run);
                if (t->minute % 10 != 0) continue;
                const std::string& w = days.when(row);
                const std::string dh = Slice(w, 6, 4) + "-" + Slice(w, 3, 2) + "-" + TwoDigits(d) + " " +
                                       TwoDigits(t->hour - offset + 24) + ":" + Slice(w, 14, 2) + ":00";
                emit(InfoClimatLine(days.line(row, dh, run)));
            }
        }
        if (d == lastDay) FollowingRecords(source, lastDay, following, followingMonth, followingYear, run, emit);
    }
}

} // namespace pluvelle
