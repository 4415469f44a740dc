// What the runtime's numbered files ask of the operating system: descriptors that read
// and write at explicit offsets.
#pragma once

#include <cstdint>
#include <string>

namespace rt::platform {

enum class OpenMode {
  kCreate,        // read and write; an existing file is emptied
  kOpenOrCreate,  // read and write; an existing file keeps its content
  kRead,          // read only; the file must exist
};

// A descriptor, or -1. Directories never open. The writing modes take an exclusive
// advisory lock without waiting, so a second writer fails while readers still may read;
// an existing file is emptied only once the lock is held.
int OpenFile(const std::string& name, OpenMode mode);
void CloseFile(int handle);
// Bytes moved at that offset (short only at the end of the file or on an error);
// -1 when nothing could be moved because of an error.
int64_t ReadAt(int handle, int64_t offset, void* data, int64_t length);
int64_t WriteAt(int handle, int64_t offset, const void* data, int64_t length);
// The file's size in bytes; -1 on error.
int64_t SizeOf(int handle);

}  // namespace rt::platform
