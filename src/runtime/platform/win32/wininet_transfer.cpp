#include "runtime/platform/win32/wininet_transfer.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

#include "runtime/platform/win32/wininet_request.h"

namespace rt::platform::win32 {

namespace {

using Clock = std::chrono::steady_clock;

// How much of a body may wait for its owner before the worker pauses: the owner takes it
// at once, so this only bounds memory when the owner cannot.
constexpr size_t kMaxWaitingBytes = size_t{4} << 20;

// One lock and one signal for every transfer. A worker may outlive its owner and even the
// end of main, so they are never destroyed.
struct Hub {
  std::mutex mutex;
  std::condition_variable changed;
  uint64_t news = 0;
};

Hub& TheHub() {
  static Hub* hub = new Hub;
  return *hub;
}

}  // namespace

struct WinInetTransfer::Channel {
  std::deque<std::string> pieces;
  size_t waitingBytes = 0;
  bool done = false;       // the worker has ended; outcome holds how
  bool abandoned = false;  // the owner has ended the transfer; the worker stops
  HttpResult outcome;
};

namespace {

void Work(std::shared_ptr<WinInetTransfer::Channel> channel, const std::string& address,
          const HttpLimits& limits, Clock::time_point deadline) {
  Hub& hub = TheHub();
  HttpResult outcome = WinInetGet(address, limits, deadline, [&](std::string_view piece) {
    std::unique_lock lock(hub.mutex);
    hub.changed.wait(
        lock, [&] { return channel->abandoned || channel->waitingBytes < kMaxWaitingBytes; });
    if (channel->abandoned) return false;
    channel->pieces.emplace_back(piece);
    channel->waitingBytes += piece.size();
    ++hub.news;
    hub.changed.notify_all();
    return true;
  });
  const std::lock_guard lock(hub.mutex);
  channel->outcome = std::move(outcome);
  channel->done = true;
  ++hub.news;
  hub.changed.notify_all();
}

}  // namespace

WinInetTransfer::WinInetTransfer(const std::string& address, const HttpLimits& limits)
    : channel_(std::make_shared<Channel>()),
      deadline_(Clock::now() + std::chrono::seconds(limits.totalSeconds)) {
  try {
    std::thread(Work, channel_, address, limits, deadline_).detach();
  } catch (const std::system_error& error) {
    ended_ = true;
    result_.error = std::string("kein Thread für die Übertragung: ") + error.what();
  }
}

WinInetTransfer::~WinInetTransfer() {
  if (!ended_) Finish(HttpResult::End::Failed, "abgebrochen");
}

void WinInetTransfer::Finish(HttpResult::End end, const std::string& error) {
  ended_ = true;
  result_.end = end;
  result_.error = error;
  Hub& hub = TheHub();
  const std::lock_guard lock(hub.mutex);
  channel_->abandoned = true;
  hub.changed.notify_all();
}

bool WinInetTransfer::Pump(const HttpSink& sink, int32_t waitMs) {
  if (ended_) return true;
  Hub& hub = TheHub();
  std::deque<std::string> pieces;
  bool done = false;
  {
    std::unique_lock lock(hub.mutex);
    const auto until = std::min(Clock::now() + std::chrono::milliseconds(waitMs), deadline_);
    hub.changed.wait_until(lock, until,
                           [&] { return !channel_->pieces.empty() || channel_->done; });
    pieces.swap(channel_->pieces);
    channel_->waitingBytes = 0;
    done = channel_->done;
    hub.changed.notify_all();
  }
  for (const std::string& piece : pieces) {
    if (!sink(piece)) {
      Finish(HttpResult::End::SinkFailed, "Empfänger nimmt nichts mehr");
      return true;
    }
    result_.bytes += static_cast<int64_t>(piece.size());
  }
  if (done) {
    // The worker wrote its outcome before it said it was done, and writes nothing after.
    const int64_t taken = result_.bytes;
    result_ = channel_->outcome;
    result_.bytes = taken;
    ended_ = true;
    return true;
  }
  if (Clock::now() >= deadline_) {
    Finish(HttpResult::End::TimedOut, "Gesamtzeit abgelaufen");
    return true;
  }
  return false;
}

void WinInetTransfer::WaitForNews(int32_t waitMs) {
  Hub& hub = TheHub();
  std::unique_lock lock(hub.mutex);
  const uint64_t seen = hub.news;
  hub.changed.wait_for(lock, std::chrono::milliseconds(waitMs), [&] { return hub.news != seen; });
}

}  // namespace rt::platform::win32
