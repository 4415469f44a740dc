// The runtime layer every routine of the program is written against.
#pragma once

#include "runtime/collections.h"
#include "runtime/date.h"
#include "runtime/files.h"
#include "runtime/filesystem.h"
#include "runtime/library.h"
#include "runtime/memory.h"
#include "runtime/messages.h"
#include "runtime/number.h"
#include "runtime/objects.h"
#include "runtime/params.h"
#include "runtime/prefs.h"
#include "runtime/process_info.h"
#include "runtime/random.h"
#include "runtime/text.h"
#include "runtime/timing.h"
#include "runtime/window.h"

namespace rt {

// Starts the runtime services (keeps the command line).
void RuntimeStart(int argc, char** argv);
// Shuts the services down: preferences, libraries, windows and gadgets, fonts, and every
// open file with its buffer written.
void RuntimeEnd();

}  // namespace rt
