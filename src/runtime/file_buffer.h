// An open file: its descriptor and the 4096-byte buffer every read and write goes through.
#pragma once

#include <array>
#include <cstdint>

#include "runtime/file_byte_access.h"

namespace rt {

class OpenFile {
 public:
  OpenFile(int handle, bool writable);
  // Writes the buffer, then closes.
  ~OpenFile();
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  // Lets the inline byte operations reach this file under `number`.
  void Remember(int32_t number);
  detail::FileWindow& window() { return window_; }

  // Puts unread bytes into the window; false at the end of the file.
  bool FillForReading();
  // Makes room in the window for writing; false for a file opened for reading only.
  bool PrepareForWriting();
  // Writes what the window holds; the position stays.
  void Flush();

  int64_t Position() const { return base_ + window_.pos; }
  // Writes the buffer first; a position inside the data just read keeps the buffer.
  void SetPosition(int64_t position);
  int64_t Length();
  int64_t ReadBlock(void* data, int64_t length);
  int64_t WriteBlock(const void* data, int64_t length);

 private:
  void StopWriting();
  void StopReading();

  int handle_;
  bool writable_;
  int64_t base_ = 0;  // the file offset of the window's first byte
  std::array<unsigned char, detail::kFileBufferSize> buffer_;
  detail::FileWindow window_;
};

// The open file of that number, remembered for the byte operations; nullptr when none.
OpenFile* FindFile(int32_t number);

}  // namespace rt
