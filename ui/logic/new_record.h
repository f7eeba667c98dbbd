#pragma once
// The archive record of a row the user adds by hand: its time, and no data in
// any sensor field until the row's values are typed and the month is saved.
#include "core/wlk_format.h"

#include <cstdint>

namespace pluvelle {

ArchiveRecord NewArchiveRecord(int packedTime, std::uint8_t archiveInterval);

// The interval a record ending at `packedTime` covers after the record ending
// at `previousTime` (low 8 bits, as the field holds it).
std::uint8_t IntervalAfter(int packedTime, int previousTime);

} // namespace pluvelle
