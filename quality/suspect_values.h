#pragma once
// Values a station keeper should look at twice: outside the physically
// possible, a jump no weather makes between two records, a sensor frozen on
// one value, a high below its low, rain counted in hard frost. Computed from
// the table's texts, so it follows every edit.
#include "core/month_table.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pluvelle {

enum class SuspectRule { OutOfRange, Jump, Stuck, HighBelowLow, RainInFrost };

// Limits of one shown quantity. A rule whose number is 0 does not apply.
struct QuantityLimits {
    int column;
    double min, max;      // physically possible values
    double jump;          // largest plausible change...
    int jumpMinutes;      // ...within this many minutes (scaled up for longer gaps)
    int stuckMinutes;     // the same value this long is suspect...
    double stuckFrom;     // ...unless at or above this (a hygrometer saturated in fog)
};

// The one table of limits (also stated in the README).
const std::vector<QuantityLimits>& SuspectLimits();
// Pairs of columns where the first must not be below the second.
struct HighLowPair {
    int high, low;
};
const std::vector<HighLowPair>& HighLowPairs();
inline constexpr double kFrostRainCelsius = -5.0;  // a tipping bucket does not count rain below this

struct Suspect {
    int row;
    int column;
    SuspectRule rule;
};

class SuspectList {
public:
    SuspectList() = default;
    SuspectList(std::vector<Suspect> items, int rows);
    const std::vector<Suspect>& items() const { return items_; }
    bool isSuspect(int row, int column) const;
    // Index in items() of the first suspect after the cell (row, column) /
    // the last one before it, wrapping round, or -1 when there is none.
    // Without a column: after / before the whole row.
    int next(int row, int column = kColumnCount) const;
    int previous(int row, int column = -1) const;

private:
    std::vector<Suspect> items_;  // by row, then column
    std::vector<std::uint8_t> flags_;
};

SuspectList FindSuspects(const MonthTable& table);
// "T.ExtMax 12.0 sous T.ExtMin 14.5", in the station keeper's words.
std::string DescribeSuspect(const Suspect& s, const MonthTable& table);

} // namespace pluvelle
