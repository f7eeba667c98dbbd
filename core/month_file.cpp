#include "month_file.h"

namespace pluvelle {

int MonthFile::TotalArchiveRecords() const {
    int n = 0;
    for (int d = 1; d <= 31; ++d) n += ArchiveCount(d);
    return n;
}

void MonthFile::EnsureSlots(int day, int count) {
    auto& slots = records[day];
    if (static_cast<int>(slots.size()) < count) {
        ArchiveRecord zero{};
        zero.dataType = 0;
        slots.resize(static_cast<std::size_t>(count), zero);
    }
}

void RebuildDayIndex(MonthFile& month) {
    std::int32_t pos = 0;
    month.header.dayIndex[0] = DayIndexEntry{};
    for (int d = 1; d <= 31; ++d) {
        month.header.dayIndex[d].recordsInDay = month.dayCount[d];
        month.header.dayIndex[d].startPos = pos;
        pos += month.dayCount[d];
    }
    month.header.totalRecords = pos;
}

namespace {
// Characters are counted as the station's own software counts them, in bytes:
// month file names are plain ASCII "yyyy-mm.wlk".
std::string Slice(const std::string& s, std::size_t from, std::size_t count) {
    return from < s.size() ? s.substr(from, count) : std::string();
}
} // namespace

void SetCurrentPath(MonthFile& month, const std::string& path) {
    month.currentFilePath = path;
    const std::size_t tailStart = path.size() > 11 ? path.size() - 11 : 0;
    month.currentFileTail = path.substr(tailStart);
    month.currentFolder = path.substr(0, tailStart);
    month.currentYearText = Slice(month.currentFileTail, 0, 4);
    month.currentMonthText = Slice(month.currentFileTail, 5, 2);
}

std::string DayDateText(const MonthFile& month, int day) {
    std::string dd = std::to_string(day);
    if (dd.size() == 1) dd = "0" + dd;
    return dd + "/" + month.currentMonthText + "/" + month.currentYearText;
}

} // namespace pluvelle
