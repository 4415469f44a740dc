// File-system queries, path cutting and numbered directory listings.
#pragma once

#include <cstdint>

#include "runtime/objects.h"
#include "runtime/text.h"

namespace rt {

// Whether c separates path levels. Both spellings count, so Windows paths in texts keep
// working wherever a separator is looked for.
bool IsPathSeparator(char16_t c);
// Size in bytes; -1 when nothing is there (also for ""); -2 for a directory.
// Trailing separators are ignored.
int64_t PathSize(TextView path);
// After the last "\" or "/"; a leading double quote is skipped, the part ends at the next.
Text PathFilePart(TextView path);
// Up to and including the last "\" or "/" before the first "|"; "" when there is none.
Text PathDirPart(TextView path);
// Deletes a file; non-zero on success.
int32_t PathDelete(TextView path);
// Creates one directory level (trailing spaces and separators removed); non-zero on success.
int32_t DirCreate(TextView path);

inline constexpr int32_t EntryFile = 1;
inline constexpr int32_t EntryDirectory = 2;

// Starts a listing of the entries matching pattern ("" = all); 0 when unreadable.
int32_t DirExamine(int32_t number, TextView directory, TextView pattern);
// Advances to the next entry ("." and ".." included); 0 at the end.
int32_t DirNextEntry(int32_t number);
Text DirEntryName(int32_t number);
int32_t DirEntryType(int32_t number);
void DirFinish(int32_t number);

}  // namespace rt
