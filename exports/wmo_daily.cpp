#include "wmo_daily.h"

#include "core/conversions.h"
#include "core/text_output.h"

#include <cstdint>
#include <optional>

namespace pluvelle {

std::string MinutesToClockTextPlain(int t) {
    const unsigned v = static_cast<std::uint16_t>(t);
    const auto two = [](unsigned n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    return two(v / 60) + ":" + two(v % 60);
}

namespace {

// What one archive record brings to the windows.
struct RecordValues {
    int t = 0;  // minutes of the day in the file's time base
    int u = 0;  // the same in UTC, negative before the legal offset has elapsed
    double hiT = 0, lowT = 0, gust = 0, rain = 0;
};

RecordValues ValuesOf(const ArchiveRecord& r, int offset) {
    RecordValues v;
    v.t = r.packedTime;
    v.u = static_cast<std::int16_t>(r.packedTime - 60 * offset);  // 16-bit like the field
    v.hiT = FahrenheitToCelsius(r.hiOutsideTemp / 10.0);
    v.lowT = FahrenheitToCelsius(r.lowOutsideTemp / 10.0);
    v.gust = MphTenthsToKmh(r.hiWindSpeed);
    v.rain = RainClicks(r.rain) * RainMmPerClick(r.rain);
    return v;
}

// Strict comparisons: on equal values the earlier record keeps its place.
void TakeLower(double value, int t, double& held, std::string& time) {
    if (value < held) {
        held = value;
        time = MinutesToClockTextPlain(t);
    }
}

void TakeHigher(double value, int t, double& held, std::string& time) {
    if (value > held) {
        held = value;
        time = MinutesToClockTextPlain(t);
    }
}

void TakeTxAndRain(const RecordValues& v, WmoDay& day) {
    day.rainTotal += v.rain;
    TakeHigher(v.hiT, v.t, day.tx, day.txTime);
}

constexpr int kTxStartUtc = 6 * 60;   // Tx and rain: after 06:00 UTC up to 06:00 the next data day
constexpr int kTnEndUtc = 18 * 60;    // Tn: after 18:00 UTC the day before up to 18:00
constexpr double kLowestTemperature = -40.0;  // below it the sensor is taken as absent

int OffsetOf(TimeBase base, int day, MonthNumbers when) {
    if (base == TimeBase::Utc) return 0;
    return LegalTimeOffset(static_cast<unsigned>(day), static_cast<unsigned>(when.month),
                           static_cast<unsigned>(when.year));
}

// In legal time a gust belongs to the 24 hours ending at (24 - offset):00 legal time.
bool GustAfterDayEnd(const RecordValues& v, int offset) { return v.t > (24 - offset) * 60; }

std::string WmoDate(int day, MonthNumbers when) {
    const auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    return two(day) + "/" + two(when.month) + "/" + std::to_string(when.year);
}

// The last data day of the previous month feeds data day 1: its Tn after
// 18:00 UTC and, in legal time, its gusts after the legal day's end.
void TakePreviousEvening(const MonthImage& previous, MonthNumbers when, TimeBase base, WmoDay& first) {
    int last = 31;
    while (last >= 1 && previous.dayCount[last] == 0) --last;
    if (last < 1) return;
    const int offset = OffsetOf(base, last, when);
    for (const ArchiveRecord& r : previous.days[last].records) {
        const RecordValues v = ValuesOf(r, offset);
        if (v.lowT >= kLowestTemperature && v.u > kTnEndUtc) TakeLower(v.lowT, v.t, first.tn, first.tnTime);
        if (base == TimeBase::Legal && v.gust > 0 && GustAfterDayEnd(v, offset))
            TakeHigher(v.gust, v.t, first.gust, first.gustTime);
    }
}

// Day 1 of the next month feeds the last data day: Tx and rain up to 06:00 UTC.
void TakeNextMorning(const MonthImage& next, MonthNumbers when, TimeBase base, WmoDay& last) {
    if (next.dayCount[1] == 0) return;
    const int offset = OffsetOf(base, 1, when);
    for (const ArchiveRecord& r : next.days[1].records) {
        const RecordValues v = ValuesOf(r, offset);
        if (v.hiT >= kLowestTemperature && v.u <= kTxStartUtc) TakeTxAndRain(v, last);
    }
}

// One data day of the open month. `before` is the data day before (none for
// the first), `after` the data day after (a sink past the last one).
void TakeOpenDay(const std::vector<ArchiveRecord>& records, int offset, TimeBase base, WmoDay* before, WmoDay& day,
                 WmoDay& after) {
    for (const ArchiveRecord& r : records) {
        const RecordValues v = ValuesOf(r, offset);
        if (v.lowT >= kLowestTemperature && v.hiT >= kLowestTemperature) {
            if (v.u > kTxStartUtc) TakeTxAndRain(v, day);
            else if (before) TakeTxAndRain(v, *before);
            if (v.u <= kTnEndUtc) TakeLower(v.lowT, v.t, day.tn, day.tnTime);
            else TakeLower(v.lowT, v.t, after.tn, after.tnTime);
        }
        if (v.gust <= 0) continue;
        WmoDay& target = base == TimeBase::Legal && GustAfterDayEnd(v, offset) ? after : day;
        TakeHigher(v.gust, v.t, target.gust, target.gustTime);
    }
}

} // namespace

std::vector<WmoDay> ComputeWmoDays(const MonthImage& open, MonthNumbers when, NeighbourMonth previous,
                                   NeighbourMonth next, TimeBase base) {
    std::vector<int> dataDays;
    for (int d = 1; d <= 31; ++d)
        if (open.dayCount[d] != 0) dataDays.push_back(d);
    const std::size_t count = dataDays.size();
    // days[k] is data day k; days[0] and days[count + 1] take what falls
    // outside the month's data days and are dropped.
    std::vector<WmoDay> days(count + 2);
    if (previous.image) TakePreviousEvening(*previous.image, previous.when, base, days[1]);
    for (std::size_t k = 1; k <= count; ++k) {
        const int d = dataDays[k - 1];
        const int offset = OffsetOf(base, d, when);
        days[k].date = WmoDate(d, when);
        days[k].season = OffsetOf(TimeBase::Legal, d, when) == 1 ? "H" : "E";
        TakeOpenDay(open.days[d].records, offset, base, k > 1 ? &days[k - 1] : nullptr, days[k], days[k + 1]);
    }
    if (next.image) TakeNextMorning(*next.image, next.when, base, days[count]);
    return {days.begin() + 1, days.begin() + 1 + static_cast<std::ptrdiff_t>(count)};
}

std::string WmoHeaderLine(TimeBase base) {
    std::string line = "Date;Tn(°C);Heure_Tn;Tx(°C);Heure_Tx;Cumul_Pluie(mm);Rafale_Maxi(km/h);Heure_Rafale_Maxi;";
    if (base == TimeBase::Legal) line += "Hiver/Eté;";
    return line;
}

std::string WmoDayLine(const WmoDay& day, TimeBase base) {
    std::string line;
    for (const std::string& field :
         {day.date, FormatFixed(day.tn, 18, 1), day.tnTime, FormatFixed(day.tx, 18, 1), day.txTime,
          FormatFixed(day.rainTotal, 18, 1), FormatFixed(day.gust, 18, 1), day.gustTime}) {
        line += field;
        line += ';';
    }
    if (base == TimeBase::Legal) line += day.season + ";";
    return line;
}

namespace {

// A month file read whole, or why it could not be opened. A file that opens
// but is damaged throws IoError, naming it.
struct MonthRead {
    std::optional<MonthImage> image;
    MonthOpenError::Reason failure = MonthOpenError::Reason::NotFound;
};

MonthRead TryReadMonth(const std::string& path) {
    MonthRead read;
    try {
        read.image = ReadMonthImage(path);
    } catch (const MonthOpenError& e) {
        read.failure = e.reason();
    }
    return read;
}

// A neighbour that could not be opened only makes the month's edge day less sure.
void WarnIfMissing(const MonthRead& read, const std::string& path, const char* consequence, Dialogs& dialogs) {
    if (!read.image)
        dialogs.showMessage(MessageKind::Warning, MonthOpenFailureText(path, read.failure) + "\r\r" + consequence);
}

} // namespace

CommandResult ExportWmoDailyFlow(const MonthFile& month, Dialogs& dialogs) {
    const MonthNumbers when = OpenMonthNumbers(month);
    const TimeBase base = AskTimeBase(dialogs);
    const auto name = AskExportCsvName(dialogs);
    if (!name) return CommandResult::Cancelled;
    TextFileWriter out(*name);
    out.writeLine(WmoHeaderLine(base));

    // Every file is read before any day line is written: a damaged one
    // throws here and the CSV keeps its header line only.
    const MonthRead open = TryReadMonth(month.currentFilePath);
    if (!open.image) {
        out.close();
        dialogs.showMessage(MessageKind::Warning, MonthOpenFailureText(month.currentFileTail, open.failure));
        return CommandResult::Refused;
    }
    const MonthNumbers previousWhen = PreviousMonth(when), nextWhen = NextMonth(when);
    const std::string previousPath = MonthPathBeside(month, previousWhen);
    const std::string nextPath = MonthPathBeside(month, nextWhen);
    const MonthRead next = TryReadMonth(nextPath);
    const MonthRead previous = TryReadMonth(previousPath);
    WarnIfMissing(previous, previousPath, "Les calculs sur le premier jour du mois risquent d'être inexacts.",
                  dialogs);
    WarnIfMissing(next, nextPath, "Les calculs sur le dernier jour du mois risquent d'être inexacts.", dialogs);

    const auto days =
        ComputeWmoDays(*open.image, when, {previous.image ? &*previous.image : nullptr, previousWhen},
                       {next.image ? &*next.image : nullptr, nextWhen}, base);
    for (const WmoDay& day : days) out.writeLine(WmoDayLine(day, base));
    out.close();
    dialogs.showMessage(MessageKind::Confirmation, "Fichier enregistré");
    return CommandResult::Done;
}

} // namespace pluvelle
