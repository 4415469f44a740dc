// Moving files to and from an FTP server, converting host EBCDIC record files, and removing
// entries from private-profile (ini) files.
#pragma once

#include <cstdint>

#include "runtime/collections.h"
#include "runtime/text.h"

namespace stdproc {

// The character between return code and message text in the receive routines' results.
inline constexpr char16_t kResultSeparator = u'\u00FF';

// Each FTP routine opens its own connection (port 21, active mode) with the given
// credentials and closes it before returning. A non-empty `directory` is changed to first;
// when that fails the routine ends with code 0 and shows nothing. Remote names reach the
// server exactly as written, quotes included. A failed receive leaves an earlier local
// file as it was.

// Fetches remoteFile into localFile, as text when transferMode is 1, else binary.
// Result: "1" or "0", the separator, and the message shown ("" when showMessages is 0).
rt::Text yReceiveFile(rt::TextView server, rt::TextView user, rt::TextView password,
                      rt::TextView localFile, rt::TextView remoteFile, rt::TextView directory,
                      int32_t showMessages, int32_t transferMode);

// Sends localFile as remoteFile in text mode, always showing its messages; 1 on success.
// A missing, empty or directory localFile is refused before any connection is made.
int32_t ySendFile(rt::TextView server, rt::TextView user, rt::TextView password,
                  rt::TextView localFile, rt::TextView remoteFile, rt::TextView directory);

// Fetches every remote name into the local name at the same place of the other list, as
// text, showing progress in a "Bitte warten" window when a display is there. A failed file
// does not stop the others. Result: the last transfer's code ("1" when nothing was
// transferred), the separator, and the status lines (one per file, each ending in CR LF)
// when showMessages is not 0.
rt::Text yReceiveFileLL(rt::TextView server, rt::TextView user, rt::TextView password,
                        rt::List<rt::Text>& localFiles, rt::List<rt::Text>& remoteFiles,
                        rt::TextView directory, int32_t showMessages);

// Converts fixed-length EBCDIC records (German code page) of inputFile into PC text lines
// ending in CR LF, or with mode "*" PC text lines into records of exactly recordLength
// bytes padded with EBCDIC blanks. Codes without a table entry become 0x20. An earlier
// outputFile is deleted first; the result is non-zero when one was deleted. A missing
// inputFile leaves everything as it was and gives 0; a recordLength of 0 or less leaves an
// empty outputFile.
int32_t KonvertEBCDICnachASCII(rt::TextView mode, rt::TextView inputFile, rt::TextView outputFile,
                               int32_t recordLength);

// Remove the first key of that name from the first section of that name that holds it,
// or the first section of that name with all its lines. Names are compared without
// regard to case; every other byte of the file stays as it was. A missing file is not
// created, and nothing is ever reported: the result is always 0.
int32_t yDeleteIniKey(rt::TextView section, rt::TextView key, rt::TextView iniFile);
int32_t yDeleteIniSection(rt::TextView section, rt::TextView iniFile);

}  // namespace stdproc
