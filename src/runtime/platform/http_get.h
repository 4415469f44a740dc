// HTTP GETs of web addresses: non-blocking ones moved on by the caller's event loop on its
// one thread, and the bounds and outcome every transfer shares.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace rt::platform {

// Bounds that keep a silent, dripping or endless server from holding a transfer forever.
struct HttpLimits {
  int32_t connectTimeoutMs = 15000;
  // Aborted when slower than lowSpeedBytesPerSecond for stallSeconds in a row: a dead link,
  // while a slow real one still brings a few megabytes in that time.
  int32_t lowSpeedBytesPerSecond = 1024;
  int32_t stallSeconds = 20;
  int32_t totalSeconds = 60;             // connecting included
  int64_t maxBytes = int64_t{16} << 20;  // a longer answer is dropped
};

// The limits of web view loads started from now on.
inline HttpLimits& WebViewLimits() {
  static HttpLimits limits;
  return limits;
}
inline void SetHttpLimits(const HttpLimits& limits) { WebViewLimits() = limits; }
inline HttpLimits CurrentHttpLimits() { return WebViewLimits(); }

// How a transfer ended. A transport never decodes a content coding: none is asked for, so
// a coded body is one the server forced on us.
struct HttpResult {
  enum class End { Complete, Failed, TimedOut, TooLarge, SinkFailed };
  End end = End::Failed;
  int32_t status = 0;  // the last answer's HTTP status; 0 when none came
  int64_t bytes = 0;   // body bytes received
  bool coded = false;  // the body came in a content coding (gzip, ...)
  std::string error;   // the transport's reason when not Complete
};

// Only a complete answer with a 2xx status and a plain body is the resource itself; an
// error page, a cut-off or coded body is not.
inline bool IsWholeResource(const HttpResult& result) {
  return result.end == HttpResult::End::Complete && result.status >= 200 && result.status <= 299 &&
         !result.coded;
}

// One transfer, started by the constructor; destroying it aborts it. Only http and https
// addresses (and redirects to them) are followed; caches are asked to stand aside.
class HttpGet {
 public:
  HttpGet(const std::string& address, const HttpLimits& limits);
  ~HttpGet();
  HttpGet(const HttpGet&) = delete;
  HttpGet& operator=(const HttpGet&) = delete;

  bool Finished() const;
  // Both complete once Finished(). The body is what arrived, whatever the outcome.
  const HttpResult& Result() const;
  const std::string& Body() const;

  struct State;

 private:
  std::unique_ptr<State> state_;
};

// Moves every running transfer on, first waiting up to waitMs for network activity
// (0: no wait). Returns whether any transfer is still running.
bool DriveHttp(int32_t waitMs);

}  // namespace rt::platform
