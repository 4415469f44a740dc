#include "runtime/platform/posix/curl_transfer.h"

#include <strings.h>

namespace rt::platform::posix {

namespace {

// A wallpaper changer wants today's page and picture, never a proxy's stored copy.
curl_slist* NoCacheHeaders() {
  static curl_slist* headers = [] {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    return curl_slist_append(curl_slist_append(nullptr, "Cache-Control: no-cache"),
                             "Pragma: no-cache");
  }();
  return headers;
}

// No coding is asked for, so libcurl passes a coded body on undecoded; callers must know.
bool ArrivedCoded(CURL* easy) {
  curl_header* header = nullptr;
  if (curl_easy_header(easy, "Content-Encoding", 0, CURLH_HEADER, -1, &header) != CURLHE_OK) {
    return false;
  }
  return header->value[0] != '\0' && strcasecmp(header->value, "identity") != 0;
}

}  // namespace

CurlTransfer::CurlTransfer(const std::string& address, const HttpLimits& limits, HttpSink sink)
    : sink_(std::move(sink)), maxBytes_(limits.maxBytes) {
  curl_slist* headers = NoCacheHeaders();
  easy_ = curl_easy_init();
  if (!easy_) return;
  curl_easy_setopt(easy_, CURLOPT_URL, address.c_str());
  curl_easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy_, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy_, CURLOPT_DEFAULT_PROTOCOL, "http");
  curl_easy_setopt(easy_, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(easy_, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connectTimeoutMs));
  curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_LIMIT,
                   static_cast<long>(limits.lowSpeedBytesPerSecond));
  curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.stallSeconds));
  curl_easy_setopt(easy_, CURLOPT_TIMEOUT, static_cast<long>(limits.totalSeconds));
  curl_easy_setopt(easy_, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
  curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, Receive);
  curl_easy_setopt(easy_, CURLOPT_WRITEDATA, this);
  curl_easy_setopt(easy_, CURLOPT_ERRORBUFFER, errorText_);
}

CurlTransfer::~CurlTransfer() {
  if (easy_) curl_easy_cleanup(easy_);
}

size_t CurlTransfer::Receive(char* data, size_t size, size_t count, void* user) {
  auto* self = static_cast<CurlTransfer*>(user);
  const size_t n = size * count;
  // An announced length is checked by libcurl; this catches answers without one.
  if (self->bytes_ + static_cast<int64_t>(n) > self->maxBytes_) {
    self->overflow_ = true;
    return 0;
  }
  if (!self->sink_(std::string_view(data, n))) {
    self->sinkFailed_ = true;
    return 0;
  }
  self->bytes_ += static_cast<int64_t>(n);
  return n;
}

HttpResult CurlTransfer::Result(CURLcode code) const {
  HttpResult result;
  result.bytes = bytes_;
  if (!easy_) {
    result.error = "libcurl not available";
    return result;
  }
  long status = 0;
  curl_easy_getinfo(easy_, CURLINFO_RESPONSE_CODE, &status);
  result.status = static_cast<int32_t>(status);
  result.coded = ArrivedCoded(easy_);
  if (overflow_ || code == CURLE_FILESIZE_EXCEEDED) {
    result.end = HttpResult::End::TooLarge;
  } else if (sinkFailed_) {
    result.end = HttpResult::End::SinkFailed;
  } else if (code == CURLE_OPERATION_TIMEDOUT) {
    result.end = HttpResult::End::TimedOut;
  } else if (code == CURLE_OK) {
    result.end = HttpResult::End::Complete;
  }
  if (code != CURLE_OK) result.error = errorText_[0] ? errorText_ : curl_easy_strerror(code);
  return result;
}

}  // namespace rt::platform::posix
