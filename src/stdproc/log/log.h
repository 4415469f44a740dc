// The one-line log writer.
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace stdproc {

// Writes text as one line (UTF-8, CR LF) to fileName, creating missing directories.
// Mode markers, in any case: "#ADD" appends (else the file is replaced), "#TS" puts the
// time of writing ("yyyy-mm-dd-hh.ii.ss" and a space) in front. A backslash followed by
// an apostrophe is written as a double quote. 1 when the whole line reached the file,
// else 0; a file that cannot be opened is reported in a message box when showMessage is
// not 0. While the line is written, other processes may read the file but not write it.
int32_t yLogFileWrite(rt::TextView mode, rt::TextView fileName, rt::TextView text,
                      int32_t showMessage);

}  // namespace stdproc
