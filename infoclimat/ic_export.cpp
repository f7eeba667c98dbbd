#include "ic_export.h"

#include "ic_file.h"

#include "core/conversions.h"
#include "core/errors.h"
#include "core/legal_time.h"
#include "core/month_reader.h"
#include "core/paths.h"
#include "core/text_output.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

namespace pluvelle {

namespace fs = std::filesystem;

namespace {

constexpr const char* kCannotExport = "l'export ne peut s'effectuer.";

struct YearMonth {
    int year;
    int month;
};

YearMonth LoadedMonth(const MonthFile& m) {
    const std::string problem = "Le nom du fichier " + m.currentFileTail + " ne donne pas l'année et le mois (aaaa-mm.wlk)";
    YearMonth ym{};
    try {
        ym = {ParseStrictInteger(m.currentYearText), ParseStrictInteger(m.currentMonthText)};
    } catch (const InvalidIntegerError&) {
        throw InvalidIntegerError(problem);
    }
    if (ym.month < 1 || ym.month > 12 || ym.year < 1) throw InvalidIntegerError(problem);
    return ym;
}

YearMonth Previous(YearMonth ym) { return ym.month == 1 ? YearMonth{ym.year - 1, 12} : YearMonth{ym.year, ym.month - 1}; }
YearMonth Next(YearMonth ym) { return ym.month == 12 ? YearMonth{ym.year + 1, 1} : YearMonth{ym.year, ym.month + 1}; }

std::string MonthFileName(YearMonth ym) {
    return std::to_string(ym.year) + (ym.month < 10 ? "-0" : "-") + std::to_string(ym.month) + ".wlk";
}

enum class Presence { Found, Missing, Unreadable };

// Opens the file and closes it again: nothing of it is read.
Presence Probe(const std::string& path) {
    const fs::path p = PathFromUtf8(path);
    std::error_code ec;
    const fs::file_status status = fs::status(p, ec);
    if (status.type() == fs::file_type::not_found) return Presence::Missing;
    // Opening a pipe would wait for a writer for ever.
    if (ec || !fs::is_regular_file(status)) return Presence::Unreadable;
    std::ifstream in(p, std::ios::binary);
    return in ? Presence::Found : Presence::Unreadable;
}

int LargestInterval(const MonthFile& m) {
    int largest = 0;
    for (int d = 1; d <= 31; ++d) {
        const auto count = std::min<std::size_t>(static_cast<std::size_t>(m.ArchiveCount(d)), m.records[d].size());
        for (std::size_t u = 0; u < count; ++u) largest = std::max<int>(largest, m.records[d][u].archiveInterval);
    }
    return largest;
}

// False after the warning when the previous month is not there to be opened.
bool PreviousMonthPresent(const std::string& path, Dialogs& dialogs) {
    switch (Probe(path)) {
        case Presence::Found: return true;
        case Presence::Missing:
            dialogs.showMessage(MessageKind::Warning, " Le fichier du mois précédent : \n\n" + path +
                                                          " est introuvable\n\n" + kCannotExport);
            return false;
        case Presence::Unreadable: break;
    }
    dialogs.showMessage(MessageKind::Warning, "Erreur de lecture du fichier : " + path + "\n\n" + kCannotExport);
    return false;
}

// The next month's file, or nothing after the warning when it cannot be opened.
std::optional<MonthImage> FollowingMonth(const std::string& path, Dialogs& dialogs) {
    try {
        return ReadMonthImage(path);
    } catch (const MonthOpenError& e) {
        dialogs.showMessage(MessageKind::Warning,
                            e.reason() == MonthOpenError::Reason::NotFound
                                ? " Le fichier du mois suivant : \n\n" + path + " est introuvable\n\n" + kCannotExport
                                : "Erreur de lecture du fichier : " + path + "\n\n" + kCannotExport);
        return std::nullopt;
    }
}

} // namespace

std::string InfoClimatFileName(const MonthFile& month, const std::string& stationCode) {
    if (stationCode.find_first_of("/\\") != std::string::npos)
        throw IoError("Le code station « " + stationCode + " » ne peut servir de nom de fichier.");
    return stationCode + "_" + month.currentYearText + month.currentMonthText + ".ic";
}

CommandResult ExportInfoClimatFlow(const MonthSession& session, const InfoClimatSettings& settings,
                                   Dialogs& dialogs, const InfoClimatUpload* upload) {
    const MonthFile& m = session.month;
    const YearMonth loaded = LoadedMonth(m);
    if (!PreviousMonthPresent(m.currentFolder + MonthFileName(Previous(loaded)), dialogs))
        return CommandResult::Refused;
    if (LargestInterval(m) > 30) {
        dialogs.showMessage(MessageKind::Confirmation,
                            "Fichier incorrect ! \nIl comporte des intervalles supérieurs à 30 mn");
        return CommandResult::Refused;
    }
    const TimeBase base = AskTimeBase(dialogs);

    const std::string name = InfoClimatFileName(m, settings.stationCode);
    const std::string path = m.currentFolder + name;
    TextFileWriter out(path);
    out.writeLine(InfoClimatHeaderLine());
    const IcMonth source{m, session.table, loaded.month, loaded.year, settings.stationCode};
    const LineSink emit = [&out](const std::string& line) { out.writeLine(line); };
    bool complete = true;
    if (base == TimeBase::Utc) {
        WriteUtcLines(source, emit);
    } else {
        const YearMonth next = Next(loaded);
        const auto following = FollowingMonth(m.currentFolder + MonthFileName(next), dialogs);
        complete = following.has_value();
        if (following) WriteLegalLines(source, *following, next.month, next.year, emit);
    }
    out.close();

    if (!complete) return CommandResult::Refused;
    if (!upload) return CommandResult::Done;
    return UploadInfoClimatFile(path, name, settings, *upload, dialogs);
}

} // namespace pluvelle
