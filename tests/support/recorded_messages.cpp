#include "support/recorded_messages.h"

#include <utility>

#include "runtime/messages.h"

namespace testsupport {

RecordedMessages::RecordedMessages(int32_t answer) {
  rt::SetMessageStandInForTests([this, answer](rt::TextView title, rt::TextView text, uint32_t) {
    lines_ += rt::ToUtf8(title) + ": " + rt::ToUtf8(text) + "\n";
    return answer;
  });
}

RecordedMessages::~RecordedMessages() { rt::SetMessageStandInForTests(nullptr); }

std::string RecordedMessages::Take() { return std::exchange(lines_, {}); }

}  // namespace testsupport
