// A picture file as its download writes it, so that work on the picture can begin before
// its last byte is in: the download reports each step, readers on other threads wait for
// the bytes they need.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <mutex>

namespace pendrel {

class PictureArrival {
 public:
  struct State {
    std::filesystem::path temporary;  // where the bytes are written; empty before the start
    std::filesystem::path picture;    // what the temporary becomes when it is saved
    int64_t bytes = 0;                // bytes written so far
    bool ended = false;
    bool saved = false;  // ended, and the temporary is now the picture file itself
  };

  // The download's side.
  void Begin(const std::filesystem::path& temporary, const std::filesystem::path& picture);
  void Grow(int64_t bytes);
  void End(bool saved);

  // Waits until more than `bytes` bytes are written or the download has ended.
  State WaitBeyond(int64_t bytes) const;
  State WaitForEnd() const;
  // Whether the download ended without saving the picture: nothing more will come.
  bool Failed() const;

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  State state_;
};

}  // namespace pendrel
