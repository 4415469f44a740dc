// Turns the header comment block of a program's main source file into its documentation
// include "<program>_doku.pbi", from which the next build compiles zDoku.
#pragma once

#include "runtime/text.h"

namespace stdproc {

// Reads sourceFile and writes programName + "_doku.pbi" in the current directory. An empty
// (or all-blank) program name falls back to the source file name. Failures show an info box
// titled with the program name; a source that cannot be read leaves any include as it was.
void yGenerierenDokPbi(rt::TextView sourceFile, rt::TextView programName);

}  // namespace stdproc
