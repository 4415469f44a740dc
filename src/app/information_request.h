// What a user can ask the program on its command line instead of a run: how to use it, and
// which version it is.
#pragma once

#include <optional>

#include "runtime/text.h"

namespace pendrel {

// The text to show when an argument is --help, /? or --version (the first of them counts);
// nullopt when the job is to run. Every other argument is ignored. Reads the parameters, so
// it is asked once, before the start-up block.
std::optional<rt::Text> InformationRequested();

// Shows the text where the user who asked can read it (standard output, or a message box
// on systems where a program started without a console has none).
void ShowInformation(rt::TextView text);

}  // namespace pendrel
