#include "runtime/number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace rt {

namespace {

bool IsDigitIn(char16_t c, int base, unsigned& value) {
  if (c >= u'0' && c <= u'9') {
    value = c - u'0';
  } else if (c >= u'a' && c <= u'f') {
    value = c - u'a' + 10;
  } else if (c >= u'A' && c <= u'F') {
    value = c - u'A' + 10;
  } else {
    return false;
  }
  return value < static_cast<unsigned>(base);
}

bool EqualsIgnoringAsciiCase(TextView text, std::string_view word) {
  if (text.size() != word.size()) return false;
  for (size_t i = 0; i < word.size(); ++i) {
    char16_t c = text[i] >= u'A' && text[i] <= u'Z' ? text[i] + 32 : text[i];
    if (c != static_cast<char16_t>(word[i])) return false;
  }
  return true;
}

Text UnsignedDigits(uint64_t value, unsigned base) {
  if (value == 0) return u"0";
  Text digits;
  for (; value != 0; value /= base)
    digits.insert(digits.begin(), u"0123456789ABCDEF"[value % base]);
  return digits;
}

// Reads a plain decimal number ("-12.5e3"). Beyond the float range the result keeps its
// sign: too large gives infinity, too small the nearest float or a signed 0, as the C
// library's conversion does (from_chars itself leaves such values unread).
float FloatFromChars(const std::string& number) {
  const char* end = number.data() + number.size();
  float value = 0;
  if (std::from_chars(number.data(), end, value).ec != std::errc::result_out_of_range) {
    return value;
  }
  const bool negative = !number.empty() && number[0] == '-';
  double wide = 0;
  if (std::from_chars(number.data(), end, wide).ec != std::errc::result_out_of_range) {
    if (std::fabs(wide) > std::numeric_limits<float>::max()) {
      return negative ? -std::numeric_limits<float>::infinity()
                      : std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(wide);  // a float subnormal or a signed 0
  }
  // Beyond even a double's range: the exponent's sign says which end.
  const bool tiny = number.find("e-") != std::string::npos;
  const float magnitude = tiny ? 0.0f : std::numeric_limits<float>::infinity();
  return negative ? -magnitude : magnitude;
}

}  // namespace

int64_t TextToInt(TextView text) {
  text = Visible(text);
  size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  int base = 10;
  if (i < text.size() && text[i] == u'$') {
    base = 16, ++i;
  } else if (i < text.size() && text[i] == u'%') {
    base = 2, ++i;
  }
  uint64_t value = 0;  // unsigned, so overflow wraps modulo 2^64 as intended
  unsigned digit;
  for (; i < text.size() && IsDigitIn(text[i], base, digit); ++i) value = value * base + digit;
  return static_cast<int64_t>(negative ? 0 - value : value);
}

float TextToFloat(TextView text) {
  text = Visible(text);
  if (EqualsIgnoringAsciiCase(text, "+infinity")) return std::numeric_limits<float>::infinity();
  if (EqualsIgnoringAsciiCase(text, "-infinity")) return -std::numeric_limits<float>::infinity();
  if (EqualsIgnoringAsciiCase(text, "nan")) return std::numeric_limits<float>::quiet_NaN();
  size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  // Collect the leading number's characters; from_chars then reads it without locale.
  std::string number;
  auto take = [&](auto accept) {
    while (i < text.size() && accept(text[i])) number.push_back(static_cast<char>(text[i++]));
  };
  auto digit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    if (text[i] == u'-') number.push_back('-');
    ++i;
  }
  take(digit);
  if (i < text.size() && text[i] == u'.') {
    number.push_back('.');
    ++i;
    take(digit);
  }
  if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
    size_t mark = i, kept = number.size();
    number.push_back('e');
    ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
      number.push_back(static_cast<char>(text[i++]));
    size_t before = number.size();
    take(digit);
    if (number.size() == before) {  // "1e" is the number 1 followed by a letter
      number.resize(kept);
      i = mark;
    }
  }
  return FloatFromChars(number);
}

Text IntToText(int64_t value) {
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  Text digits = UnsignedDigits(magnitude, 10);
  return value < 0 ? u"-" + digits : digits;
}

Text IntToHex(int64_t value) { return UnsignedDigits(static_cast<uint64_t>(value), 16); }

Text IntToBin(int64_t value) { return UnsignedDigits(static_cast<uint64_t>(value), 2); }

int64_t FloatToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 9.2233720368547758e18) return std::numeric_limits<int64_t>::max();
  if (value <= -9.2233720368547758e18) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(value);
}

}  // namespace rt
