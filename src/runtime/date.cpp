#include "runtime/date.h"

#include <array>
#include <limits>

#include "runtime/platform/system.h"

namespace rt {

namespace {

constexpr int64_t kSecondsPerDay = 86400;

bool IsLeapYear(int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

struct Fields {
  int64_t year, month, day, hour, minute, second;
};

Fields CivilFromDate(int64_t date) {
  int64_t days = date / kSecondsPerDay, secs = date % kSecondsPerDay;
  days += 719468;
  const int64_t era = days / 146097;
  const int64_t doe = days - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t day = doy - (153 * mp + 2) / 5 + 1;
  const int64_t month = mp < 10 ? mp + 3 : mp - 9;
  return {yoe + era * 400 + (month <= 2), month, day, secs / 3600, secs / 60 % 60, secs % 60};
}

Text TwoDigits(int64_t value) {
  return Text{static_cast<char16_t>(u'0' + value / 10 % 10),
              static_cast<char16_t>(u'0' + value % 10)};
}

struct Token {
  std::u16string_view name;
  Text value;
};

// The first token that stands at text[i..], compared without regard to ASCII case.
const Token* TokenAt(TextView text, size_t i, const std::array<Token, 7>& tokens) {
  for (const Token& token : tokens) {
    if (text.size() - i < token.name.size()) continue;
    bool same = true;
    for (size_t k = 0; k < token.name.size() && same; ++k) {
      char16_t c = text[i + k];
      if (c >= u'A' && c <= u'Z') c += 32;
      same = c == token.name[k];
    }
    if (same) return &token;
  }
  return nullptr;
}

}  // namespace

int32_t DateMake(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                 int32_t second) {
  static constexpr std::array<int, 13> kDaysInMonth = {0,  31, 29, 31, 30, 31, 30,
                                                       31, 31, 30, 31, 30, 31};
  if (year < 1970 || year > 2038 || month < 1 || month > 12 || day < 1 ||
      day > kDaysInMonth[month] || (month == 2 && day == 29 && !IsLeapYear(year)) || hour < 0 ||
      hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    return InvalidDate;
  }
  int64_t date =
      DaysFromCivil(year, month, day) * kSecondsPerDay + hour * 3600 + minute * 60 + second;
  return date > std::numeric_limits<int32_t>::max() ? InvalidDate : static_cast<int32_t>(date);
}

int32_t DateNow() {
  platform::LocalTime now = platform::LocalNow();
  return DateMake(now.year, now.month, now.day, now.hour, now.minute, now.second);
}

Text DateFormat(TextView mask, int32_t date) {
  mask = Visible(mask);
  const bool valid = date >= 0;
  const Fields f = valid ? CivilFromDate(date) : Fields{0, 0, 0, 0, 0, 0};
  const std::array<Token, 7> tokens = {{
      {u"yyyy", TwoDigits(f.year / 100) + TwoDigits(f.year % 100)},
      {u"yy", TwoDigits(f.year % 100)},
      {u"mm", TwoDigits(f.month)},
      {u"dd", TwoDigits(f.day)},
      {u"hh", TwoDigits(f.hour)},
      {u"ii", TwoDigits(f.minute)},
      {u"ss", TwoDigits(f.second)},
  }};
  Text result;
  result.reserve(mask.size() + 8);
  for (size_t i = 0; i < mask.size();) {
    const Token* token = mask[i] == u'%' ? TokenAt(mask, i + 1, tokens) : nullptr;
    if (token == nullptr) {
      result.push_back(mask[i++]);
      continue;
    }
    result.append(token->value);
    i += 1 + token->name.size();
  }
  return result;
}

}  // namespace rt
