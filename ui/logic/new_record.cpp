#include "new_record.h"

namespace pluvelle {

ArchiveRecord NewArchiveRecord(int packedTime, std::uint8_t archiveInterval) {
    ArchiveRecord r;
    r.dataType = 1;
    r.archiveInterval = archiveInterval;
    r.iconFlags = 0;
    r.moreFlags = 0;
    r.packedTime = static_cast<std::int16_t>(packedTime);
    r.outsideTemp = r.hiOutsideTemp = r.lowOutsideTemp = r.insideTemp = 320;
    r.barometer = r.outsideHum = r.insideHum = 0;
    r.rain = 0x2000;
    r.hiRainRate = r.windSpeed = r.hiWindSpeed = r.numWindSamples = 0;
    r.et = 0;
    r.windDirection = r.hiWindDirection = r.uv = r.hiUv = r.forecast = 255;
    r.solarRad = r.hiSolarRad = -32768;
    SetOptionalSensorsMissing(r);
    return r;
}

std::uint8_t IntervalAfter(int packedTime, int previousTime) {
    return static_cast<std::uint8_t>((packedTime - previousTime) & 0xFF);
}

} // namespace pluvelle
