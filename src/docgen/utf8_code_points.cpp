#include "docgen/utf8_code_points.h"

namespace stdproc::doku {

namespace {

struct Form {
  unsigned char lead_mask;  // bits of the lead byte that carry the value
  char32_t minimum;         // below this the sequence is overlong
};

// Sequence length by lead byte; 0 for a byte that cannot start one.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

}  // namespace

bool DecodeUtf8(std::string_view bytes, std::u32string& out) {
  static constexpr Form kForms[] = {{0x7F, 0}, {0x1F, 0x80}, {0x0F, 0x800}, {0x07, 0x10000}};
  for (size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const int length = SequenceLength(lead);
    if (length == 0 || i + length > bytes.size()) return false;
    const Form& form = kForms[length - 1];
    char32_t value = lead & form.lead_mask;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      value = (value << 6) | (next & 0x3F);
    }
    if (value < form.minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
      return false;
    }
    out.push_back(value);
    i += length;
  }
  return true;
}

}  // namespace stdproc::doku
