#include "runtime/file_buffer.h"

#include <algorithm>
#include <cstring>

#include "runtime/platform/file_io.h"

namespace rt {

namespace {

// Never readable nor writable: a slot holding it sends every call the full way.
detail::FileWindow emptyWindow;

void ForgetWindow(const detail::FileWindow* window) {
  for (detail::FileSlot& slot : detail::fileSlots) {
    if (slot.window == window) slot.window = &emptyWindow;
  }
}

}  // namespace

detail::FileSlot detail::fileSlots[kFileSlotCount] = {
    {0, &emptyWindow}, {0, &emptyWindow}, {0, &emptyWindow}, {0, &emptyWindow},
    {0, &emptyWindow}, {0, &emptyWindow}, {0, &emptyWindow}, {0, &emptyWindow}};

OpenFile::OpenFile(int handle, bool writable) : handle_(handle), writable_(writable) {
  window_.data = buffer_.data();
}

OpenFile::~OpenFile() {
  ForgetWindow(&window_);
  Flush();
  platform::CloseFile(handle_);
}

void OpenFile::Remember(int32_t number) { detail::SlotFor(number) = {number, &window_}; }

void OpenFile::Flush() {
  if (window_.writeEnd == 0 || window_.pos == 0) return;
  // A failed write loses the buffered bytes; callers that must know compare the length.
  platform::WriteAt(handle_, base_, window_.data, window_.pos);
  base_ += window_.pos;
  window_.pos = 0;
}

void OpenFile::StopWriting() {
  Flush();
  window_.writeEnd = 0;
}

void OpenFile::StopReading() {
  base_ += window_.pos;
  window_.pos = 0;
  window_.readEnd = 0;
}

bool OpenFile::FillForReading() {
  StopWriting();
  if (window_.pos < window_.readEnd) return true;
  StopReading();
  int64_t n = platform::ReadAt(handle_, base_, window_.data, detail::kFileBufferSize);
  window_.readEnd = n > 0 ? static_cast<int32_t>(n) : 0;
  return window_.readEnd > 0;
}

bool OpenFile::PrepareForWriting() {
  if (!writable_) return false;
  if (window_.writeEnd == 0) {
    StopReading();
    window_.writeEnd = detail::kFileBufferSize;
  }
  if (window_.pos == window_.writeEnd) Flush();
  return true;
}

void OpenFile::SetPosition(int64_t position) {
  position = std::max<int64_t>(position, 0);
  if (window_.writeEnd == 0 && position >= base_ && position <= base_ + window_.readEnd) {
    window_.pos = static_cast<int32_t>(position - base_);
    return;
  }
  StopWriting();
  base_ = position;
  window_.pos = 0;
  window_.readEnd = 0;
}

int64_t OpenFile::Length() {
  Flush();
  return std::max<int64_t>(platform::SizeOf(handle_), 0);
}

int64_t OpenFile::ReadBlock(void* data, int64_t length) {
  auto* out = static_cast<unsigned char*>(data);
  int64_t done = 0;
  while (done < length) {
    StopWriting();
    if (window_.pos == window_.readEnd && length - done >= detail::kFileBufferSize) {
      // Large reads bypass the buffer.
      StopReading();
      int64_t n = platform::ReadAt(handle_, base_, out + done, length - done);
      if (n <= 0) break;
      base_ += n;
      done += n;
      continue;
    }
    if (!FillForReading()) break;
    int64_t take = std::min<int64_t>(window_.readEnd - window_.pos, length - done);
    std::memcpy(out + done, window_.data + window_.pos, static_cast<size_t>(take));
    window_.pos += static_cast<int32_t>(take);
    done += take;
  }
  return done;
}

int64_t OpenFile::WriteBlock(const void* data, int64_t length) {
  const auto* in = static_cast<const unsigned char*>(data);
  int64_t done = 0;
  while (done < length && PrepareForWriting()) {
    if (window_.pos == 0 && length - done >= detail::kFileBufferSize) {
      // Large writes bypass the buffer.
      int64_t n = platform::WriteAt(handle_, base_, in + done, length - done);
      if (n <= 0) break;
      base_ += n;
      done += n;
      continue;
    }
    int64_t take = std::min<int64_t>(window_.writeEnd - window_.pos, length - done);
    std::memcpy(window_.data + window_.pos, in + done, static_cast<size_t>(take));
    window_.pos += static_cast<int32_t>(take);
    done += take;
  }
  return done;
}

}  // namespace rt
