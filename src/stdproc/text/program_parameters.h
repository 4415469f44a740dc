// The program's command line as a table of "/name:value" switches.
#pragma once

#include "runtime/collections.h"
#include "runtime/text.h"

namespace stdproc {

// All command-line parameters, each followed by one space; an empty parameter ends the
// collection.
rt::Text s_ProgrammParameter();

// Appends one "name:value" entry per "/" of parameters (the command line when parameters
// is blank) to switches, trimmed; a switch without ":" gets the value "1". Text before the
// first "/" is ignored; existing entries are left alone.
void s_ProgrammParameterTab(rt::TextView parameters, rt::List<rt::Text>& switches);

}  // namespace stdproc
