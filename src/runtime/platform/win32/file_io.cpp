#include "runtime/platform/file_io.h"

#include <windows.h>

#include "runtime/platform/win32/wide_text.h"

namespace rt::platform {

namespace {

// Handles fit 32 bits on both Windows widths, so they travel as the interface's int.
HANDLE ToHandle(int handle) { return reinterpret_cast<HANDLE>(static_cast<intptr_t>(handle)); }

OVERLAPPED At(int64_t offset) {
  OVERLAPPED position{};
  position.Offset = static_cast<DWORD>(offset & 0xFFFFFFFF);
  position.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return position;
}

// Moved a piece at a time: one call moves at most a DWORD's worth.
DWORD Piece(int64_t remaining) {
  return static_cast<DWORD>(remaining < (1 << 30) ? remaining : (1 << 30));
}

}  // namespace

// A writer lets others read but no second writer in; a reader lets anyone in.
int OpenFile(const std::string& name, OpenMode mode) {
  if (name.empty()) return -1;
  const bool reading = mode == OpenMode::kRead;
  const DWORD access = reading ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
  const DWORD share = reading ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ;
  const DWORD disposition = reading                     ? OPEN_EXISTING
                            : mode == OpenMode::kCreate ? CREATE_ALWAYS
                                                        : OPEN_ALWAYS;
  HANDLE file = CreateFileW(Wide(name).c_str(), access, share, nullptr, disposition,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return -1;
  return static_cast<int>(reinterpret_cast<intptr_t>(file));
}

void CloseFile(int handle) {
  if (handle != -1) CloseHandle(ToHandle(handle));
}

int64_t ReadAt(int handle, int64_t offset, void* data, int64_t length) {
  int64_t done = 0;
  while (done < length) {
    OVERLAPPED position = At(offset + done);
    DWORD n = 0;
    if (!ReadFile(ToHandle(handle), static_cast<char*>(data) + done, Piece(length - done), &n,
                  &position)) {
      if (GetLastError() == ERROR_HANDLE_EOF) break;
      return done > 0 ? done : -1;
    }
    if (n == 0) break;
    done += n;
  }
  return done;
}

int64_t WriteAt(int handle, int64_t offset, const void* data, int64_t length) {
  int64_t done = 0;
  while (done < length) {
    OVERLAPPED position = At(offset + done);
    DWORD n = 0;
    if (!WriteFile(ToHandle(handle), static_cast<const char*>(data) + done, Piece(length - done),
                   &n, &position) ||
        n == 0) {
      return done > 0 ? done : -1;
    }
    done += n;
  }
  return done;
}

int64_t SizeOf(int handle) {
  LARGE_INTEGER size{};
  return GetFileSizeEx(ToHandle(handle), &size) ? static_cast<int64_t>(size.QuadPart) : -1;
}

}  // namespace rt::platform
