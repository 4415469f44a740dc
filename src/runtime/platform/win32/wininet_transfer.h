// A WinINet GET on a worker thread of its own, so that the thread that started it goes on
// (the page-load loop sleeps and polls) and can end it at its deadline even while WinINet
// blocks. The worker only reads; the body and the outcome reach the sink on the starting
// thread, in Pump.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "runtime/platform/http_download.h"

namespace rt::platform::win32 {

class WinInetTransfer {
 public:
  WinInetTransfer(const std::string& address, const HttpLimits& limits);
  // Leaves a transfer still running to its worker, which stops at its next piece.
  ~WinInetTransfer();
  WinInetTransfer(const WinInetTransfer&) = delete;
  WinInetTransfer& operator=(const WinInetTransfer&) = delete;

  // Hands what has arrived to sink, first waiting up to waitMs for something to arrive
  // (0: no wait). True once the transfer has ended; Result() is then complete.
  bool Pump(const HttpSink& sink, int32_t waitMs);
  const HttpResult& Result() const { return result_; }

  // Waits up to waitMs until some transfer has news (a piece, an end) for Pump.
  static void WaitForNews(int32_t waitMs);

  struct Channel;

 private:
  void Finish(HttpResult::End end, const std::string& error);

  std::shared_ptr<Channel> channel_;
  std::chrono::steady_clock::time_point deadline_;
  HttpResult result_;
  bool ended_ = false;
};

}  // namespace rt::platform::win32
