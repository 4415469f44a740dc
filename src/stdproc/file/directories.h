// Creating whole directory paths, and listings of files or directories (optionally of
// the whole tree) filtered by yMatchWildcard.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/collections.h"
#include "runtime/text.h"

namespace stdproc {

// Creates every missing level of the path (spaces around it are ignored). Absolute paths
// start at "/", relative ones at the current directory; levels are split at "/". A level
// that cannot be created is passed over; the deeper ones are still tried.
void yCreateDirectoryAll(rt::TextView path);

// Appends the full paths of the matching files (pattern "" = all) after position count
// of files, 1-based, and returns the new count; element 0 is never written. recurse 1
// walks the whole tree, depth first; any other value lists this directory only. The
// array grows when it is too small. A directory that cannot be read adds nothing.
int32_t yReadDir(rt::TextView path, rt::TextView pattern, int32_t recurse,
                 std::vector<rt::Text>& files, int32_t count);

// Modes of yReadDirList.
inline constexpr int32_t ReadDirFilesTree = 1;         // files of the whole tree
inline constexpr int32_t ReadDirDirectoriesTree = -1;  // directories of the whole tree
inline constexpr int32_t ReadDirDirectoriesHere = -2;  // directories of this level
// Progress values of yReadDirList (0 and above name a status bar).
inline constexpr int32_t ReadDirNoProgress = -1;
inline constexpr int32_t ReadDirConsoleProgress = -2;

// Adds the full paths of the matching entries to the list (any other mode: the files of
// this directory) and returns the new count. count 0 clears the list first; a negative
// count also resets the examined-entries counter; a positive count keeps the list and
// appends. progress -2 writes a console line at every multiple of 1000 entries found;
// 0 or above shows the examined-entries counter in field 0 of that status bar.
int32_t yReadDirList(rt::TextView path, rt::TextView pattern, int32_t mode,
                     rt::List<rt::Text>& entries, int32_t count, int32_t progress);

}  // namespace stdproc
