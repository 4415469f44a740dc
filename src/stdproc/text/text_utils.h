// Text utilities: delimited and quoted fields, tokens, command-line switches, number
// masks, keyed scrambling and small helpers.
#pragma once

#include "stdproc/text/delimited_field.h"
#include "stdproc/text/format_number.h"
#include "stdproc/text/program_parameters.h"
#include "stdproc/text/scrambling.h"
#include "stdproc/text/small_helpers.h"
#include "stdproc/text/string_field.h"
#include "stdproc/text/token_split.h"
