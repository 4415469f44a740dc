// Synchronous download of a picture into a file that is replaced only by a complete one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "runtime/text.h"

namespace pendrel {

// Bounds that keep a silent server or an endless answer from holding the run forever.
struct DownloadLimits {
  int32_t connectTimeoutMs = 20000;
  int32_t stallSeconds = 30;  // aborted when under 1 byte per second for this long
  int32_t totalSeconds = 300;
  int64_t maxBytes = int64_t{64} << 20;
};

struct DownloadOutcome {
  bool saved = false;  // file now holds the new picture
  int32_t status = 0;  // the HTTP status; 0 when no answer came
  int64_t bytes = 0;   // bytes received
  std::string error;   // why the file was left as it was
};

// GETs address (http or https, redirects only to those, no cache) into a temporary file
// beside `file` and renames it over `file` only after a complete 2xx answer with a body.
// Every failure leaves `file` as it was and no temporary file behind. Characters that are
// not valid in an address are sent percent-encoded.
DownloadOutcome DownloadPicture(rt::TextView address, const std::filesystem::path& file,
                                const DownloadLimits& limits = {});

}  // namespace pendrel
