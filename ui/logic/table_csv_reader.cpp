#include "table_csv_reader.h"

#include "char_text.h"
#include "new_record.h"

#include "core/text_output.h"
#include "core/wlk_format.h"

#include <algorithm>

namespace pluvelle {

namespace {

constexpr int kFieldCount = kColumnCount + 1;  // the date and the time are two fields
constexpr int kMidnight = 1440;

// Lines end with CR LF, LF or CR; a final line end does not start a line.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : text_(text) {}
    bool next(std::string_view& line) {
        if (at_ >= text_.size()) return false;
        const std::size_t end = text_.find_first_of("\r\n", at_);
        if (end == std::string_view::npos) {
            line = text_.substr(at_);
            at_ = text_.size();
            return true;
        }
        line = text_.substr(at_, end - at_);
        at_ = end + 1;
        if (text_[end] == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
        return true;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// Each field is the text before the next ";"; once none is left every further
// field is empty (text after the last ";" is never used).
std::array<std::string_view, kFieldCount> SplitFields(std::string_view line) {
    std::array<std::string_view, kFieldCount> fields{};
    std::size_t at = 0;
    for (auto& field : fields) {
        const std::size_t semi = line.find(';', at);
        if (semi == std::string_view::npos) break;
        field = line.substr(at, semi - at);
        at = semi + 1;
    }
    return fields;
}

bool IsBlank(std::string_view line) { return line.find_first_not_of("; \t") == std::string_view::npos; }

// Two digits at `from`, or nothing.
std::optional<int> TwoDigits(std::string_view text, std::size_t from) {
    if (text.size() < from + 2) return std::nullopt;
    return ParseDigits(text.substr(from, 2));
}

std::optional<int> ReadDay(std::string_view date) {
    const auto day = TwoDigits(date, 0);
    if (!day || *day < 1 || *day > 31) return std::nullopt;
    return day;
}

// "hh:mm" from 00:00 to 24:00, as minutes of the day.
std::optional<int> ReadTime(std::string_view time) {
    const auto hour = TwoDigits(time, 0);
    const auto minute = TwoDigits(time, 3);
    if (!hour || !minute || *hour > 24 || *minute > 59 || (*hour == 24 && *minute != 0)) return std::nullopt;
    return *hour * 60 + *minute;
}

CsvTableContent Refuse(long long line, std::string reason) {
    CsvTableContent content;
    content.refusal = CsvTableRefusal{line, std::move(reason)};
    return content;
}

// Most cells are plain ASCII numbers: copied as they are.
std::string ToUtf8(std::string_view cp1252) {
    for (char c : cp1252)
        if (static_cast<unsigned char>(c) >= 0x80) return Cp1252ToUtf8(cp1252);
    return std::string(cp1252);
}

void FillRow(MonthTable& table, int row, const std::array<std::string_view, kFieldCount>& fields) {
    table.ensureRows(row + 1);
    std::string when(fields[0]);
    when += ' ';
    when += fields[1];
    table.setCell(row, 0, ToUtf8(when));
    for (int c = 1; c < kColumnCount; ++c) table.setCell(row, c, ToUtf8(fields[static_cast<std::size_t>(c + 1)]));
}

// Rows for every line of the file (the titles' line gives row 0), within
// what the store can hold.
int RowsFor(std::string_view text) {
    constexpr std::size_t kMostRecords = 31 * kMaxArchivePerDay;
    LineCursor cursor(text);
    std::string_view line;
    std::size_t lines = 0;
    while (lines <= kMostRecords && cursor.next(line)) ++lines;
    return static_cast<int>(std::max<std::size_t>(kDefaultRowCount, lines));
}

} // namespace

CsvTableContent ReadTableCsv(std::string_view cp1252) {
    CsvTableContent content;
    content.table = MonthTable(RowsFor(cp1252));
    content.table.writeTitles();
    std::array<int, kDaysInIndex> perDay{};
    LineCursor cursor(cp1252);
    std::string_view line;
    long long number = 0;  // a hostile file may hold billions of empty lines
    long long blankLine = 0;
    int previousKey = -1;
    int previousTime = 0;
    while (cursor.next(line)) {
        if (++number == 1) continue;  // the titles
        if (IsBlank(line)) {
            if (blankLine == 0) blankLine = number;
            continue;
        }
        if (blankLine != 0)
            return Refuse(number, "des données suivent la ligne vide " + std::to_string(blankLine) +
                                      " (les lignes vides ne peuvent être qu'en fin de fichier)");
        const auto fields = SplitFields(line);
        const auto day = ReadDay(fields[0]);
        if (!day) return Refuse(number, "la date doit commencer par le jour, de 01 à 31");
        const auto time = ReadTime(fields[1]);
        if (!time) return Refuse(number, "l'heure doit s'écrire hh:mm, de 00:00 à 24:00");
        const int key = *day * (kMidnight + 1) + *time;
        if (key <= previousKey)
            return Refuse(number, "les dates et heures doivent se suivre en ordre croissant, sans doublon");
        if (++perDay[static_cast<std::size_t>(*day)] > kMaxArchivePerDay)
            return Refuse(number, "plus de " + std::to_string(kMaxArchivePerDay) + " enregistrements pour le jour " +
                                      std::to_string(*day));
        // A record stamped 24:00 closes its day: the next one counts from midnight.
        const std::uint8_t interval = previousTime == kMidnight ? static_cast<std::uint8_t>(*time & 0xFF)
                                                                : IntervalAfter(*time, previousTime);
        content.records.push_back({*day, *time, interval});
        FillRow(content.table, static_cast<int>(content.records.size()), fields);
        previousKey = key;
        previousTime = *time;
    }
    if (content.records.empty()) return Refuse(0, "le fichier ne contient aucun enregistrement");
    return content;
}

} // namespace pluvelle
