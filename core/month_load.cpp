#include "month_load.h"

#include "conversions.h"
#include "record_text.h"

#include <algorithm>

namespace pluvelle {

void BuildMonth(const MonthImage& image, const std::string& path, MonthFile& month, MonthTable& table) {
    month = MonthFile{};
    SetCurrentPath(month, path);
    month.header = image.header;
    month.dayCount = image.dayCount;
    int archiveTotal = 0;
    for (int d = 1; d <= 31; ++d) archiveTotal += static_cast<int>(image.days[d].records.size());
    table.clear(std::max(kDefaultRowCount, archiveTotal + 1));
    table.reserveRows(archiveTotal + 1);
    table.writeTitles();
    int row = 0;
    for (int d = 1; d <= 31; ++d) {
        if (image.dayCount[d] == 0) continue;
        const MonthDay& day = image.days[d];
        month.summary1[d] = day.summary1;
        month.summary2[d] = day.summary2;
        month.records[d] = day.records;
        const std::string date = DayDateText(month, d);
        for (const ArchiveRecord& r : day.records) {
            month.currentRainCode = RainCollectorCode(r.rain);
            month.currentMmPerClick = RainMmPerClick(r.rain);
            if (r.solarRad < 0) ++month.MissingRadiationCount;
            FormatRecordRow(r, date, table, ++row);
        }
    }
}

MonthSession ReadMonthSession(const std::string& path) {
    MonthSession s;
    BuildMonth(ReadMonthImage(path), path, s.month, s.table);
    s.monthLoaded = true;
    return s;
}

CommandResult LoadMonthPath(MonthSession& session, Dialogs& dialogs, const std::string& path) {
    MonthSession fresh;
    try {
        fresh = ReadMonthSession(path);
    } catch (const MonthOpenError& e) {
        MonthFile names;
        SetCurrentPath(names, path);
        const std::string text = e.reason() == MonthOpenError::Reason::NotFound
                                     ? names.currentFileTail + " : Fichier introuvable"
                                     : "Erreur de lecture du fichier : " + names.currentFileTail;
        dialogs.showMessage(MessageKind::Warning, text);
        return CommandResult::Refused;
    }
    session = std::move(fresh);
    return CommandResult::Done;
}

CommandResult LoadMonthFlow(MonthSession& session, Dialogs& dialogs) {
    const auto path = dialogs.askOpenFileName(kWlkOpenFilter);
    if (!path || path->empty()) return CommandResult::Cancelled;
    return LoadMonthPath(session, dialogs, *path);
}

} // namespace pluvelle
