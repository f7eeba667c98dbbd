#include "legal_time.h"

namespace pluvelle {

namespace {
constexpr int MonthKey[12] = {1, 4, 4, 0, 2, 5, 0, 3, 6, 1, 4, 6};

// 0 = Sunday. Valid for 2000..2099 (every fourth year a leap year); only
// March and October dates reach it, so the leap day never enters.
int Weekday(int d, int m, int y) {
    const int yy = y - 2000;
    return ((yy + yy / 4 + d + MonthKey[m - 1] + 5) % 7 + 7) % 7;
}
} // namespace

bool IsWinterTime(unsigned day, unsigned month, unsigned year) {
    const int d = static_cast<int>(day), m = static_cast<int>(month), y = static_cast<int>(year);
    if (m < 1 || m > 12) return true;
    bool winter = m <= 3 || m >= 11;
    if (m == 3 && d - 25 >= Weekday(d, m, y)) winter = false;
    if (m == 10 && d - 25 >= Weekday(d, m, y)) winter = true;
    return winter;
}

int LegalTimeOffset(unsigned day, unsigned month, unsigned year) { return IsWinterTime(day, month, year) ? 1 : 2; }

TimeBase AskTimeBase(Dialogs& dialogs) {
    return dialogs.askTimeBaseQuestion("Type d'heure des données") == Answer::No ? TimeBase::Utc : TimeBase::Legal;
}

} // namespace pluvelle
