#include "wallpaper/picture_arrival.h"

namespace pendrel {

void PictureArrival::Begin(const std::filesystem::path& temporary,
                           const std::filesystem::path& picture) {
  const std::lock_guard lock(mutex_);
  state_.temporary = temporary;
  state_.picture = picture;
}

void PictureArrival::Grow(int64_t bytes) {
  {
    const std::lock_guard lock(mutex_);
    state_.bytes = bytes;
  }
  changed_.notify_all();
}

void PictureArrival::End(bool saved) {
  {
    const std::lock_guard lock(mutex_);
    state_.ended = true;
    state_.saved = saved;
  }
  changed_.notify_all();
}

PictureArrival::State PictureArrival::WaitBeyond(int64_t bytes) const {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return state_.ended || state_.bytes > bytes; });
  return state_;
}

PictureArrival::State PictureArrival::WaitForEnd() const {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return state_.ended; });
  return state_;
}

bool PictureArrival::Failed() const {
  const std::lock_guard lock(mutex_);
  return state_.ended && !state_.saved;
}

}  // namespace pendrel
