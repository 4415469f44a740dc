// The buffer window of the open files, shared with the inline byte operations of
// files.h: a byte-wise copy then costs a few instructions per byte instead of a table
// look-up.
#pragma once

#include <cstdint>

namespace rt::detail {

inline constexpr int32_t kFileBufferSize = 4096;

// Exactly one of readEnd and writeEnd is above 0 while a file is being read or written.
struct FileWindow {
  unsigned char* data = nullptr;
  int32_t pos = 0;       // the cursor in data
  int32_t readEnd = 0;   // while reading: the bytes of data that hold the file's content
  int32_t writeEnd = 0;  // while writing: the room in data
};

// The files used last, one per slot; a slot that matches no file holds an empty window.
struct FileSlot {
  int32_t number;
  FileWindow* window;
};
inline constexpr uint32_t kFileSlotCount = 8;
extern FileSlot fileSlots[kFileSlotCount];

inline FileSlot& SlotFor(int32_t number) {
  return fileSlots[static_cast<uint32_t>(number) % kFileSlotCount];
}

// The full operations, for everything the window cannot serve at once.
int32_t FileAtEndBuffered(int32_t number);
int32_t FileReadByteBuffered(int32_t number);
void FileWriteByteBuffered(int32_t number, int32_t value);

}  // namespace rt::detail
