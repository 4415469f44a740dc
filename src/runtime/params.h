// The process's command-line parameters, delivered one token at a time.
#pragma once

#include "runtime/text.h"

namespace rt {

// Keeps argv joined as the command line, quoting arguments that contain spaces.
void ParamInit(int argc, char** argv);
// Sets the command line as one text (the first token names the program).
void ParamSetCommandLine(TextView commandLine);
// The next parameter after the program's own name; "" when none is left.
Text ParamNext();

}  // namespace rt
