#pragma once
// Month files written into a temporary folder, and the lines of a CSV written
// by an export, for the exports' tests.
#include "core/month_file.h"
#include "support/month_fixture.h"

#include <string>
#include <vector>

namespace pluvelle::testing {

// Writes `days` as the month file `name` ("yyyy-mm.wlk") in `dir`; returns its path.
inline std::string WriteMonth(const TempDir& dir, const std::string& name, const std::vector<FixtureDay>& days) {
    const std::string path = dir.file(name);
    WriteFile(path, MonthBytes(days));
    return path;
}

// The path texts of a month opened at `path`; the exports take nothing else from it.
inline MonthFile OpenedAt(const std::string& path) {
    MonthFile month;
    SetCurrentPath(month, path);
    return month;
}

// The file's lines without their CR LF; a last line without CR LF is kept too.
inline std::vector<std::string> CsvLines(const std::string& path) {
    const std::string bytes = ReadFile(path);
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(at));
            break;
        }
        lines.push_back(bytes.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

inline std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t at = 0;
    while (true) {
        const std::size_t end = line.find(';', at);
        fields.push_back(line.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) return fields;
        at = end + 1;
    }
}

} // namespace pluvelle::testing
