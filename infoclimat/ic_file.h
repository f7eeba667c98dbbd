#pragma once
// The InfoClimat data file: one ";" separated line per observation at a
// minute multiple of 10, stamped in UTC, with the UTC day's running minimum,
// maximum and rain total.
#include "core/month_file.h"
#include "core/month_reader.h"
#include "core/month_table.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace pluvelle {

inline constexpr int kInfoClimatFieldCount = 28;
extern const std::array<std::string_view, kInfoClimatFieldCount> InfoClimatKeys;

// The 28 keys joined by ";", none after the last.
std::string InfoClimatHeaderLine();

// The 28 values of one data line, each followed by ";" in the file.
using InfoClimatRow = std::array<std::string, kInfoClimatFieldCount>;
std::string InfoClimatLine(const InfoClimatRow& row);

// Wind direction text to whole degrees ("NNO" 337); empty for anything that
// is not one of the sixteen points.
std::string DirectionDegrees(std::string_view directionText);

// The loaded month as the export reads it: the table as the user left it,
// mapped to days by the store's day counts.
struct IcMonth {
    const MonthFile& month;
    const MonthTable& table;
    int monthNumber;  // 1..12
    int year;
    std::string stationCode;
};

using LineSink = std::function<void(const std::string&)>;

// The table's times are UTC: each calendar day is a UTC day.
void WriteUtcLines(const IcMonth& source, const LineSink& emit);

// The table's times are legal time: each UTC day takes the local rows after
// its offset hour and the first rows of the next local day; the month's last
// UTC day ends with the first records of `following` (the next month's file,
// `followingMonth`/`followingYear`).
void WriteLegalLines(const IcMonth& source, const MonthImage& following, int followingMonth, int followingYear,
                     const LineSink& emit);

} // namespace pluvelle
