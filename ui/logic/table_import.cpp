#include "table_import.h"

#include "new_record.h"

#include "core/errors.h"
#include "core/month_reader.h"
#include "core/paths.h"

#include <algorithm>
#include <vector>

namespace pluvelle {

namespace {

std::vector<std::uint8_t> ReadCsvBytes(const std::string& path) {
    try {
        return ReadFileBytes(path);
    } catch (const MonthOpenError& e) {
        const char* reason = e.reason() == MonthOpenError::Reason::NotFound ? "fichier introuvable"
                                                                             : "ouverture refusée";
        throw IoError("Impossible d'ouvrir le fichier " + path + " : " + reason);
    }
}

std::string RefusalText(const std::string& path, const CsvTableRefusal& refusal) {
    std::string text = "Fichier non importé, rien n'a été modifié.\r\n" + PathToUtf8(PathFromUtf8(path).filename());
    if (refusal.line > 0) text += ", ligne " + std::to_string(refusal.line);
    return text + " : " + refusal.reason + ".";
}

bool AllZero(const RecordBytes& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
}

// Only the record's first six bytes come from the file; the rest of a slot
// the month already had waits for the table's values at save time.
void StampSlot(std::vector<ArchiveRecord>& slots, int slot, const CsvRecordTime& time) {
    if (static_cast<int>(slots.size()) < slot) {
        slots.push_back(NewArchiveRecord(time.packedTime, time.archiveInterval));
        return;
    }
    ArchiveRecord& r = slots[static_cast<std::size_t>(slot - 1)];
    r.dataType = 1;
    r.archiveInterval = time.archiveInterval;
    r.iconFlags = 0;
    r.moreFlags = 0;
    r.packedTime = static_cast<std::int16_t>(time.packedTime);
}

} // namespace

void ApplyImportedTable(MonthSession& session, CsvTableContent&& content) {
    MonthFile& month = session.month;
    std::array<std::int16_t, kDaysInIndex> counts{};
    auto records = month.records;
    for (const CsvRecordTime& time : content.records) StampSlot(records[time.day], ++counts[time.day], time);

    // Nothing below can fail: the month changes all at once.
    for (int d = 1; d <= 31; ++d) {
        if (counts[d] == 0) continue;
        counts[d] += 2;
        if (AllZero(month.summary1[d])) month.summary1[d][0] = 2;
        if (AllZero(month.summary2[d])) month.summary2[d][0] = 3;
    }
    month.records = std::move(records);
    month.dayCount = counts;
    RebuildDayIndex(month);
    session.table = std::move(content.table);
    session.unsavedChanges = true;
}

CommandResult ImportTableFlow(MonthSession& session, Dialogs& dialogs) {
    const auto path = dialogs.askOpenFileName(kCsvOpenFilter);
    if (!path || path->empty()) return CommandResult::Cancelled;
    const std::vector<std::uint8_t> bytes = ReadCsvBytes(*path);
    CsvTableContent content =
        ReadTableCsv(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (content.refusal) {
        dialogs.showMessage(MessageKind::Warning, RefusalText(*path, *content.refusal));
        return CommandResult::Refused;
    }
    ApplyImportedTable(session, std::move(content));
    dialogs.showMessage(MessageKind::Warning, kImportReminder);
    return CommandResult::Done;
}

} // namespace pluvelle
