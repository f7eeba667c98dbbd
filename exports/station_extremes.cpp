#include "station_extremes.h"

#include "core/conversions.h"
#include "core/errors.h"
#include "core/paths.h"
#include "core/text_output.h"
#include "core/wlk_format.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace pluvelle {

namespace fs = std::filesystem;

namespace {

struct Extreme {
    double value = 0;
    std::string date;
    std::string time;
};

enum class Sense { Highest, Lowest };

struct ExtremeRule {
    Sense sense;
    int timeIndex;  // in timeValues1; -1: the date alone
    int decimals;
    double monthStart;
    double stationStart;
    double (*value)(const DailySummary1&);
    bool (*valid)(const DailySummary1&, double value);
};

bool Always(const DailySummary1&, double) { return true; }
bool ValidTemperature(const DailySummary1&, double v) { return v > -40 && v < 60; }
bool ValidPressure(const DailySummary1&, double v) { return v > 880 && v < 1080; }

// In the order of the file's columns.
const std::array<ExtremeRule, 9> kRules = {{
    {Sense::Highest, 0, 1, -50, -40, [](const DailySummary1& s) { return FahrenheitToCelsius(s.hiOutTemp / 10.0); },
     ValidTemperature},
    {Sense::Lowest, 1, 1, 100, 60, [](const DailySummary1& s) { return FahrenheitToCelsius(s.lowOutTemp / 10.0); },
     ValidTemperature},
    // Humidity is tested on the raw tenths: 100.0 % is a sensor fault.
    {Sense::Highest, 8, 0, 0, 0, [](const DailySummary1& s) { return s.hiOutHum / 10.0; },
     [](const DailySummary1& s, double) { return s.hiOutHum > 0 && s.hiOutHum < 1000; }},
    {Sense::Lowest, 9, 0, 100, 100, [](const DailySummary1& s) { return s.lowOutHum / 10.0; },
     [](const DailySummary1& s, double) { return s.lowOutHum > 0 && s.lowOutHum < 1000; }},
    {Sense::Highest, 12, 1, 900, 880, [](const DailySummary1& s) { return BarometerToHpa(s.hiBar); }, ValidPressure},
    {Sense::Lowest, 13, 1, 1500, 1080, [](const DailySummary1& s) { return BarometerToHpa(s.lowBar); }, ValidPressure},
    {Sense::Highest, 14, 1, 0, 0, [](const DailySummary1& s) { return MphTenthsToKmh(s.hiSpeed); }, Always},
    {Sense::Highest, -1, 1, 0, 0, [](const DailySummary1& s) { return InchThousandthsToMm(s.dailyRainTotal); },
     Always},
    {Sense::Highest, 16, 1, 0, 0, [](const DailySummary1& s) { return s.dailyHiRainRate * 25.4 / 100; }, Always},
}};

using ExtremeSet = std::array<Extreme, kRules.size()>;

ExtremeSet StartSet(bool station) {
    ExtremeSet set;
    for (std::size_t i = 0; i < kRules.size(); ++i) set[i].value = station ? kRules[i].stationStart : kRules[i].monthStart;
    return set;
}

// Strictly better only: ties keep the first occurrence.
bool Beats(Sense sense, double candidate, double current) {
    return sense == Sense::Highest ? candidate > current : candidate < current;
}

void ApplyDay(ExtremeSet& month, const DailySummary1& s, const std::string& date) {
    for (std::size_t i = 0; i < kRules.size(); ++i) {
        const ExtremeRule& rule = kRules[i];
        const double v = rule.value(s);
        if (!rule.valid(s, v) || !Beats(rule.sense, v, month[i].value)) continue;
        month[i] = {v, date, rule.timeIndex < 0 ? std::string() : MinutesToClockText(s.timeValues1[rule.timeIndex])};
    }
}

void Fold(ExtremeSet& station, const ExtremeSet& month) {
    for (std::size_t i = 0; i < kRules.size(); ++i)
        if (Beats(kRules[i].sense, month[i].value, station[i].value)) station[i] = month[i];
}

std::string Row(const std::string& label, const ExtremeSet& set) {
    std::string row = label;
    for (std::size_t i = 0; i < kRules.size(); ++i) {
        row += ";" + FormatFixed(set[i].value, 18, kRules[i].decimals) + ";" + set[i].date;
        if (kRules[i].timeIndex >= 0) row += ";" + set[i].time;
    }
    return row;
}

std::string Slice(const std::string& s, std::size_t from, std::size_t count) {
    return from < s.size() ? s.substr(from, count) : std::string();
}

std::string TwoDigits(int v) { return v < 10 ? "0" + std::to_string(v) : std::to_string(v); }

[[noreturn]] void Damaged(const std::string& name, int day, std::int16_t count) {
    if (count < 2)
        throw IoError("Fichier " + name + " : le jour " + std::to_string(day) + " annonce " + std::to_string(count) +
                      " enregistrements, ce qui est impossible.");
    throw IoError("Fin de fichier inattendue dans " + name + " : le jour " + std::to_string(day) +
                  " annonce plus d'enregistrements que le fichier n'en contient.");
}

// Reads the first summary of each day with data, jumping over the rest by
// the day counts. False when the file cannot be opened; throws IoError when
// it is shorter than its index announces.
bool ReadMonthExtremes(const fs::path& path, const std::string& name, ExtremeSet& month) {
    std::ifstream in;
    // Unbuffered: each summary is one 88-byte read, not a buffer refill.
    in.rdbuf()->pubsetbuf(nullptr, 0);
    in.open(path, std::ios::binary);
    if (!in) return false;
    HeaderBytes headerBytes{};
    if (!in.read(reinterpret_cast<char*>(headerBytes.data()), kHeaderSize))
        throw IoError("Fin de fichier inattendue dans " + name + " : l'en-tête est incomplet.");
    in.seekg(0, std::ios::end);
    const auto size = static_cast<std::uint64_t>(in.tellg());
    const WlkHeader header = DecodeHeader(headerBytes.data());
    const std::string yearText = Slice(name, 0, 4), monthText = Slice(name, 5, 2);
    std::uint64_t at = kHeaderSize;
    RecordBytes summary{};
    for (int d = 1; d <= 31; ++d) {
        const std::int16_t count = header.dayIndex[d].recordsInDay;
        if (count == 0) continue;
        if (count < 2 || size - at < static_cast<std::uint64_t>(count) * kRecordSize) Damaged(name, d, count);
        in.seekg(static_cast<std::streamoff>(at));
        if (!in.read(reinterpret_cast<char*>(summary.data()), kRecordSize)) Damaged(name, d, count);
        ApplyDay(month, DecodeDailySummary1(summary.data()), TwoDigits(d) + "/" + monthText + "/" + yearText);
        at += static_cast<std::uint64_t>(count) * kRecordSize;
    }
    return true;
}

bool HasWlkExtension(const std::string& name) {
    if (name.size() < 4) return false;
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".wlk";
}

fs::path FolderPath(const std::string& folder) { return folder.empty() ? fs::path(".") : PathFromUtf8(folder); }

} // namespace

std::vector<std::string> MonthFileNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(FolderPath(folder), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = PathToUtf8(it->path().filename());
        std::error_code typeError;
        // Folders named like months are not months; nor are pipes or devices,
        // which could block the read.
        if (HasWlkExtension(name) && it->is_regular_file(typeError)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

CommandResult StationExtremesFlow(const std::string& folder, Dialogs& dialogs) {
    const fs::path dir = FolderPath(folder);
    const std::vector<std::string> names = MonthFileNames(folder);
    ExtremeSet station = StartSet(true);
    TextFileWriter out(PathToUtf8(dir / kExtremesFileName));
    out.writeLine("An-Mois;TemperatureMax;;;TemperatureMin;;;HumiditeMax;;;HumiditeMin;;;PressionMax;;;PressionMin;;;"
                  "RafaletVentMax;;;TotalPluieJour;;PluieMax/Heure;;");
    out.writeLine(";T°C;Date;Heure;T°C;Date;Heure;%;Date;Heure;%;Date;Heure;hPa;Date;Heure;hPa;Date;Heure;"
                  "km/h;Date;Heure;mm/jour;Date;mm/h;Date;Heure");
    for (const std::string& name : names) {
        ExtremeSet month = StartSet(false);
        if (!ReadMonthExtremes(dir / PathFromUtf8(name), name, month)) continue;
        out.writeLine(Row(Slice(name, 0, 4) + "-" + Slice(name, 5, 2), month));
        Fold(station, month);
    }
    out.writeLine("******");
    out.writeLine(Row("Station", station));
    out.close();
    dialogs.showMessage(MessageKind::Confirmation, "Le fichier \"ExtremumsMois.csv\" est enregistré");
    return CommandResult::Done;
}

} // namespace pluvelle
