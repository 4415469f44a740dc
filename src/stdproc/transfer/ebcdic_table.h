// The conversion table between the German host code page (EBCDIC) and the PC character
// set: 97 pairs of two-digit hexadecimal codes, the n-th code of one string belonging to
// the n-th of the other. EBCDIC 0x4F stands for the vertical bar here, where the host
// code page has the exclamation mark.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace stdproc::transfer {

inline constexpr std::string_view kEbcdicCodes =
    "C1C2C3C4C5C6C7C8C9D1D2D3D4D5D6D7D8D9E2E3E4E5E6E7E8E981828384858687888991"
    "9293949596979899A2A3A4A5A6A7A8A9F0F1F2F3F4F5F6F7F8F9404B4C4D4E4F505A5B5C"
    "5D5E60616B6C6D6E6F797A7BB57D7E7F63FCC0D0E0A15F6A4A";
inline constexpr std::string_view kPcCodes =
    "4142434445464748494A4B4C4D4E4F505152535455565758595A6162636465666768696A"
    "6B6C6D6E6F707172737475767778797A30313233343536373839202E3C282B7C26DC242A"
    "293B2D2F2C255F3E3F603A2340273D225B5DE4FCD6DF5EF6C4";

enum class EbcdicDirection { kToPc, kToEbcdic };

// For every source byte of the direction the byte it becomes: its partner in the table,
// or 0x20 when the table has none.
std::array<uint8_t, 256> EbcdicByteMap(EbcdicDirection direction);

}  // namespace stdproc::transfer
