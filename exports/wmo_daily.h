#pragma once
// The WMO daily data export: per day of the month with data, Tn over the 24
// hours ending at 18:00 UTC, Tx and rainfall over the 24 hours from 06:00 UTC,
// and the strongest gust, computed from the archive records. The windows reach
// into the neighbouring data days, and at the month's edges into the last data
// day of the previous month's file and day 1 of the next month's file.
#include "export_month_files.h"

#include "core/dialogs.h"
#include "core/legal_time.h"
#include "core/month_file.h"
#include "core/month_reader.h"

#include <string>
#include <vector>

namespace pluvelle {

// "hh:mm" with no special case: 1440 gives 24:00; t is read as unsigned 16 bits.
std::string MinutesToClockTextPlain(int t);

struct WmoDay {
    std::string date;  // dd/mm/yyyy
    double tn = 80.0;
    std::string tnTime;
    double tx = -60.0;
    std::string txTime;
    double rainTotal = 0.0;
    double gust = 0.0;
    std::string gustTime;
    std::string season = "E";  // "H" in winter time, "E" in summer time
};

// A month file read beside the open one, or nothing when it could not be opened.
struct NeighbourMonth {
    const MonthImage* image = nullptr;
    MonthNumbers when;
};

// One WmoDay per data day of `open`, in day order.
std::vector<WmoDay> ComputeWmoDays(const MonthImage& open, MonthNumbers when, NeighbourMonth previous,
                                   NeighbourMonth next, TimeBase base);

std::string WmoHeaderLine(TimeBase base);
std::string WmoDayLine(const WmoDay& day, TimeBase base);

// The `DonneesOMM` command: asks the time base, then the file name, reads the
// open month and its two neighbours from disk and writes one line per data day.
CommandResult ExportWmoDailyFlow(const MonthFile& month, Dialogs& dialogs);

} // namespace pluvelle
