#include "station_folder.h"

#include "core/month_load.h"

namespace pluvelle::testing {

namespace fs = std::filesystem;

StationFolder::StationFolder() : folder_(dir_.path() / "station") {
    fs::create_directory(folder_);
    // Others may write: some tests act as an unprivileged user.
    fs::permissions(folder_, fs::perms::all);
    const struct {
        const char* name;
        int lastDay;
    } months[] = {{"2016-03.wlk", 31}, {"2016-04.wlk", 30}, {"2016-05.wlk", 31}};
    for (const auto& m : months)
        WriteFile(path(m.name), MonthBytes({{1, RecordsEvery(10, 10, 1440)},
                                            {2, RecordsEvery(10, 10, 1440)},
                                            {m.lastDay, RecordsEvery(10, 10, 1440)}}));
    session_ = ReadMonthSession(path("2016-04.wlk"));
}

std::string WithPaths(const StationFolder& station, std::string text) {
    for (std::size_t open = text.find('{'); open != std::string::npos; open = text.find('{', open)) {
        const std::size_t close = text.find('}', open);
        const std::string full = station.path(text.substr(open + 1, close - open - 1));
        text.replace(open, close - open + 1, full);
        open += full.size();
    }
    return text;
}

int LineCount(const std::string& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return -1;
    const std::string text = ReadFile(path);
    int lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    return lines;
}

} // namespace pluvelle::testing
