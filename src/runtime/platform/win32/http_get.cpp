#include "runtime/platform/http_get.h"

namespace rt::platform {

// No HTTP transport on Windows yet: every transfer ends at once as a failed one, which
// the callers already handle (an empty page, no picture).
struct HttpGet::State {
  HttpResult result;
  std::string body;
};

HttpGet::HttpGet(const std::string&, const HttpLimits&) : state_(std::make_unique<State>()) {
  state_->result.error = "no HTTP transport on this platform yet";
}

HttpGet::~HttpGet() = default;

bool HttpGet::Finished() const { return true; }

const HttpResult& HttpGet::Result() const { return state_->result; }

const std::string& HttpGet::Body() const { return state_->body; }

bool DriveHttp(int32_t) { return false; }

}  // namespace rt::platform
