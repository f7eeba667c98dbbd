#pragma once
// Reading a table CSV as the table export writes it: a title line, then one
// line per record: date;time;46 values; ("- -" for missing values), Windows-1252.
//
// Saving maps table rows to records by day order alone, so a file is taken
// whole or not at all: every data line must carry a day 01..31 and a time
// 00:00..24:00, the lines must follow each other in increasing day and time
// (24:00 closing its day, no date and time twice), no day may hold more
// records than the store, and blank lines (only ";" and spaces, like the
// unused rows of an exported table) may only form the end of the file.
#include "core/month_table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pluvelle {

// The time a data line gives its record.
struct CsvRecordTime {
    int day = 0;
    int packedTime = 0;
    std::uint8_t archiveInterval = 0;
};

struct CsvTableRefusal {
    long long line = 0;  // line of the file (the title line is 1); 0 for the file as a whole
    std::string reason;
};

struct CsvTableContent {
    // Titles in row 0, data line k in row k (UTF-8; column 0 is date, space,
    // time); at least the default row count, more when the file needs them.
    MonthTable table{1};
    std::vector<CsvRecordTime> records;  // one per data row, in row order
    std::optional<CsvTableRefusal> refusal;  // set: nothing of the file may be used
};

CsvTableContent ReadTableCsv(std::string_view cp1252);

} // namespace pluvelle
