// The wallpaper change: one line of the content page names the picture to download and set.
#pragma once

#include "runtime/text.h"

namespace pendrel {

// Picks a random CR LF-terminated line of the page, downloads the server base address
// followed by that line into "hintergrund.jpg" in the current directory (replaced only by a
// picture) and, when that file is not empty, makes it the desktop wallpaper: after a failed
// download the earlier picture is set again. Failures leave the wallpaper as it was.
void SetWallpaperFromPage(rt::TextView pageText);

// The line SetWallpaperFromPage downloads: line RandomInt(count, 1) of the page's CR LF
// lines, verbatim; "" when the page has no CR LF. A last line without CR LF is never
// chosen.
rt::Text ChoosePicturePath(rt::TextView pageText);

}  // namespace pendrel
