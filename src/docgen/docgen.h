// The documentation include generator and the info box it reports through.
#pragma once

#include "docgen/doku_generator.h"
#include "docgen/info_box.h"
