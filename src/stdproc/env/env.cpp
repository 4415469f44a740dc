#include "stdproc/env/env.h"

#include <span>

#include "runtime/platform/system.h"
#include "runtime/runtime.h"

namespace stdproc {

namespace {

using rt::platform::kPathSeparator;

rt::Text WithSeparator(const rt::Text& directory) {
  return !directory.empty() && directory.back() == kPathSeparator ? directory
                                                                  : directory + kPathSeparator;
}

// The first of the variables that holds a value; "" when none does.
rt::Text FirstSet(std::span<const char16_t* const> names) {
  for (const char16_t* name : names) {
    rt::Text value = yGetEnv(name);
    if (!value.empty()) return value;
  }
  return u"";
}

}  // namespace

rt::Text yGetExeDatei() { return rt::ExecutablePath(); }

// A separator is appended unconditionally, so a root gives two of them, as a drive root
// gives two backslashes.
rt::Text yGetAktVerz() { return rt::CurrentDirectory() + kPathSeparator; }

rt::Text yGetEnv(rt::TextView name) { return rt::EnvironmentValue(name).value_or(u""); }

rt::Text yGetTempVerz() {
  const rt::Text dir = rt::TextTrim(FirstSet(rt::platform::kTempDirectoryVariables));
  return dir.empty() ? dir : WithSeparator(dir);
}

rt::Text yGetAnwVerzBase() {
  const rt::Text appData = yGetEnv(rt::platform::kAppDataVariable);
  if (!appData.empty() || !rt::platform::kAppDataBelowHome) return appData;
  return yGetEnv(u"HOME") + kPathSeparator + rt::platform::kAppDataBelowHome;
}

rt::Text yGetUserId() {
  const rt::Text name = FirstSet(rt::platform::kUserNameVariables);
  return !name.empty() ? name : rt::PasswdLoginName();
}

}  // namespace stdproc
