// Non-blocking HTTP GETs, moved on by the caller's event loop on its one thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace rt::platform {

// Bounds that keep a silent or endless server from holding a transfer forever.
struct HttpLimits {
  int32_t connectTimeoutMs = 20000;
  int32_t stallSeconds = 30;  // aborted when under 1 byte per second for this long
  int32_t totalSeconds = 300;
  size_t maxBytes = 16u << 20;  // a larger answer is dropped
};
void SetHttpLimits(const HttpLimits& limits);
HttpLimits CurrentHttpLimits();

// One transfer, started by the constructor; destroying it aborts it. Only http and https
// addresses (and redirects to them) are followed.
class HttpGet {
 public:
  explicit HttpGet(const std::string& address);
  ~HttpGet();
  HttpGet(const HttpGet&) = delete;
  HttpGet& operator=(const HttpGet&) = delete;

  bool Finished() const;
  // What the server sent (also for an error status or a cut-off transfer); "" when
  // nothing came or the answer was over the size bound. Complete once Finished().
  const std::string& Body() const;

  struct State;

 private:
  std::unique_ptr<State> state_;
};

// Moves every running transfer on, first waiting up to waitMs for network activity
// (0: no wait). Returns whether any transfer is still running.
bool DriveHttp(int32_t waitMs);

}  // namespace rt::platform
