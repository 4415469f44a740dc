// The temporary files a picture download writes before it renames one over the picture.
#pragma once

#include <cstdio>
#include <filesystem>

namespace pendrel {

// A new file `file` + ".XXXXXXXX.part" beside `file` (so the rename stays on one file
// system), open for writing; its name is unique, so runs at once never share one. nullptr
// when none can be made.
std::FILE* CreateTemporaryBeside(const std::filesystem::path& file, std::filesystem::path& made);

// Removes the temporaries of `file` that are older than any run can last: runs that were
// killed outright left them. Returns how many went.
int RemoveStaleTemporaries(const std::filesystem::path& file);

}  // namespace pendrel
