// The standard variables and tables that the start-up block fills and every routine reads.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/text.h"

namespace stdproc {

extern rt::Text uExeDatei;    // executable path (not lower-cased on Linux)
extern rt::Text uExePgm;      // its file name
extern rt::Text uExeVerz;     // its directory with separator; the current one in a development run
extern rt::Text uAktVerz;     // current directory with separator
extern rt::Text uTempVerz;    // temporary directory with separator, or ""
extern rt::Text uAnwVerz;     // application-data directory with separator
extern rt::Text uUserId;      // the login name
extern rt::Text uSystemRoot;  // system directory with separator
extern int32_t uPgmInstanz;   // running copies of this program, this one included
extern int32_t uPgmTest;      // 1 in a development run
extern rt::Text uVersion;     // "V 1.00"
extern rt::Text uUserName;    // display name from "user.txt", else uUserId

extern std::vector<rt::Text> uWochentag;  // 0 = Sonntag .. 6 = Samstag
extern std::vector<rt::Text> uMonat;      // 1 = Januar .. 12 = Dezember; 0 unused
extern rt::Text uTxtLoeschen;
extern rt::Text uTxtHinzufuegen;
extern rt::Text uTxtAendern;
extern rt::Text uTxtZurueck;

// Fills the tables and captions.
void FillStandardTables();

}  // namespace stdproc
