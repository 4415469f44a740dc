#include "runtime/platform/http_get.h"

#include <vector>

#include "runtime/platform/win32/wininet_transfer.h"

namespace rt::platform {

struct HttpGet::State {
  State(const std::string& address, const HttpLimits& limits) : transfer(address, limits) {}
  win32::WinInetTransfer transfer;
  std::string body;
  bool finished = false;
};

namespace {

// The transfers not yet finished; like the page-load loop, they belong to its one thread.
std::vector<HttpGet::State*>& Running() {
  static std::vector<HttpGet::State*> running;
  return running;
}

// Takes in what arrived; true once the transfer has finished.
bool MoveOn(HttpGet::State& state) {
  state.finished = state.transfer.Pump(
      [&state](std::string_view piece) {
        state.body.append(piece);
        return true;
      },
      0);
  return state.finished;
}

bool MoveAllOn() {
  std::erase_if(Running(), [](HttpGet::State* state) { return MoveOn(*state); });
  return !Running().empty();
}

}  // namespace

HttpGet::HttpGet(const std::string& address, const HttpLimits& limits)
    : state_(std::make_unique<State>(address, limits)) {
  Running().push_back(state_.get());
}

HttpGet::~HttpGet() { std::erase(Running(), state_.get()); }

bool HttpGet::Finished() const { return state_->finished; }
const HttpResult& HttpGet::Result() const { return state_->transfer.Result(); }
const std::string& HttpGet::Body() const { return state_->body; }

// The transfers run on their own threads; this only collects what they brought.
bool DriveHttp(int32_t waitMs) {
  if (!MoveAllOn() || waitMs <= 0) return !Running().empty();
  win32::WinInetTransfer::WaitForNews(waitMs);
  return MoveAllOn();
}

}  // namespace rt::platform
