#pragma once
// The open month: the store, the table the user edits, and whether the table
// holds edits that are not yet in a file.
#include "month_file.h"
#include "month_table.h"

namespace pluvelle {

struct MonthSession {
    MonthFile month;
    MonthTable table;
    bool monthLoaded = false;  // a month was loaded once: the commands are shown
    bool unsavedChanges = false;
};

} // namespace pluvelle
