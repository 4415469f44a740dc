// Cutting a path into drive, directory, file name, base name and extension, on the text
// alone. Both "\" and "/" separate, so Windows paths and POSIX paths cut alike; a part
// that is not there comes back as "".
#pragma once

#include "runtime/text.h"

namespace stdproc {

// Up to and including the first ":" ("C:"); "" when no ":" comes before the first
// separator, so a colon inside a directory or file name is never taken for a drive.
rt::Text yDrivePart(rt::TextView path);
// From the first to the last separator, both included ("\Daten\Bilder\"); "" when the
// path holds fewer than two separators.
rt::Text yDirectoryPart(rt::TextView path);
// The text after the last separator when it contains a "."; otherwise "".
rt::Text yFileNamePart(rt::TextView path);
// What follows the last "." of the file name; "" when the file name has no ".".
rt::Text yExtensionPart(rt::TextView path);
// The file name before its last "."; "" when the file name has no ".".
rt::Text yBaseNamePart(rt::TextView path);
// The file name without its extension. A path with no "." gives "". A path whose only
// "." lies in a directory name gives the whole file name; with more dots, none of them
// in the file name, the result is "" (a directory name is never cut).
rt::Text yFileBaseName(rt::TextView path);

}  // namespace stdproc
