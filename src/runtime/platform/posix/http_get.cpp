#include "runtime/platform/http_get.h"

#include "runtime/platform/posix/curl_transfer.h"

namespace rt::platform {

struct HttpGet::State {
  State(const std::string& address, const HttpLimits& limits)
      : transfer(address, limits, [this](std::string_view piece) {
          body.append(piece);
          return true;
        }) {}
  std::string body;
  posix::CurlTransfer transfer;
  HttpResult result;
  bool running = false;
  bool finished = false;
};

namespace {

// One multi handle drives every transfer of the process; it belongs to the one thread.
CURLM* Multi() {
  static CURLM* multi = [] {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    return curl_multi_init();
  }();
  return multi;
}

// Transfers added to the multi handle and not finished; while there are none, driving
// costs nothing (not even setting the library up).
int activeTransfers = 0;

void Finish(HttpGet::State& state, CURLcode code) {
  --activeTransfers;
  state.result = state.transfer.Result(code);
  curl_multi_remove_handle(Multi(), state.transfer.Easy());
  state.running = false;
  state.finished = true;
}

}  // namespace

HttpGet::HttpGet(const std::string& address, const HttpLimits& limits)
    : state_(std::make_unique<State>(address, limits)) {
  State& s = *state_;
  CURL* easy = s.transfer.Easy();
  if (easy) curl_easy_setopt(easy, CURLOPT_PRIVATE, &s);
  if (!easy || curl_multi_add_handle(Multi(), easy) != CURLM_OK) {
    s.finished = true;
    s.result = s.transfer.Result(CURLE_FAILED_INIT);
    return;
  }
  s.running = true;
  ++activeTransfers;
}

HttpGet::~HttpGet() {
  if (!state_->running) return;
  curl_multi_remove_handle(Multi(), state_->transfer.Easy());
  --activeTransfers;
}

bool HttpGet::Finished() const { return state_->finished; }
const HttpResult& HttpGet::Result() const { return state_->result; }
const std::string& HttpGet::Body() const { return state_->body; }

bool DriveHttp(int32_t waitMs) {
  if (activeTransfers == 0) return false;
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
    Finish(*reinterpret_cast<HttpGet::State*>(user), message->data.result);
  }
  return running > 0;
}

}  // namespace rt::platform
