#pragma once
// Small month files built in code, and a temporary folder that cleans itself.
#include "core/month_file.h"
#include "core/wlk_format.h"

#include <filesystem>
#include <string>
#include <vector>

namespace pluvelle::testing {

// A plausible record ending at `packedTime`: 20.0 °C, 1013 hPa, 5-minute interval.
ArchiveRecord SampleRecord(int packedTime);

struct FixtureDay {
    int day = 1;
    std::vector<ArchiveRecord> records;
    RecordBytes summary1{};  // zero except dataType, unless set
    RecordBytes summary2{};
};

// A consistent month: day index, totals and summaries' data types filled in.
MonthFile MakeMonth(const std::vector<FixtureDay>& days);
std::string MonthBytes(const std::vector<FixtureDay>& days);

// Records every `interval` minutes from `first` to `last` included.
std::vector<ArchiveRecord> RecordsEvery(int interval, int first, int last);

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const;  // path of a file inside, as UTF-8

private:
    std::filesystem::path path_;
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

// Folder of the real month files shipped beside the project.
std::string RealDataFolder();

} // namespace pluvelle::testing
