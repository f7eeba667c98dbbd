#pragma once
// Inserting one archive record at a date and time the user gives, through the
// input band below the table: three edits (day, hour, minute), instructions
// in `Memo1`, validate and cancel. Entry errors are remarks appended to the
// edits' texts; nothing changes unless the entry passes every check.
#include "core/month_session.h"

#include <string>
#include <vector>

namespace pluvelle {

struct InsertionBand {
    bool open = false;  // the six controls of the band are shown
    std::string JourInsere;
    std::string HeureInsere;
    std::string MinuteInsere;
    std::vector<std::string> Memo1;
};

enum class InsertionEdit { Jour, Heure, Minute };

// `InserligneClick`: shows the band with its instructions and placeholders.
void OpenInsertionBand(InsertionBand& band);

// `TableauMouseDown` with the right button: the day, hour and minute of the
// clicked row's column 0 go into the edits, band open or not. Rows outside
// the table change nothing.
void PrefillInsertionFromRow(InsertionBand& band, const MonthTable& table, int row);

// `JourInsereClick`, `HeureInsereClick`, `MinuteInsereClick`: empties the edit.
void ClearInsertionEdit(InsertionBand& band, InsertionEdit edit);

// `AnnuleInsereClick`: hides the band; the edits keep their texts.
void CancelInsertion(InsertionBand& band);

struct InsertionResult {
    bool inserted = false;
    int row = 0;  // the new row, when inserted: refresh from it and scroll to it
};

// `ValideInsereClick`. On success the table has a new row of "- -" at its
// place in time order, the store a matching record with header, day index and
// day counts kept consistent, the session is marked unsaved and the band closes.
InsertionResult ValidateInsertion(InsertionBand& band, MonthSession& session);

// "yyyymmddhhmm" from a column-0 text "dd/mm/yyyy hh:mm".
std::string DateTimeKey(const std::string& columnZero);
// A one-character text gets a "0" in front.
std::string PadTwoDigits(const std::string& text);
// Days of the month; February has 29 days in years divisible by 4. A month
// number outside 1..12 (a file not named yyyy-mm.wlk) allows 31 days.
int MonthLength(int month, int year);

} // namespace pluvelle
