#include "month_fixture.h"

#include "core/month_save.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace pluvelle::testing {

ArchiveRecord SampleRecord(int packedTime) {
    ArchiveRecord r;
    r.dataType = 1;
    r.archiveInterval = 5;
    r.packedTime = static_cast<std::int16_t>(packedTime);
    r.outsideTemp = 680;  // 20.0 °C
    r.hiOutsideTemp = 685;
    r.lowOutsideTemp = 676;
    r.insideTemp = 700;
    r.barometer = 29920;
    r.outsideHum = 650;
    r.insideHum = 450;
    r.rain = 0x2000;
    r.windSpeed = 50;
    r.hiWindSpeed = 120;
    r.windDirection = 4;
    r.hiWindDirection = 5;
    r.numWindSamples = 117;
    r.solarRad = 300;
    r.hiSolarRad = 350;
    r.uv = 20;
    r.hiUv = 25;
    r.forecast = 8;
    r.et = 2;
    SetOptionalSensorsMissing(r);
    return r;
}

std::vector<ArchiveRecord> RecordsEvery(int interval, int first, int last) {
    std::vector<ArchiveRecord> out;
    for (int t = first; t <= last; t += interval) {
        ArchiveRecord r = SampleRecord(t);
        r.archiveInterval = static_cast<std::uint8_t>(interval);
        out.push_back(r);
    }
    return out;
}

MonthFile MakeMonth(const std::vector<FixtureDay>& days) {
    MonthFile m;
    const char id[] = "WDAT5.3";
    std::copy(id, id + 7, m.header.idCode.begin());
    for (const FixtureDay& d : days) {
        m.dayCount[d.day] = static_cast<std::int16_t>(d.records.size() + 2);
        m.summary1[d.day] = d.summary1;
        m.summary2[d.day] = d.summary2;
        if (m.summary1[d.day][0] == 0) m.summary1[d.day][0] = 2;
        if (m.summary2[d.day][0] == 0) m.summary2[d.day][0] = 3;
        m.records[d.day] = d.records;
    }
    RebuildDayIndex(m);
    return m;
}

std::string MonthBytes(const std::vector<FixtureDay>& days) {
    const MonthFile m = MakeMonth(days);
    return SerializeMonth(m, m.records);
}

TempDir::TempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("pluvelle-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::file(const std::string& name) const { return (path_ / name).string(); }

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string RealDataFolder() { return PLUVELLE_REAL_DATA; }

} // namespace pluvelle::testing
