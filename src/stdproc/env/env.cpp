#include "stdproc/env/env.h"

#include "runtime/runtime.h"

namespace stdproc {

namespace {

rt::Text WithSeparator(const rt::Text& directory) {
  return !directory.empty() && directory.back() == u'/' ? directory : directory + u"/";
}

}  // namespace

rt::Text yGetExeDatei() { return rt::ExecutablePath(); }

// A separator is appended unconditionally, so the root gives "//" as a drive root
// gives two backslashes.
rt::Text yGetAktVerz() { return rt::CurrentDirectory() + u"/"; }

rt::Text yGetEnv(rt::TextView name) { return rt::EnvironmentValue(name).value_or(u""); }

rt::Text yGetTempVerz() {
  rt::Text dir = yGetEnv(u"TEMP");
  if (dir.empty()) dir = yGetEnv(u"TMP");
  if (dir.empty()) dir = yGetEnv(u"TMPDIR");
  dir = rt::TextTrim(dir);
  return dir.empty() ? dir : WithSeparator(dir);
}

rt::Text yGetAnwVerzBase() {
  rt::Text config = yGetEnv(u"XDG_CONFIG_HOME");
  return !config.empty() ? config : yGetEnv(u"HOME") + u"/.config";
}

rt::Text yGetUserId() {
  for (rt::TextView name : {u"USER", u"LOGNAME"}) {
    rt::Text value = yGetEnv(name);
    if (!value.empty()) return value;
  }
  return rt::PasswdLoginName();
}

}  // namespace stdproc
