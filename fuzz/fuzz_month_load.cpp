// Loading a month file: any bytes either load or give an IoError; what loads
// saves back into a file with the same structure (days, counts, record times).
#include "core/errors.h"
#include "core/month_load.h"
#include "core/month_save.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pluvelle;
    MonthImage image;
    try {
        image = ParseMonthImage(data, size, "2020-01.wlk");
    } catch (const IoError&) {
        return 0;
    }
    MonthSession s;
    BuildMonth(image, "/tmp/2020-01.wlk", s.month, s.table);
    std::string bytes;
    try {
        bytes = SerializeMonth(s.month, ConvertTable(s));
    } catch (const InvalidIntegerError&) {
        return 0;
    }
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const MonthImage again = ParseMonthImage(p, bytes.size(), "again");
    for (int d = 1; d <= 31; ++d) {
        if (again.dayCount[d] != image.dayCount[d]) std::abort();
        for (std::size_t u = 0; u < image.days[d].records.size(); ++u)
            if (again.days[d].records[u].packedTime != image.days[d].records[u].packedTime) std::abort();
    }
    return 0;
}
