#include "stdproc/trace/trace.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace stdproc {

int32_t s_PgmCheck(rt::TextView, rt::TextView, int32_t, rt::TextView) { return 0; }

namespace {

bool TraceToStandardError() {
  static const bool enabled = [] {
    const char* value = std::getenv("PENDREL_TRACE");
    return value != nullptr && std::strcmp(value, "1") == 0;
  }();
  return enabled;
}

// C0 and C1 controls and DEL: what a terminal would act upon instead of showing.
bool IsControl(char16_t unit) { return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F); }

// Trace lines carry text from the web server and from files. Control characters in it
// would colour the terminal, move its cursor or hide the start of the line behind a CR,
// so they are written as escapes: \t \n \r, else \x and two hex digits.
std::string Printable(rt::TextView text) {
  static constexpr char kHex[] = "0123456789abcdef";
  rt::Text shown;
  for (char16_t unit : rt::Visible(text)) {
    if (!IsControl(unit)) {
      shown += unit;
    } else if (unit == u'\t') {
      shown += u"\\t";
    } else if (unit == u'\n') {
      shown += u"\\n";
    } else if (unit == u'\r') {
      shown += u"\\r";
    } else {
      shown += {u'\\', u'x', static_cast<char16_t>(kHex[unit >> 4]),
                static_cast<char16_t>(kHex[unit & 0xF])};
    }
  }
  return rt::ToUtf8(shown);
}

}  // namespace

void yTrace(rt::TextView module, rt::TextView group, rt::TextView routine, rt::TextView text) {
  // Silent by default; the variable lets a user see why a run did nothing.
  if (!TraceToStandardError()) return;
  std::string line = Printable(module);
  for (rt::TextView part : {group, routine}) {
    if (!rt::Visible(part).empty()) line.append("/").append(Printable(part));
  }
  line.append(": ").append(Printable(text)).append("\n");
  std::fwrite(line.data(), 1, line.size(), stderr);
}

}  // namespace stdproc
