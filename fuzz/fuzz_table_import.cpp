// Importing a table CSV: any bytes are either refused with the table and the
// store untouched, or taken whole, after which the month saves into a file
// whose days and record times are those of the CSV's lines.
// Input: the CSV; or a month file, the part separator, then the CSV (the
// month the user had open when importing).
#include "support.h"

#include "core/errors.h"
#include "core/month_load.h"
#include "core/month_save.h"
#include "ui/logic/table_csv_reader.h"
#include "ui/logic/table_import.h"

#include <cstdint>

using namespace pluvelle;

namespace {

// The saved file holds one record per CSV line, at the line's day and time.
void CheckSaved(const MonthSession& s, const CsvTableContent& expected) {
    std::string bytes;
    try {
        bytes = SerializeMonth(s.month, ConvertTable(s));
    } catch (const InvalidIntegerError&) {
        return;  // a wind sample count that is no integer: saving refuses
    }
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const MonthImage saved = ParseMonthImage(p, bytes.size(), "saved");
    std::size_t k = 0;
    for (int d = 1; d <= 31; ++d) {
        for (const ArchiveRecord& r : saved.days[d].records) {
            if (k >= expected.records.size()) fuzz::Broken("more records saved than imported");
            const CsvRecordTime& t = expected.records[k++];
            if (t.day != d || t.packedTime != r.packedTime) fuzz::Broken("record saved at another time");
        }
    }
    if (k != expected.records.size()) fuzz::Broken("fewer records saved than imported");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string folder = fuzz::ScratchFolder();
    const auto parts = fuzz::SplitParts(data, size, 2);
    const std::string_view csv = parts.back();
    MonthSession s;
    if (parts.size() == 2) fuzz::OpenMonth(s, parts[0], folder + "2016-04.wlk");
    const auto countsBefore = s.month.dayCount;
    const bool unsavedBefore = s.unsavedChanges;

    fuzz::WriteBytes(folder + "table.csv", csv);
    fuzz::QuietDialogs dialogs;
    dialogs.names.push_back(folder + "table.csv");
    const CommandResult result = ImportTableFlow(s, dialogs);
    if (result != CommandResult::Done) {
        if (s.month.dayCount != countsBefore || s.unsavedChanges != unsavedBefore)
            fuzz::Broken("a refused import changed the month");
        return 0;
    }
    // What the import took, read again for the comparison.
    const CsvTableContent expected = ReadTableCsv(csv);
    if (expected.refusal) fuzz::Broken("imported a file the reader refuses");
    CheckSaved(s, expected);
    return 0;
}
