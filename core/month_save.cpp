#include "month_save.h"

#include "atomic_file.h"
#include "record_text.h"

namespace pluvelle {

MonthRecords ConvertTable(const MonthSession& session) {
    const MonthFile& m = session.month;
    MonthRecords records = m.records;
    int base = 0;
    for (int d = 1; d <= 31; ++d) {
        if (m.dayCount[d] == 0) continue;
        const int n = m.ArchiveCount(d);
        auto& slots = records[d];
        if (static_cast<int>(slots.size()) < n) slots.resize(static_cast<std::size_t>(n));
        for (int u = 1; u <= n && base + u < session.table.rowCount(); ++u)
            ParseRecordRow(session.table, base + u, m.currentRainCode, m.currentMmPerClick, slots[u - 1]);
        base += n;
    }
    return records;
}

std::string SerializeMonth(const MonthFile& month, const MonthRecords& records) {
    std::string out;
    out.reserve(kHeaderSize + kRecordSize * static_cast<std::size_t>(month.TotalArchiveRecords() + 62));
    const HeaderBytes header = EncodeHeader(month.header);
    out.append(reinterpret_cast<const char*>(header.data()), header.size());
    RecordBytes buffer{};
    for (int d = 1; d <= 31; ++d) {
        if (month.dayCount[d] == 0) continue;
        out.append(reinterpret_cast<const char*>(month.summary1[d].data()), kRecordSize);
        out.append(reinterpret_cast<const char*>(month.summary2[d].data()), kRecordSize);
        const int n = month.ArchiveCount(d);
        for (int u = 0; u < n; ++u) {
            if (u < static_cast<int>(records[d].size())) EncodeArchiveRecord(records[d][static_cast<std::size_t>(u)], buffer.data());
            else buffer.fill(0);
            out.append(reinterpret_cast<const char*>(buffer.data()), kRecordSize);
        }
    }
    return out;
}

void SaveMonthToPath(MonthSession& session, const std::string& path) {
    MonthRecords converted = ConvertTable(session);
    WriteFileAtomically(path, SerializeMonth(session.month, converted));
    session.month.records = std::move(converted);
    session.unsavedChanges = false;
}

CommandResult SaveMonthFlow(MonthSession& session, Dialogs& dialogs) {
    const auto name = dialogs.askSaveFileName(kWlkSaveFilter, ".wlk");
    if (!name || name->empty()) return CommandResult::Cancelled;
    SaveMonthToPath(session, SaveName(dialogs, *name, ".wlk"));
    dialogs.showMessage(MessageKind::Confirmation, "Fichier enregistré");
    return CommandResult::Done;
}

} // namespace pluvelle
