#include "runtime/platform/http_get.h"

#include <curl/curl.h>

namespace rt::platform {

struct HttpGet::State {
  CURL* easy = nullptr;
  std::string body;
  bool running = false;
  bool finished = false;
  bool overflow = false;
  size_t maxBytes = 0;
};

namespace {

HttpLimits limits;

// One multi handle drives every transfer of the process; it belongs to the one thread.
CURLM* Multi() {
  static CURLM* multi = [] {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    return curl_multi_init();
  }();
  return multi;
}

// The page list changes on the server; a cached copy would hand on stale lines.
curl_slist* NoCacheHeader() {
  static curl_slist* header = curl_slist_append(nullptr, "Cache-Control: no-cache");
  return header;
}

size_t Append(char* data, size_t size, size_t count, void* user) {
  auto* state = static_cast<HttpGet::State*>(user);
  const size_t bytes = size * count;
  if (state->body.size() + bytes > state->maxBytes) {
    state->overflow = true;
    return 0;  // aborts the transfer
  }
  state->body.append(data, bytes);
  return bytes;
}

void Finish(HttpGet::State& state) {
  curl_multi_remove_handle(Multi(), state.easy);
  state.running = false;
  state.finished = true;
  if (state.overflow) state.body.clear();
}

}  // namespace

void SetHttpLimits(const HttpLimits& newLimits) { limits = newLimits; }
HttpLimits CurrentHttpLimits() { return limits; }

HttpGet::HttpGet(const std::string& address) : state_(std::make_unique<State>()) {
  State& s = *state_;
  s.maxBytes = limits.maxBytes;
  s.easy = curl_easy_init();
  if (!s.easy) {
    s.finished = true;
    return;
  }
  curl_easy_setopt(s.easy, CURLOPT_URL, address.c_str());
  curl_easy_setopt(s.easy, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(s.easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(s.easy, CURLOPT_DEFAULT_PROTOCOL, "http");
  curl_easy_setopt(s.easy, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(s.easy, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(s.easy, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(s.easy, CURLOPT_ACCEPT_ENCODING, "");
  curl_easy_setopt(s.easy, CURLOPT_HTTPHEADER, NoCacheHeader());
  curl_easy_setopt(s.easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connectTimeoutMs));
  curl_easy_setopt(s.easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(s.easy, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.stallSeconds));
  curl_easy_setopt(s.easy, CURLOPT_TIMEOUT, static_cast<long>(limits.totalSeconds));
  curl_easy_setopt(s.easy, CURLOPT_WRITEFUNCTION, Append);
  curl_easy_setopt(s.easy, CURLOPT_WRITEDATA, &s);
  curl_easy_setopt(s.easy, CURLOPT_PRIVATE, &s);
  if (curl_multi_add_handle(Multi(), s.easy) != CURLM_OK) {
    s.finished = true;
    return;
  }
  s.running = true;
}

HttpGet::~HttpGet() {
  if (!state_->easy) return;
  if (state_->running) curl_multi_remove_handle(Multi(), state_->easy);
  curl_easy_cleanup(state_->easy);
}

bool HttpGet::Finished() const { return state_->finished; }
const std::string& HttpGet::Body() const { return state_->body; }

bool DriveHttp(int32_t waitMs) {
  CURLM* multi = Multi();
  int running = 0;
  curl_multi_perform(multi, &running);
  if (running > 0 && waitMs > 0) {
    curl_multi_poll(multi, nullptr, 0, waitMs, nullptr);
    curl_multi_perform(multi, &running);
  }
  int left = 0;
  while (CURLMsg* message = curl_multi_info_read(multi, &left)) {
    if (message->msg != CURLMSG_DONE) continue;
    char* user = nullptr;
    curl_easy_getinfo(message->easy_handle, CURLINFO_PRIVATE, &user);
    Finish(*reinterpret_cast<HttpGet::State*>(user));
  }
  return running > 0;
}

}  // namespace rt::platform
