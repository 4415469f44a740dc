// The hidden content window with its web view, and the page-load loop that waits in it for
// the content page.
#pragma once

#include <cstdint>
#include <functional>

#include "runtime/text.h"

namespace pendrel {

// The content window and its web view; 0 while none is open.
extern int32_t ContentWindow;
extern int32_t ContentWebView;

// Opens the invisible content window (inner size width x height) and the web view in it,
// storing their numbers in ContentWindow and ContentWebView. Returns 0.
int32_t OpenContentWindow(int32_t x, int32_t y, int32_t width, int32_t height);

// The job: loads "inhalt.php" from the server, hands its text to SetWallpaperFromPage,
// closes the window. Returns 0 on every path.
int32_t RunContentWindow();

// Polls one event per pass with a 10 ms pause until webView reports its second download
// end (then onPage gets its item 1, the page's source text) or a close request arrives
// (then onPage is not called).
void RunPageLoadLoop(int32_t webView, const std::function<void(const rt::Text&)>& onPage);

}  // namespace pendrel
