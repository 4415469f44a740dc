// Synchronous download of a picture into a file that is replaced only by a picture.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "runtime/platform/http_get.h"
#include "runtime/text.h"
#include "wallpaper/picture_arrival.h"
#include "wallpaper/picture_format.h"
#include "wallpaper/transfer_limits.h"

namespace pendrel {

struct DownloadOutcome {
  bool saved = false;     // file now holds the new picture
  int32_t status = 0;     // the HTTP status; 0 when no answer came
  int64_t bytes = 0;      // bytes received
  PictureHeader picture;  // what the answer is, when it is a picture
  std::string error;      // why the file was left as it was
};

// GETs address into a temporary file beside `file` and renames it over `file` only when a
// complete 2xx answer brought a picture desktops can show (recognised from its content).
// Every failure leaves `file` as it was and no temporary file behind, also when the process
// is told to end meanwhile; temporaries left by killed runs are removed first. Characters
// that are not valid in an address are sent percent-encoded. `arrival`, when given, is told
// of every step, so that others can read the picture while it comes.
DownloadOutcome DownloadPicture(rt::TextView address, const std::filesystem::path& file,
                                const rt::platform::HttpLimits& limits = PictureLimits(),
                                PictureArrival* arrival = nullptr);

}  // namespace pendrel
