#include "sunshine.h"

#include "solar_geometry.h"

#include "core/atomic_file.h"
#include "core/conversions.h"
#include "core/errors.h"
#include "core/legal_time.h"
#include "core/month_reader.h"
#include "core/paths.h"
#include "core/settings_folder.h"
#include "core/text_output.h"

#include <filesystem>
#include <fstream>

namespace pluvelle {

namespace {

// The settings file is single-byte text; lines may end with CR LF, LF or CR.
// Only the first three are settings.
std::vector<std::string> SettingsLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size() && lines.size() < 3; ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::string TwoDigits(unsigned v) { return v < 10 ? "0" + std::to_string(v) : std::to_string(v); }

struct SunshineSetup {
    double latitude = 0;
    double longitude = 0;
    double threshold = 0;
    TimeBase timeBase = TimeBase::Legal;
    std::uint16_t month = 1;
    std::uint16_t year = 2000;
};

struct DayMinutes {
    // 16-bit like the station software's counters.
    std::uint16_t theoretical = 0;
    std::uint16_t sunny = 0;
};

// Intervals are the differences of successive record times (the first from
// midnight), taken modulo 256. Only records with radiation, from the hour of
// the legal-time offset on, count: the threshold alone does not tell night.
DayMinutes CountDay(const std::vector<ArchiveRecord>& records, std::uint16_t day, const SunshineSetup& s) {
    const int offset = LegalTimeOffset(day, s.month, s.year);
    DayMinutes m;
    std::uint16_t previous = 0;
    for (const ArchiveRecord& r : records) {
        const auto t = static_cast<std::uint16_t>(r.packedTime);
        const unsigned hour = t / 60u, minute = t % 60u;
        const auto interval = static_cast<std::uint8_t>(t - previous);
        previous = t;
        const int radiation = r.solarRad < 0 ? 0 : r.solarRad;
        if (radiation == 0 || hour < static_cast<unsigned>(offset)) continue;
        const unsigned utcHour = s.timeBase == TimeBase::Legal ? hour - static_cast<unsigned>(offset) : hour;
        const double f = SunshineThreshold(static_cast<std::uint16_t>(utcHour), static_cast<std::uint16_t>(minute),
                                           day, s.month, s.year, s.latitude, s.longitude);
        if (f >= s.threshold) {
            m.theoretical = static_cast<std::uint16_t>(m.theoretical + interval);
            if (radiation >= f) m.sunny = static_cast<std::uint16_t>(m.sunny + interval);
        }
    }
    return m;
}

std::string DayLine(const MonthFile& month, int day, const DayMinutes& m) {
    // Tenths of a langley to kWh/m².
    const double energy = DecodeDailySummary2(month.summary2[day].data()).dailySolarEnergy / 10.0 * 0.011622;
    return DayDateText(month, day) + ";" + DurationText(m.theoretical) + ";" + DurationText(m.sunny) + ";" +
           std::to_string(SunshineRate(m.sunny, m.theoretical)) + ";" + FormatFixed(energy, 18, 3) + ";";
}

std::uint16_t DateNumber(const std::string& text, int low, int high, const std::string& what) {
    const int v = ParseStrictInteger(text);
    if (v < low || v > high)
        throw InvalidIntegerError("'" + text + "' n'est pas " + what + " valide (nom du fichier mois)");
    return static_cast<std::uint16_t>(v);
}

void ShowOpenWarning(const MonthFile& month, Dialogs& dialogs, const MonthOpenError& e) {
    dialogs.showMessage(MessageKind::Warning, e.reason() == MonthOpenError::Reason::NotFound
                                                  ? month.currentFileTail + " : Fichier introuvable"
                                                  : "Erreur de lecture du fichier : " + month.currentFileTail);
}

} // namespace

std::vector<std::string> SunshineInstructionLines() {
    return {"Entrer la Latitude et la Longitude de la station",
            "en degrés décimaux (négatif si Latitude Sud et Longitude Est) et le seuil en W/m², puis Valider."};
}

std::string StoredCoordinateText(const std::string& text) {
    const auto comma = text.find(',');
    if (comma == std::string::npos) return text;
    return text.substr(0, comma) + "." + text.substr(comma + 1, 6);
}

std::optional<SunshineTexts> ReadSunshineSettings(const std::string& path) {
    const auto file = PathFromUtf8(path);
    std::error_code ec;
    // Only a plain file: opening a pipe would wait for a writer for ever.
    if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(kSettingsReadLimit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    std::vector<std::string> lines = SettingsLines(bytes);
    lines.resize(3);
    // Cut in single-byte characters, as stored, before turning into UTF-8.
    return SunshineTexts{Cp1252ToUtf8(StoredCoordinateText(lines[0])), Cp1252ToUtf8(StoredCoordinateText(lines[1])),
                         Cp1252ToUtf8(lines[2])};
}

void WriteSunshineSettings(const std::string& path, const SunshineTexts& texts) {
    // Replaced whole or not at all: a full disk must not cost the stored position.
    std::string bytes;
    for (const std::string* line : {&texts.latitude, &texts.longitude, &texts.threshold})
        bytes += Utf8ToCp1252(*line) + "\r\n";
    WriteFileAtomically(path, bytes);
}

bool RefuseWithoutRadiationSensor(const MonthFile& month, Dialogs& dialogs) {
    if (month.MissingRadiationCount < kMissingRadiationLimit) return false;
    dialogs.showMessage(MessageKind::Warning, kNoRadiationSensorText);
    return true;
}

std::optional<SunshineTexts> OpenSunshinePanel(const MonthFile& month, Dialogs& dialogs,
                                               const std::string& programFolder, const SunshineTexts& shown) {
    if (RefuseWithoutRadiationSensor(month, dialogs)) return std::nullopt;
    if (auto stored = ReadSunshineSettings(SettingsFileForReading(programFolder, kSunshineSettingsFile)))
        return stored;
    return SunshineTexts{shown.latitude, shown.longitude, kDefaultThresholdText};
}

std::string DurationText(unsigned minutes) { return TwoDigits(minutes / 60) + ":" + TwoDigits(minutes % 60); }

int SunshineRate(unsigned sunnyMinutes, unsigned theoreticalMinutes) {
    if (theoreticalMinutes == 0) return 0;
    const double steps = static_cast<double>(sunnyMinutes) / theoreticalMinutes * 100 / 5;
    return 5 * static_cast<int>(RoundHalfEven(steps));
}

CommandResult SunshineExportFlow(const MonthFile& month, Dialogs& dialogs, const SunshineRequest& request) {
    const SunshineTexts& typed = request.typed;
    SunshineSetup setup;
    setup.timeBase = AskTimeBase(dialogs);
    if (request.programFolder)
        WriteSunshineSettings(SettingsFileForWriting(*request.programFolder, kSunshineSettingsFile), typed);
    if (request.hidePanel) request.hidePanel();
    setup.latitude = ParseNumber(typed.latitude);
    setup.longitude = ParseNumber(typed.longitude);
    setup.threshold = ParseNumber(typed.threshold);

    const auto name = dialogs.askSaveFileName(kSunshineSaveFilter, ".csv");
    if (!name || name->empty()) return CommandResult::Cancelled;

    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadFileBytes(month.currentFilePath);
    } catch (const MonthOpenError& e) {
        ShowOpenWarning(month, dialogs, e);
        return CommandResult::Refused;
    }
    // Read whole and checked before the CSV exists, so a damaged month file
    // leaves no half-written export behind.
    const MonthImage image = ParseMonthImage(bytes.data(), bytes.size(), month.currentFilePath);
    setup.month = DateNumber(month.currentMonthText, 1, 12, "un mois");
    setup.year = DateNumber(month.currentYearText, 0, 65535, "une année");

    TextFileWriter out(SaveName(dialogs, *name, ".csv"));
    out.writeLine(kSunshineHeader);
    for (int d = 1; d <= 31; ++d) {
        if (image.dayCount[d] == 0) continue;
        const DayMinutes m = CountDay(image.days[d].records, static_cast<std::uint16_t>(d), setup);
        out.writeLine(DayLine(month, d, m));
    }
    out.close();
    dialogs.showMessage(MessageKind::Confirmation, "Fichier enregistré");
    return CommandResult::Done;
}

} // namespace pluvelle
