#pragma once
// Reading a month file into memory: the header, and for each day with data
// its two summaries and archive records, located from the day counts alone.
#include "wlk_format.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace pluvelle {

// The month file could not be opened at all: the callers turn this into their
// own French warning.
class MonthOpenError : public std::runtime_error {
public:
    enum class Reason { NotFound, Unreadable };
    MonthOpenError(Reason reason, const std::string& what) : std::runtime_error(what), reason_(reason) {}
    Reason reason() const { return reason_; }

private:
    Reason reason_;
};

struct MonthDay {
    RecordBytes summary1{};
    RecordBytes summary2{};
    std::vector<ArchiveRecord> records;
};

struct MonthImage {
    WlkHeader header;
    std::array<std::int16_t, kDaysInIndex> dayCount{};
    std::array<MonthDay, kDaysInIndex> days;  // index 1..31
};

// Reads the whole file. Throws MonthOpenError when it cannot be opened, and
// IoError naming the file and the day when it is shorter than its index
// announces or a day count is impossible (1, negative, or above 1442).
MonthImage ReadMonthImage(const std::string& path);
// The same from bytes already in memory; `name` is used in messages.
MonthImage ParseMonthImage(const std::uint8_t* data, std::size_t size, const std::string& name);

// Whole file contents; throws MonthOpenError.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

} // namespace pluvelle
