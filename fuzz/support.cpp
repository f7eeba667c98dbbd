#include "support.h"

#include "core/errors.h"
#include "core/month_load.h"
#include "core/month_reader.h"
#include "core/wlk_format.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace pluvelle::fuzz {

std::optional<std::string> QuietDialogs::next() {
    if (names.empty()) return std::nullopt;
    std::string n = names.front();
    names.pop_front();
    return n;
}

std::string ScratchFolder() {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("pluvelle-fuzz-" + std::to_string(::getpid()));
    std::error_code ec;
    fs::remove_all(dir, ec);
    fs::create_directories(dir);
    return dir.string() + "/";
}

void WriteBytes(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    WriteBytes(path, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::size_t CountLines(const std::string& path) {
    const std::string text = ReadBytes(path);
    std::size_t lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    return lines;
}

std::vector<std::string_view> SplitParts(const std::uint8_t* data, std::size_t size, std::size_t maxParts) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    while (parts.size() + 1 < maxParts) {
        const std::size_t at = all.find(kPartSeparator, from);
        if (at == std::string_view::npos) break;
        parts.push_back(all.substr(from, at - from));
        from = at + kPartSeparator.size();
    }
    parts.push_back(all.substr(from));
    return parts;
}

Choices TakeChoices(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return {0, data, 0};
    return {data[0], data + 1, size - 1};
}

std::string SmallMonthBytes() {
    constexpr int kDays = 2, kPerDay = 144;
    WlkHeader header;
    std::string records;
    for (int d = 1; d <= kDays; ++d) {
        header.dayIndex[d] = {static_cast<std::int16_t>(kPerDay + 2), (d - 1) * (kPerDay + 2)};
        const RecordBytes s1 = EncodeDailySummary1(DailySummary1{});
        DailySummary2 second;
        second.dailySolarEnergy = 1500;
        const RecordBytes s2 = EncodeDailySummary2(second);
        records.append(reinterpret_cast<const char*>(s1.data()), s1.size());
        records.append(reinterpret_cast<const char*>(s2.data()), s2.size());
        for (int k = 1; k <= kPerDay; ++k) {
            ArchiveRecord r;
            r.archiveInterval = 10;
            r.packedTime = static_cast<std::int16_t>(k * 10);
            r.outsideTemp = r.hiOutsideTemp = r.lowOutsideTemp = static_cast<std::int16_t>(500 + k);
            r.insideTemp = 680;
            r.barometer = 29920;
            r.outsideHum = r.insideHum = 600;
            r.rain = static_cast<std::uint16_t>(0x2000 | (k % 7 == 0));
            r.windSpeed = 50;
            r.hiWindSpeed = static_cast<std::int16_t>(80 + k % 30);
            r.windDirection = r.hiWindDirection = static_cast<std::uint8_t>(k % 16);
            r.numWindSamples = 230;
            const bool day = k * 10 > 7 * 60 && k * 10 < 19 * 60;
            r.solarRad = r.hiSolarRad = static_cast<std::int16_t>(day ? 300 + (k % 5) * 100 : 0);
            const RecordBytes b = EncodeArchiveRecord(r);
            records.append(reinterpret_cast<const char*>(b.data()), b.size());
        }
    }
    header.totalRecords = kDays * (kPerDay + 2);
    const HeaderBytes h = EncodeHeader(header);
    return std::string(reinterpret_cast<const char*>(h.data()), h.size()) + records;
}

bool OpenMonth(MonthSession& s, std::string_view bytes, const std::string& path) {
    try {
        const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
        BuildMonth(ParseMonthImage(p, bytes.size(), path), path, s.month, s.table);
        s.monthLoaded = true;
        return true;
    } catch (const IoError&) {
        SetCurrentPath(s.month, path);
        return false;
    }
}

std::size_t DataDays(std::string_view bytes, const std::string& path) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const MonthImage image = ParseMonthImage(p, bytes.size(), path);
    std::size_t days = 0;
    for (int d = 1; d <= 31; ++d) days += image.dayCount[d] != 0;
    return days;
}

void Broken(const std::string& what) {
    std::fprintf(stderr, "property broken: %s\n", what.c_str());
    std::abort();
}

} // namespace pluvelle::fuzz
