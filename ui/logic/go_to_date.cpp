#include "go_to_date.h"

#include <cstdlib>

namespace pluvelle {

namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}
    void skipSpaces() {
        while (at_ < text_.size() && text_[at_] == ' ') ++at_;
    }
    // One or two digits.
    std::optional<int> number() {
        int value = 0, digits = 0;
        while (at_ < text_.size() && digits < 2 && text_[at_] >= '0' && text_[at_] <= '9') {
            value = value * 10 + (text_[at_++] - '0');
            ++digits;
        }
        if (digits == 0) return std::nullopt;
        return value;
    }
    bool take(char c) {
        if (at_ >= text_.size() || text_[at_] != c) return false;
        ++at_;
        return true;
    }
    bool atEnd() const { return at_ == text_.size(); }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

} // namespace

std::optional<RowTime> ParseDayTime(std::string_view text, int daysInMonth) {
    Reader in(text);
    in.skipSpaces();
    const std::optional<int> day = in.number();
    in.skipSpaces();
    const std::optional<int> hour = in.number();
    const bool separated = in.take(':') || in.take('h') || in.take('H');
    const std::optional<int> minute = in.number();
    in.skipSpaces();
    if (!day || !hour || !separated || !minute || !in.atEnd()) return std::nullopt;
    if (*day < 1 || *day > daysInMonth || *hour > 24 || *minute > 59 || (*hour == 24 && *minute != 0))
        return std::nullopt;
    return RowTime{*day, *hour * 60 + *minute};
}

int NearestRow(const MonthTable& table, RowTime when) {
    const int target = when.monthMinute();
    int best = 0, bestMinute = 0;
    for (const TimedRow& r : TimedRows(table)) {
        const int minute = r.time.monthMinute();
        const int distance = std::abs(minute - target), bestDistance = std::abs(bestMinute - target);
        const bool laterOfATie = distance == bestDistance && bestMinute < target && minute > target;
        if (best == 0 || distance < bestDistance || laterOfATie) {
            best = r.row;
            bestMinute = minute;
        }
    }
    return best;
}

} // namespace pluvelle
