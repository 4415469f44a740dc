#include "runtime/files.h"

#include <algorithm>
#include <limits>
#include <memory>

#include "runtime/file_buffer.h"
#include "runtime/os_names.h"
#include "runtime/platform/file_io.h"

namespace rt {

namespace {

ObjectTable<OpenFile>& Files() {
  static ObjectTable<OpenFile> table;
  return table;
}

int32_t Open(int32_t number, TextView name, platform::OpenMode mode) {
  if (number < 0 && number != AnyNumber) return 0;
  // A number in use is closed first, so that reopening the same file under it does not
  // run into the old file's own lock.
  if (number != AnyNumber) Files().Remove(number);
  const int handle = platform::OpenFile(ToOsName(name), mode);
  if (handle < 0) return 0;
  return Files().Add(number, std::make_unique<OpenFile>(handle, mode != platform::OpenMode::kRead));
}

int32_t Clamp(int64_t count) {
  return static_cast<int32_t>(std::min<int64_t>(count, std::numeric_limits<int32_t>::max()));
}

}  // namespace

OpenFile* FindFile(int32_t number) {
  OpenFile* file = Files().Find(number);
  if (file != nullptr) file->Remember(number);
  return file;
}

int32_t FileCreate(int32_t number, TextView name) {
  return Open(number, name, platform::OpenMode::kCreate);
}

int32_t FileOpen(int32_t number, TextView name) {
  return Open(number, name, platform::OpenMode::kOpenOrCreate);
}

int32_t FileOpenRead(int32_t number, TextView name) {
  return Open(number, name, platform::OpenMode::kRead);
}

void FileClose(int32_t number) { Files().Remove(number); }

void FileCloseAll() { Files().Clear(); }

// An unknown number counts as being at its end, so that a reading loop over a file that
// failed to open ends at once.
int32_t detail::FileAtEndBuffered(int32_t number) {
  OpenFile* file = FindFile(number);
  return file == nullptr || !file->FillForReading() ? 1 : 0;
}

int64_t FileLength(int32_t number) {
  OpenFile* file = FindFile(number);
  return file != nullptr ? file->Length() : 0;
}

int64_t FileLoc(int32_t number) {
  OpenFile* file = FindFile(number);
  return file != nullptr ? file->Position() : 0;
}

void FileSeek(int32_t number, int64_t position) {
  if (OpenFile* file = FindFile(number)) file->SetPosition(position);
}

int32_t detail::FileReadByteBuffered(int32_t number) {
  OpenFile* file = FindFile(number);
  if (file == nullptr || !file->FillForReading()) return 0;
  detail::FileWindow& window = file->window();
  return window.data[window.pos++];
}

void detail::FileWriteByteBuffered(int32_t number, int32_t value) {
  OpenFile* file = FindFile(number);
  if (file == nullptr || !file->PrepareForWriting()) return;
  detail::FileWindow& window = file->window();
  window.data[window.pos++] = static_cast<unsigned char>(value);
}

int32_t FileReadBlock(int32_t number, void* address, int32_t length) {
  OpenFile* file = FindFile(number);
  if (file == nullptr || address == nullptr || length <= 0) return 0;
  return Clamp(file->ReadBlock(address, length));
}

int32_t FileWriteBlock(int32_t number, const void* address, int32_t length) {
  OpenFile* file = FindFile(number);
  if (file == nullptr || address == nullptr || length <= 0) return 0;
  return Clamp(file->WriteBlock(address, length));
}

}  // namespace rt
