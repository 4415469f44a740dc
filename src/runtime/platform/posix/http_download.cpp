#include "runtime/platform/http_download.h"

#include "runtime/platform/posix/curl_transfer.h"

namespace rt::platform {

HttpResult HttpDownload(const std::string& address, const HttpLimits& limits,
                        const HttpSink& sink) {
  posix::CurlTransfer transfer(address, limits, sink);
  if (!transfer.Easy()) return transfer.Result(CURLE_FAILED_INIT);
  return transfer.Result(curl_easy_perform(transfer.Easy()));
}

}  // namespace rt::platform
