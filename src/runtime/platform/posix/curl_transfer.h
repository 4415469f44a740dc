// What every libcurl transfer of ours shares: the request's settings, the size bound on the
// body and the reading of the outcome.
#pragma once

#include <curl/curl.h>

#include "runtime/platform/http_download.h"

namespace rt::platform::posix {

class CurlTransfer {
 public:
  // A configured easy handle for address; nullptr from Easy() when libcurl has none.
  CurlTransfer(const std::string& address, const HttpLimits& limits, HttpSink sink);
  ~CurlTransfer();
  CurlTransfer(const CurlTransfer&) = delete;
  CurlTransfer& operator=(const CurlTransfer&) = delete;

  CURL* Easy() const { return easy_; }
  // The outcome once libcurl ended the transfer with `code`.
  HttpResult Result(CURLcode code) const;

 private:
  static size_t Receive(char* data, size_t size, size_t count, void* user);

  CURL* easy_ = nullptr;
  HttpSink sink_;
  int64_t maxBytes_ = 0;
  int64_t bytes_ = 0;
  bool overflow_ = false;
  bool sinkFailed_ = false;
  char errorText_[CURL_ERROR_SIZE] = "";
};

}  // namespace rt::platform::posix
