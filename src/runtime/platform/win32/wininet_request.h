// One HTTP GET through WinINet, blocking the thread that runs it: the rules every transfer
// of ours keeps (schemes, redirects, caches, codings, sizes, slow and silent servers).
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "runtime/platform/http_get.h"

namespace rt::platform::win32 {

// Takes the next piece of the body; false stops the transfer (it then ends SinkFailed).
using PieceSink = std::function<bool(std::string_view piece)>;

// GETs address and hands the body to deliver piece by piece, never more than
// limits.maxBytes in all. Stops by itself when the connection, the sending or the
// receiving outlasts its bound, when the body comes in slower than the low-speed bound,
// or when `deadline` has passed. The result's bytes are those delivered.
HttpResult WinInetGet(const std::string& address, const HttpLimits& limits,
                      std::chrono::steady_clock::time_point deadline, const PieceSink& deliver);

}  // namespace rt::platform::win32
