#include "runtime/platform/http_download.h"

#include "runtime/platform/win32/wininet_transfer.h"

namespace rt::platform {

HttpResult HttpDownload(const std::string& address, const HttpLimits& limits,
                        const HttpSink& sink) {
  win32::WinInetTransfer transfer(address, limits);
  // Arriving pieces end each wait at once; the pause only bounds how late the deadline
  // is noticed.
  constexpr int32_t kPollMs = 100;
  while (!transfer.Pump(sink, kPollMs)) {
  }
  return transfer.Result();
}

}  // namespace rt::platform
