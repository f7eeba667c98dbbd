#include "export_month_files.h"

#include "core/conversions.h"
#include "core/errors.h"

namespace pluvelle {

std::optional<std::string> AskExportCsvName(Dialogs& dialogs) {
    const auto name = dialogs.askSaveFileName(kExportCsvFilter, ".csv");
    if (!name || name->empty()) return std::nullopt;
    return SaveName(dialogs, *name, ".csv");
}

std::string MonthOpenFailureText(const std::string& name, MonthOpenError::Reason reason) {
    return reason == MonthOpenError::Reason::NotFound ? name + " : Fichier introuvable"
                                                      : "Erreur de lecture du fichier : " + name;
}

MonthNumbers OpenMonthNumbers(const MonthFile& month) {
    MonthNumbers m;
    m.month = ParseStrictInteger(month.currentMonthText);
    m.year = ParseStrictInteger(month.currentYearText);
    // Neighbour names and legal time need a real month; the loader never checked it.
    if (m.month < 1 || m.month > 12 || m.year < 0)
        throw InvalidIntegerError("Le nom du fichier " + month.currentFileTail +
                                  " ne donne pas un mois valide (aaaa-mm.wlk)");
    return m;
}

MonthNumbers PreviousMonth(MonthNumbers m) {
    return m.month == 1 ? MonthNumbers{12, m.year - 1} : MonthNumbers{m.month - 1, m.year};
}

MonthNumbers NextMonth(MonthNumbers m) {
    return m.month == 12 ? MonthNumbers{1, m.year + 1} : MonthNumbers{m.month + 1, m.year};
}

std::string MonthPathBeside(const MonthFile& open, MonthNumbers m) {
    const std::string mm = (m.month < 10 ? "0" : "") + std::to_string(m.month);
    return open.currentFolder + std::to_string(m.year) + "-" + mm + ".wlk";
}

} // namespace pluvelle
