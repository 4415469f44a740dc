// Message boxes taken down instead of shown, so that a test reads them alike on every
// platform (Windows always has a desktop to show them on).
#pragma once

#include <cstdint>
#include <string>

namespace testsupport {

// While it lives, every message box is recorded as a "title: text" line (UTF-8) and
// answered with `answer`.
class RecordedMessages {
 public:
  explicit RecordedMessages(int32_t answer = 0);
  ~RecordedMessages();
  RecordedMessages(const RecordedMessages&) = delete;
  RecordedMessages& operator=(const RecordedMessages&) = delete;

  // The lines recorded since the last call.
  std::string Take();

 private:
  std::string lines_;
};

}  // namespace testsupport
