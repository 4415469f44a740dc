// Numbered files with a 4096-byte buffer, text formats and line reading.
#pragma once

#include <cstdint>

#include "runtime/file_byte_access.h"
#include "runtime/objects.h"
#include "runtime/text.h"

namespace rt {

// Text format codes.
inline constexpr int32_t FormatAnsi = 24;
inline constexpr int32_t FormatUtf8 = 2;
inline constexpr int32_t FormatUtf16 = 25;
inline constexpr int32_t FormatUtf16BE = 4;
inline constexpr int32_t FormatUtf32BE = 6;

// Creating operations return 0 on failure, the chosen number for AnyNumber, else non-zero.
// Files opened for writing hold an exclusive lock: others may read, not write.
int32_t FileCreate(int32_t number, TextView name);    // creates or empties
int32_t FileOpen(int32_t number, TextView name);      // opens or creates, position 0
int32_t FileOpenRead(int32_t number, TextView name);  // existing files only
void FileClose(int32_t number);
// Reads a byte-order mark at the position and skips it; 24 (position kept) without one.
int32_t FileTextFormat(int32_t number);
// One line ending at CR, LF, CR LF, a 0 unit or the end; "" at the end of the file.
Text FileReadLine(int32_t number, int32_t format = FormatAnsi);
// UTF-8 text and CR LF; the bytes written.
int32_t FileWriteLine(int32_t number, TextView text);
// UTF-8 (format 2 or omitted), UTF-16LE (25) or ANSI otherwise; the bytes written.
int32_t FileWriteText(int32_t number, TextView text, int32_t format = FormatUtf8);
// Non-zero when no byte is left to read, also for a number that is not open.
inline int32_t FileAtEnd(int32_t number) {
  detail::FileSlot& slot = detail::SlotFor(number);
  if (slot.number == number && slot.window->pos < slot.window->readEnd) return 0;
  return detail::FileAtEndBuffered(number);
}
int64_t FileLength(int32_t number);
int64_t FileLoc(int32_t number);
void FileSeek(int32_t number, int64_t position);
// One byte; the read gives 0 at the end of the file.
inline int32_t FileReadByte(int32_t number) {
  detail::FileSlot& slot = detail::SlotFor(number);
  if (slot.number == number && slot.window->pos < slot.window->readEnd) {
    return slot.window->data[slot.window->pos++];
  }
  return detail::FileReadByteBuffered(number);
}
inline void FileWriteByte(int32_t number, int32_t value) {
  detail::FileSlot& slot = detail::SlotFor(number);
  if (slot.number == number && slot.window->pos < slot.window->writeEnd) {
    slot.window->data[slot.window->pos++] = static_cast<unsigned char>(value);
    return;
  }
  detail::FileWriteByteBuffered(number, value);
}
int32_t FileReadBlock(int32_t number, void* address, int32_t length);
int32_t FileWriteBlock(int32_t number, const void* address, int32_t length);
// End of program: writes every buffer and closes every file.
void FileCloseAll();

}  // namespace rt
