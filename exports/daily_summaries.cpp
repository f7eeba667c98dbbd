#include "daily_summaries.h"

#include "export_month_files.h"

#include "core/conversions.h"
#include "core/month_reader.h"
#include "core/text_output.h"

#include <array>
#include <vector>

namespace pluvelle {

namespace {

std::string Join(const std::string* fields, std::size_t count) {
    std::string line;
    line.reserve(count * 6);
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) line += ';';
        line += fields[i];
    }
    return line;
}

std::string Temperature(std::int16_t tenthsF) { return FahrenheitToCelsiusText(tenthsF / 10.0); }
std::string Humidity(std::int16_t tenths) { return FormatFixed(tenths / 10.0, 18, 0); }
std::string Speed(std::int16_t mphTenths) { return FormatFixed(MphTenthsToKmh(mphTenths), 18, 1); }
std::string DegreeDays(std::int16_t tenths) { return FahrenheitToCelsiusPlus18Text(tenths / 10.0); }
std::string OneDecimal(double v) { return FormatFixed(v, 18, 1); }
std::string Missing() { return std::string(MissingText); }

} // namespace

std::string DailySummariesHeaderLine() {
    return std::string("Date;") + "TempExtMax;TempExtMin;TempIntMax;TempIntMin;TempExtMoy;TempIntMoy;" +
           "TempRessMin;TempRessMax;TempRosMin;TempRosMax;" + "TempRessMoy;TempRosMoy;" +
           "HumidExtMax;HumidExtMin;HumidIntMax;" + "HumidIntMin;HumidExtMoy;" +
           "PressionMax;PressionMin;PressionMoy;" +
           "VitVentMax;VitVentMoy;" + "TotalVentJour;" + "VitVentMax10min; DirVentMax;DirVentMax10min;" +
           "TotalPluieJour;PluieMax/Heure;" + "UVDoseJour;UVMax;" +
           "TempsduJour;NbrPaquetVent;SoleilMax ;EnergSolJour;LuminositeMin;ETTotalJour;" +
           "ChaleurMax;ChaleurMin;ChaleurMoy;" + "THSWMax;THSWMin;THWMax;THWMin;" +
           " DegreJourChauf; DegreJourRefrig;" + "TempMouilMax;TempMouilMin;TempMouilMoy;" +
           "N;NNE;NE;ENE;E;ESE;SE;SSE;S;SSO;SO;OSO;O;ONO;NO;NNO";
}

std::string DailySummariesUnitsLine() {
    return std::string(";") + "°C;°C;°C;°C;°C;°C;" + "°C;°C;°C;°C;" + "°C;°C;" + "%;%;%;" + "%;%;" +
           "hPa;hPa;hPa;" +
           "km/h;km/h;" + "km;" + "km/h; ;;" + "mm;mm/h;" + "DEM;;" + ";;W/m² ;kWh/m²;mm;mm;" + "°C;°C;°C;" +
           ";;;;" + " °C; °C;" + "°C;°C;°C;" + "mn;mn;mn;mn;mn;mn;mn;mn;mn;mn;mn;mn;mn;mn;mn;mn";
}

std::string DailyValuesLine(const std::string& date, const DailySummary1& s1, const DailySummary2& s2) {
    const bool noTenMinute = s1.hi10MinSpeed < 0;
    const bool noUv = s1.dailyUvDose < 0;
    const bool noSolar = s2.hiSolar < 0;
    std::vector<std::string> f;
    f.reserve(65);
    f.push_back(date);
    for (std::int16_t v : {s1.hiOutTemp, s1.lowOutTemp, s1.hiInTemp, s1.lowInTemp, s1.avgOutTemp, s1.avgInTemp,
                           s1.lowChill, s1.hiChill, s1.lowDew, s1.hiDew, s1.avgChill, s1.avgDew})
        f.push_back(Temperature(v));
    for (std::int16_t v : {s1.hiOutHum, s1.lowOutHum, s1.hiInHum, s1.lowInHum, s1.avgOutHum})
        f.push_back(Humidity(v));
    for (std::int16_t v : {s1.hiBar, s1.lowBar, s1.avgBar}) f.push_back(BarometerToHpaText(v));
    for (std::int16_t v : {s1.hiSpeed, s1.avgSpeed, s1.dailyWindRun}) f.push_back(Speed(v));
    f.push_back(noTenMinute ? Missing() : Speed(s1.hi10MinSpeed));
    f.push_back(CompassCodeToText(s1.dirHiSpeed));
    f.push_back(CompassCodeToText(s1.hi10MinDir));
    f.push_back(OneDecimal(InchThousandthsToMm(s1.dailyRainTotal)));
    // The day's highest rain rate is kept in hundredths of inch per hour.
    f.push_back(OneDecimal(s1.dailyHiRainRate * 25.4 / 100));
    f.push_back(noUv ? Missing() : OneDecimal(s1.dailyUvDose / 10.0));
    f.push_back(noUv ? Missing() : OneDecimal(s1.dailyHiUv / 10.0));
    f.push_back(std::to_string(s2.todaysWeather));
    f.push_back(std::to_string(static_cast<std::uint16_t>(s2.numWindPackets)));
    f.push_back(noSolar ? Missing() : std::to_string(s2.hiSolar));
    // Tenths of langley to kWh/m².
    f.push_back(noSolar ? Missing() : FormatFixed(s2.dailySolarEnergy / 10.0 * 0.011622, 18, 3));
    f.push_back(s2.minSunlight < 0 ? Missing() : std::to_string(s2.minSunlight));
    f.push_back(OneDecimal(InchThousandthsToMm(s2.dailyEtTotal)));
    for (std::int16_t v : {s2.hiHeat, s2.lowHeat, s2.avgHeat}) f.push_back(Temperature(v));
    f.push_back(noSolar ? Missing() : Temperature(s2.hiThsw));
    f.push_back(noSolar ? Missing() : Temperature(s2.lowThsw));
    f.push_back(Temperature(s2.hiThw));
    f.push_back(Temperature(s2.lowThw));
    f.push_back(DegreeDays(s2.heatDegreeDays));
    f.push_back(DegreeDays(s2.coolDegreeDays));
    for (std::int16_t v : {s2.hiWetBulb, s2.lowWetBulb, s2.avgWetBulb}) f.push_back(Temperature(v));
    for (int bin : s2.dirBins) f.push_back(std::to_string(bin));
    return Join(f.data(), f.size());
}

std::string DailyTimesLine(const DailySummary1& s1, const DailySummary2& s2) {
    const auto t1 = [&](int n) { return MinutesToClockText(s1.timeValues1[static_cast<std::size_t>(n)]); };
    const auto t2 = [&](int n) { return MinutesToClockText(s2.timeValues2[static_cast<std::size_t>(n)]); };
    const bool noSolar = s2.hiSolar < 0;
    std::array<std::string, 49> f;  // columns 1..48, column 1 (the date) empty
    for (int c : {2, 3, 4, 5}) f[c] = t1(c - 2);
    for (int c : {8, 9, 10, 11}) f[c] = t1(c - 4);
    for (int c : {14, 15, 16, 17}) f[c] = t1(c - 6);
    f[19] = t1(12);
    f[20] = t1(13);
    f[22] = t1(14);
    f[25] = s1.hi10MinSpeed < 0 ? Missing() : t1(15);
    f[29] = t1(16);
    f[31] = s1.dailyUvDose < 0 ? " " + Missing() : t1(17);
    f[34] = noSolar ? Missing() : t2(0);
    f[38] = t2(1);
    f[39] = t2(2);
    f[41] = noSolar ? Missing() : t2(3);
    f[42] = Missing();  // the time of the lowest THSW was never recorded
    f[43] = t2(5);
    f[44] = t2(4);
    f[47] = t2(7);
    f[48] = t2(8);
    return Join(f.data() + 1, 48);
}

CommandResult ExportDailySummariesFlow(const MonthFile& month, Dialogs& dialogs) {
    const auto name = AskExportCsvName(dialogs);
    if (!name) return CommandResult::Cancelled;
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadFileBytes(month.currentFilePath);
    } catch (const MonthOpenError& e) {
        // Nothing created yet: a month moved away leaves no empty CSV behind.
        dialogs.showMessage(MessageKind::Warning, MonthOpenFailureText(month.currentFileTail, e.reason()));
        return CommandResult::Refused;
    }
    TextFileWriter out(*name);
    out.writeLine(DailySummariesHeaderLine());
    out.writeLine(DailySummariesUnitsLine());
    // A damaged file throws here, naming it; the CSV keeps its two title lines.
    const MonthImage image = ParseMonthImage(bytes.data(), bytes.size(), month.currentFilePath);
    for (int d = 1; d <= 31; ++d) {
        if (image.dayCount[d] == 0) continue;
        const DailySummary1 s1 = DecodeDailySummary1(image.days[d].summary1.data());
        const DailySummary2 s2 = DecodeDailySummary2(image.days[d].summary2.data());
        out.writeLine(DailyValuesLine(DayDateText(month, d), s1, s2));
        out.writeLine(DailyTimesLine(s1, s2));
    }
    out.close();
    dialogs.showMessage(MessageKind::Confirmation, "Fichier enregistré");
    return CommandResult::Done;
}

} // namespace pluvelle
