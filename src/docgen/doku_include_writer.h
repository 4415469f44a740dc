// Writes the documentation include for a collected header.
#pragma once

#include <cstdint>

#include "docgen/doku_header.h"

namespace stdproc::doku {

// Writes the include's lines to the open file, each ended by CR LF.
void WriteInclude(int32_t file, const Header& header);

}  // namespace stdproc::doku
