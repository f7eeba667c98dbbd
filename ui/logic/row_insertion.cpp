#include "row_insertion.h"

#include "char_text.h"
#include "new_record.h"

#include "core/conversions.h"

#include <optional>

namespace pluvelle {

namespace {

constexpr const char* kPlaceholderJour = " jj";
constexpr const char* kPlaceholderHeure = " hh ";
constexpr const char* kPlaceholderMinute = " mm ";

struct Entry {
    int day = 0;
    std::optional<int> hour;
    std::optional<int> minute;
};

// Appends each check's remark; true when none was needed.
bool CheckEntry(InsertionBand& band, const Entry& e, int monthLength) {
    bool valid = true;
    auto remark = [&valid](std::string& edit, const char* text) {
        edit += text;
        valid = false;
    };
    if (e.day < 1 || e.day > monthLength) remark(band.JourInsere, " : Incompat.");
    // Midnight belongs to the day before, as its 24:00 record.
    if (e.hour == 0 && e.minute == 0) {
        remark(band.JourInsere, ": ->la veille");
        remark(band.HeureInsere, ": ->24");
        remark(band.MinuteInsere, ": ->00");
    }
    // A negative hour or minute would give a record stamped before its day.
    if (!e.hour || *e.hour > 24 || *e.hour < 0) remark(band.HeureInsere, " : Faux");
    if (!e.hour || (*e.hour == 24 && e.minute && *e.minute != 0)) remark(band.HeureInsere, " : Faux");
    if (!e.minute || *e.minute > 59 || *e.minute < 0) remark(band.MinuteInsere, " : Faux");
    return valid;
}

int ReadTextNumber(const std::string& text) { return ParseEditInteger(text).value_or(0); }

// Rows of the earlier days: the first row of day d is this plus 1.
int RowsBeforeDay(const MonthFile& month, int day) {
    int rows = 0;
    for (int e = 1; e < day; ++e) rows += month.ArchiveCount(e);
    return rows;
}

// The first of the day's rows whose date and time is not before `when`, or
// the row after the day's last. The day's rows come from the day counts: in a
// table that matches the store this is where a scan from row 1 stops, and it
// keeps the new record inside its own day whatever column 0 holds.
int PlaceInDay(const MonthTable& table, int firstRow, int lastRow, const std::string& when) {
    const std::string key = DateTimeKey(when);
    for (int r = firstRow; r <= lastRow && r < table.rowCount(); ++r) {
        const std::string& text = table.cell(r, 0);
        if (text.empty()) return r;
        if (DateTimeKey(text) >= key) return r;
    }
    return lastRow + 1;
}

void UpdateHeader(MonthFile& month, int day) {
    WlkHeader& h = month.header;
    h.totalRecords += 1;
    h.dayIndex[day].recordsInDay += 1;
    for (int e = day + 1; e <= 31; ++e)
        if (h.dayIndex[e].recordsInDay != 0) h.dayIndex[e].startPos += 1;
    month.dayCount[day] += 1;
}

void InsertRecord(MonthFile& month, int day, int slot, int packedTime) {
    auto& records = month.records[day];
    month.EnsureSlots(day, month.ArchiveCount(day));
    const std::uint8_t interval = slot > 1 ? IntervalAfter(packedTime, records[slot - 2].packedTime)
                                           : static_cast<std::uint8_t>(packedTime & 0xFF);
    records.insert(records.begin() + (slot - 1), NewArchiveRecord(packedTime, interval));
}

void InsertRow(MonthTable& table, int row, const std::string& when) {
    table.ensureRows(row + 1);
    table.insertEmptyRow(row);
    table.setCell(row, 0, when);
    for (int c = 1; c < kColumnCount; ++c) table.setCell(row, c, std::string(MissingText));
}

} // namespace

std::string DateTimeKey(const std::string& x) {
    return CharSlice(x, 7, 4) + CharSlice(x, 4, 2) + CharSlice(x, 1, 2) + CharSlice(x, 12, 2) + CharSlice(x, 15, 2);
}

std::string PadTwoDigits(const std::string& text) {
    const bool oneCharacter = !text.empty() && CharSlice(text, 2, 1).empty();
    return oneCharacter ? "0" + text : text;
}

int MonthLength(int month, int year) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 31;
    if (month == 2 && year % 4 == 0) return 29;
    return kLengths[month - 1];
}

void OpenInsertionBand(InsertionBand& band) {
    band.open = true;
    band.Memo1 = {"Cliquer-droit, sur la ligne où vous voulez insérer,", "puis modifier les valeurs à droite,",
                  "puis Valider."};
    band.JourInsere = kPlaceholderJour;
    band.HeureInsere = kPlaceholderHeure;
    band.MinuteInsere = kPlaceholderMinute;
}

void PrefillInsertionFromRow(InsertionBand& band, const MonthTable& table, int row) {
    if (row < 0 || row >= table.rowCount()) return;
    const std::string& c = table.cell(row, 0);
    band.JourInsere = CharSlice(c, 1, 2);
    band.HeureInsere = CharSlice(c, 12, 2);
    band.MinuteInsere = CharSlice(c, 15, 2);
}

void ClearInsertionEdit(InsertionBand& band, InsertionEdit edit) {
    switch (edit) {
        case InsertionEdit::Jour: band.JourInsere.clear(); break;
        case InsertionEdit::Heure: band.HeureInsere.clear(); break;
        case InsertionEdit::Minute: band.MinuteInsere.clear(); break;
    }
}

void CancelInsertion(InsertionBand& band) { band.open = false; }

InsertionResult ValidateInsertion(InsertionBand& band, MonthSession& session) {
    MonthFile& month = session.month;
    // Cutting to two characters also drops the remarks of an earlier attempt.
    band.JourInsere = CharSlice(band.JourInsere, 1, 2);
    band.HeureInsere = CharSlice(band.HeureInsere, 1, 2);
    band.MinuteInsere = CharSlice(band.MinuteInsere, 1, 2);
    Entry e;
    e.day = ReadTextNumber(band.JourInsere);
    e.hour = ParseEditInteger(band.HeureInsere);
    e.minute = ParseEditInteger(band.MinuteInsere);
    const int length = MonthLength(ReadTextNumber(month.currentMonthText), ReadTextNumber(month.currentYearText));
    if (!CheckEntry(band, e, length)) return {};

    // A day the file does not hold has no summaries to go with a record.
    if (month.dayCount[e.day] == 0) {
        band.JourInsere += " : Jour sans données";
        return {};
    }
    if (month.ArchiveCount(e.day) >= kMaxArchivePerDay) {
        band.JourInsere += " : Jour complet";
        return {};
    }
    const std::string when = PadTwoDigits(band.JourInsere) + "/" + month.currentMonthText + "/" +
                             month.currentYearText + " " + PadTwoDigits(band.HeureInsere) + ":" +
                             PadTwoDigits(band.MinuteInsere);
    const int base = RowsBeforeDay(month, e.day);
    const int lastRow = base + month.ArchiveCount(e.day);
    const int row = PlaceInDay(session.table, base + 1, lastRow, when);
    const MonthTable& table = session.table;
    if (row <= lastRow && row < table.rowCount() && table.cell(row, 0) == when) {
        band.JourInsere += ":Référence";
        band.HeureInsere += ":déjà";
        band.MinuteInsere += ":existante";
        return {};
    }

    const int packedTime = *e.hour * 60 + *e.minute;
    InsertRow(session.table, row, when);
    InsertRecord(month, e.day, row - base, packedTime);
    UpdateHeader(month, e.day);
    session.unsavedChanges = true;
    band.open = false;
    return {true, row};
}

} // namespace pluvelle
