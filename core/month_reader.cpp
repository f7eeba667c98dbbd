#include "month_reader.h"

#include "errors.h"
#include "paths.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace pluvelle {

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    const auto p = PathFromUtf8(path);
    std::error_code ec;
    if (!std::filesystem::exists(p, ec)) throw MonthOpenError(MonthOpenError::Reason::NotFound, path);
    // A folder, a pipe or a device is no month file; opening a pipe would
    // wait for a writer for ever.
    if (!std::filesystem::is_regular_file(p, ec)) throw MonthOpenError(MonthOpenError::Reason::Unreadable, path);
    std::ifstream in(p, std::ios::binary);
    if (!in) throw MonthOpenError(MonthOpenError::Reason::Unreadable, path);
    std::vector<std::uint8_t> bytes;
    const auto size = std::filesystem::file_size(p, ec);
    if (!ec) bytes.reserve(static_cast<std::size_t>(size));
    char buf[1 << 16];
    while (in) {
        in.read(buf, sizeof buf);
        bytes.insert(bytes.end(), buf, buf + in.gcount());
    }
    if (in.bad()) throw IoError("Erreur de lecture du fichier " + path);
    return bytes;
}

namespace {

[[noreturn]] void Truncated(const std::string& name, int day) {
    throw IoError("Fin de fichier inattendue dans " + name + " : le jour " + std::to_string(day) +
                  " annonce plus d'enregistrements que le fichier n'en contient.");
}

} // namespace

MonthImage ParseMonthImage(const std::uint8_t* data, std::size_t size, const std::string& name) {
    MonthImage image;
    if (size < kHeaderSize)
        throw IoError("Fin de fichier inattendue dans " + name + " : l'en-tête est incomplet.");
    image.header = DecodeHeader(data);
    std::size_t at = kHeaderSize;
    for (int d = 1; d <= 31; ++d) {
        const int count = image.header.dayIndex[d].recordsInDay;
        image.dayCount[d] = static_cast<std::int16_t>(count);
        if (count == 0) continue;
        if (count < 2 || count > kMaxRecordsInDay)
            throw IoError("Fichier " + name + " : le jour " + std::to_string(d) + " annonce " + std::to_string(count) +
                          " enregistrements, ce qui est impossible (0, ou de 2 à " +
                          std::to_string(kMaxRecordsInDay) + ").");
        if (size - at < static_cast<std::size_t>(count) * kRecordSize) Truncated(name, d);
        MonthDay& day = image.days[d];
        std::memcpy(day.summary1.data(), data + at, kRecordSize);
        std::memcpy(day.summary2.data(), data + at + kRecordSize, kRecordSize);
        at += 2 * kRecordSize;
        day.records.reserve(static_cast<std::size_t>(count - 2));
        for (int u = 0; u < count - 2; ++u, at += kRecordSize) day.records.push_back(DecodeArchiveRecord(data + at));
    }
    return image;
}

MonthImage ReadMonthImage(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    return ParseMonthImage(bytes.data(), bytes.size(), path);
}

} // namespace pluvelle
