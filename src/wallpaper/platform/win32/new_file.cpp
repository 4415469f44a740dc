#include "wallpaper/platform/new_file.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace pendrel::platform {

// The C library's own open cannot share the file for deletion, so the handle is made here
// and given to it.
std::FILE* CreateNewFile(const std::filesystem::path& file) {
  const HANDLE handle =
      CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
  if (descriptor == -1) {
    CloseHandle(handle);
    return nullptr;
  }
  std::FILE* stream = _fdopen(descriptor, "wb");
  if (!stream) _close(descriptor);
  return stream;
}

// NTFS writes nothing out for a rename; the system's own lazy writer is all there is.
void StartWriteBack(std::FILE*) {}

}  // namespace pendrel::platform
