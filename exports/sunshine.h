#pragma once
// Daily sunshine duration from the measured global radiation: an archive
// interval is sunny when its radiation reaches the threshold radiation of the
// sun's position at the station. One CSV line per day with data.
#include "core/dialogs.h"
#include "core/month_file.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pluvelle {

inline constexpr const char* kSunshineSettingsFile = "configensol.txt";
inline constexpr const char* kSunshineSaveFilter = "Fichiers *.csv|*.csv";
inline constexpr const char* kDefaultThresholdText = "50";
inline constexpr const char* kNoRadiationSensorText = "Il n'y a pas de Capteur de Radiation sur la station.";
inline constexpr const char* kSunshineHeader =
    "Date; Ensoleillement théorique (en h);Ensoleillement réel (en h); Taux d'ensoleillement;"
    "Energie reçue en (kWh/m²)";
// A month with this many records without radiation has no sensor to speak of.
inline constexpr int kMissingRadiationLimit = 10;

// The panel's three edits, as typed: latitude and longitude in decimal
// degrees (south and east negative), threshold in W/m².
struct SunshineTexts {
    std::string latitude;
    std::string longitude;
    std::string threshold;
    bool operator==(const SunshineTexts&) const = default;
};

// The instruction the panel's text box shows, one string per line.
std::vector<std::string> SunshineInstructionLines();

// A stored coordinate as the panel shows it: a comma becomes a point and at
// most 6 characters after it are kept.
std::string StoredCoordinateText(const std::string& text);
// configensol.txt: latitude, longitude and threshold lines within its first
// kSettingsReadLimit bytes (missing lines read empty), coordinates through
// StoredCoordinateText; nullopt when unreadable.
std::optional<SunshineTexts> ReadSunshineSettings(const std::string& path);
// The three texts unchanged, one per line, replacing the file whole or not
// at all. Throws IoError.
void WriteSunshineSettings(const std::string& path, const SunshineTexts& texts);

// Shows the no-sensor message and answers true when the month has too many
// records without radiation.
bool RefuseWithoutRadiationSensor(const MonthFile& month, Dialogs& dialogs);

// The `EnsolOnClick` command: nullopt when refused; otherwise the texts the
// three edits show, from the settings file when it can be read, else the
// edits' present coordinates with the default threshold.
std::optional<SunshineTexts> OpenSunshinePanel(const MonthFile& month, Dialogs& dialogs,
                                               const std::string& programFolder, const SunshineTexts& shown);

// "hh:mm" of a duration in minutes (hours not limited to two digits).
std::string DurationText(unsigned minutes);
// Sunshine rate in percent, in steps of 5, halves to the even step; 0 when
// there was no theoretical sunshine.
int SunshineRate(unsigned sunnyMinutes, unsigned theoreticalMinutes);

struct SunshineRequest {
    SunshineTexts typed;
    // Folder of the program, where the typed texts are kept for next time;
    // nullopt keeps nothing (the batch tool takes them from its arguments).
    std::optional<std::string> programFolder;
    // Hides the panel once the texts are kept, before the save dialog.
    std::function<void()> hidePanel;
};

// The `ValideCoordonneesClick` command: time base, settings kept, save dialog,
// then the month file at the store's path read from disk and the CSV written;
// the daily energy comes from the store's second summaries.
CommandResult SunshineExportFlow(const MonthFile& month, Dialogs& dialogs, const SunshineRequest& request);

} // namespace pluvelle
