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

}  // namespace

void yTrace(rt::TextView module, rt::TextView group, rt::TextView routine, rt::TextView text) {
  // Silent by default; the variable lets a user see why a run did nothing.
  if (!TraceToStandardError()) return;
  std::string line = rt::ToUtf8(module);
  for (rt::TextView part : {group, routine}) {
    if (!part.empty()) line.append("/").append(rt::ToUtf8(part));
  }
  line.append(": ").append(rt::ToUtf8(text)).append("\n");
  std::fwrite(line.data(), 1, line.size(), stderr);
}

}  // namespace stdproc
