#include "stdproc/transfer/ebcdic_table.h"

namespace stdproc::transfer {

namespace {

constexpr uint8_t kUnmapped = 0x20;

int HexDigit(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

uint8_t CodeAt(std::string_view codes, size_t pair) {
  return static_cast<uint8_t>(HexDigit(codes[2 * pair]) * 16 + HexDigit(codes[2 * pair + 1]));
}

}  // namespace

std::array<uint8_t, 256> EbcdicByteMap(EbcdicDirection direction) {
  static_assert(kEbcdicCodes.size() == kPcCodes.size() && kEbcdicCodes.size() % 2 == 0);
  // Entries start at 0 (no partner); no code of either side is 0 itself.
  std::array<int32_t, 256> table{};
  const bool toPc = direction == EbcdicDirection::kToPc;
  for (size_t pair = 0; pair < kEbcdicCodes.size() / 2; ++pair) {
    uint8_t ebcdic = CodeAt(kEbcdicCodes, pair);
    uint8_t pc = CodeAt(kPcCodes, pair);
    table[toPc ? ebcdic : pc] = toPc ? pc : ebcdic;
  }
  std::array<uint8_t, 256> map{};
  for (size_t code = 0; code < map.size(); ++code) {
    map[code] = table[code] > 0 ? static_cast<uint8_t>(table[code]) : kUnmapped;
  }
  return map;
}

}  // namespace stdproc::transfer
