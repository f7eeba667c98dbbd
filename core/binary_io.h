#pragma once
// Little-endian field access at fixed offsets. Records are decoded and encoded
// field by field so the layout never depends on the compiler's struct packing.
#include <cstddef>
#include <cstdint>

namespace pluvelle::le {

inline std::uint8_t U8(const std::uint8_t* p, std::size_t at) { return p[at]; }
inline std::uint16_t U16(const std::uint8_t* p, std::size_t at) {
    return static_cast<std::uint16_t>(p[at] | (p[at + 1] << 8));
}
inline std::int16_t I16(const std::uint8_t* p, std::size_t at) {
    return static_cast<std::int16_t>(U16(p, at));
}
inline std::int32_t I32(const std::uint8_t* p, std::size_t at) {
    const std::uint32_t v = static_cast<std::uint32_t>(p[at]) | (static_cast<std::uint32_t>(p[at + 1]) << 8) |
                            (static_cast<std::uint32_t>(p[at + 2]) << 16) |
                            (static_cast<std::uint32_t>(p[at + 3]) << 24);
    return static_cast<std::int32_t>(v);
}

inline void PutU8(std::uint8_t* p, std::size_t at, std::uint8_t v) { p[at] = v; }
inline void PutU16(std::uint8_t* p, std::size_t at, std::uint16_t v) {
    p[at] = static_cast<std::uint8_t>(v & 0xFF);
    p[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void PutI16(std::uint8_t* p, std::size_t at, std::int16_t v) { PutU16(p, at, static_cast<std::uint16_t>(v)); }
inline void PutI32(std::uint8_t* p, std::size_t at, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) p[at + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

} // namespace pluvelle::le
