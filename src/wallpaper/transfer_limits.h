// How long and how much the job takes from its server: the content page and the picture
// together end well within three minutes of the start, whatever the server does.
#pragma once

#include "runtime/platform/http_get.h"

namespace pendrel {

rt::platform::HttpLimits PageLimits();
rt::platform::HttpLimits PictureLimits();

}  // namespace pendrel
