// File helpers: open/read/write, line walking, copying, directories, wildcards, paths.
#pragma once

#include "stdproc/file/directories.h"
#include "stdproc/file/file_copy.h"
#include "stdproc/file/file_helpers.h"
#include "stdproc/file/path_parts.h"
#include "stdproc/file/wildcard.h"
