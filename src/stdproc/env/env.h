// Where and as whom the program runs: executable, directories, environment, copies.
#pragma once

#include <cstdint>

#include "runtime/text.h"
#include "stdproc/env/standard_variables.h"

namespace stdproc {

// Full path of the running executable (case kept: Linux names are case-sensitive).
rt::Text yGetExeDatei();
// Current directory followed by the system's separator.
rt::Text yGetAktVerz();
// TEMP, else TMP (else TMPDIR on Linux), trimmed, with a separator appended; "" when none.
rt::Text yGetTempVerz();
// The variable's value, or "".
rt::Text yGetEnv(rt::TextView name);
// Application-data directory: APPDATA on Windows; XDG_CONFIG_HOME, else HOME + "/.config".
rt::Text yGetAnwVerzBase();
// Login name: USERNAME on Windows; USER, else LOGNAME, else the passwd entry of the real uid.
rt::Text yGetUserId();
// Running processes whose executable file name equals `name` (any case); mode 0 stops
// at the first.
int32_t yPgmInstanzen(rt::TextView name, int32_t mode);

}  // namespace stdproc
