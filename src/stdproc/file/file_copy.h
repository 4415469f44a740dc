// Copying one file's bytes into another, reported as a status text.
#pragma once

#include "runtime/text.h"

namespace stdproc {

// Copies the source's bytes exactly into the target: a mode containing "#ADD" appends
// them (a missing target is created), any other mode replaces the target's content.
// The bytes the source holds when the copy starts are copied, so a file copied onto
// itself stays as it is and one appended to itself is doubled.
// Returns "1/" on success, else "0/" and a message:
//   "Datei <source> nicht gefunden !"                  the source cannot be opened; the
//                                                      target is then left untouched
//   "Datei <target> nicht gefunden !"                  the target cannot be opened to append
//   "Datei <target> konnte nicht angelegt werden !"    the target cannot be created
//   "Datei <source> konnte nicht gelesen werden !"     the source gave fewer bytes than
//                                                      it claimed, over a target of the
//                                                      claimed length
//   "Datei <target> konnte nicht geschrieben werden !" not every byte reached the target
rt::Text yCopyFile(rt::TextView mode, rt::TextView source, rt::TextView target);

}  // namespace stdproc
