// A blocking HTTP GET whose body goes to the caller piece by piece, for answers too large
// to hold in memory (a picture written into a file).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "runtime/platform/http_get.h"

namespace rt::platform {

// Takes the next piece of the body; false stops the transfer (it then ends SinkFailed).
using HttpSink = std::function<bool(std::string_view piece)>;

// GETs address (http or https, redirects only to those, caches asked to stand aside)
// within limits and returns when the transfer has ended. A body over limits.maxBytes ends
// TooLarge before the sink sees more than maxBytes.
HttpResult HttpDownload(const std::string& address, const HttpLimits& limits, const HttpSink& sink);

}  // namespace rt::platform
