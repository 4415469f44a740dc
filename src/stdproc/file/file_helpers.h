// Opening files by name, reading a whole text file, and walking the lines of a text held
// in memory. The opening routines hand their file number to the caller, who closes it
// with rt::FileClose; 0 means the file could not be opened.
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace stdproc {

// An existing file, for reading only.
int32_t yReadFile(rt::TextView name);
// An existing file, or a new one when missing, for reading and writing at position 0;
// the content is kept.
int32_t yOpenFile(rt::TextView name);
// A new file, or an existing one emptied, for reading and writing.
int32_t yCreateFile(rt::TextView name);

// The file's lines joined into one text, in the format its byte-order mark names (none:
// the ANSI rule). A mode containing "#WNL" puts CR LF after every line. "" when the file
// cannot be opened.
rt::Text yReadTextFile(rt::TextView name, rt::TextView mode);

// Hands out the lines of a text, one per call, for a loop that stops at "":
//   mode 0 starts the text and returns " ";
//   mode -1 moves to the next line and returns it; any other mode returns the current
//   line again.
// A line is a part of the text cut at CR LF. Empty lines before the last come back as
// " " so they do not end the loop; after the last line the result is "". There is one
// walk for the whole process. The text is cut once when it is started; later calls
// passing a text equal to it take their line from that cut after a memory compare. A
// different text passed without mode 0 (also the same string changed in place) is cut
// anew for that call only.
rt::Text yReadLine(const rt::Text& text, int32_t mode);

// The number of parts of text cut at separator, as yReadLine counts lines: a separator at
// the end (trailing blanks aside) closes the last part instead of starting an empty one.
// "" counts as one part; a, CR LF, b counts two with or without a final CR LF.
int32_t yTokenCount(rt::TextView text, rt::TextView separator);

}  // namespace stdproc
