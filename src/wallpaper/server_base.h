// The program's web server: an absolute address ending in "/", fixed when Pendrel is built.
#pragma once

#include "runtime/text.h"

namespace pendrel {

rt::Text ServerBase();

}  // namespace pendrel
