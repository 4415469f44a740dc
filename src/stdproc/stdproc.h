// The family's standard routines: environment, tracing, logging, text, files,
// transfer and window helpers.
#pragma once

#include "stdproc/env/env.h"
#include "stdproc/file/file_utils.h"
#include "stdproc/log/log.h"
#include "stdproc/text/text_utils.h"
#include "stdproc/trace/trace.h"
#include "stdproc/transfer/transfer.h"
#include "stdproc/ui/ui.h"
