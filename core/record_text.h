#pragma once
// One archive record as the 47 texts of a table row, and back.
#include "month_table.h"
#include "wlk_format.h"

#include <cstdint>
#include <string>

namespace pluvelle {

// The station's own no-data codes.
inline constexpr std::int16_t kNoData16 = -32768;
inline constexpr std::uint8_t kNoData8 = 255;

// "dd/mm/yyyy hh:mm"; 1440 shows as 24:00 (the record that closes the day).
std::string RecordTimeText(const std::string& dayDateText, int packedTime);

// Writes the 47 cells of `row` for `record`.
void FormatRecordRow(const ArchiveRecord& record, const std::string& dayDateText, MonthTable& table, int row);
// The text of one column (1..46) for `record`.
std::string FormatRecordCell(const ArchiveRecord& record, int col);

// Converts columns 1..46 of `row` into the fields of `record`; the rain
// collector is the month's single one. Fields the table does not show keep
// their values. Throws InvalidIntegerError when column 14 is not an integer.
void ParseRecordRow(const MonthTable& table, int row, std::uint16_t rainCode, double mmPerClick,
                    ArchiveRecord& record);

} // namespace pluvelle
