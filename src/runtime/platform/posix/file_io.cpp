#include "runtime/platform/file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace rt::platform {

namespace {

// Opens without waiting on a FIFO or device, then turns blocking I/O back on.
int OpenDescriptor(const std::string& name, int flags) {
  int fd;
  do {
    fd = open(name.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return -1;
  int status = fcntl(fd, F_GETFL);
  if (status < 0 || fcntl(fd, F_SETFL, status & ~O_NONBLOCK) < 0) {
    close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

int OpenFile(const std::string& name, OpenMode mode) {
  if (name.empty()) return -1;
  const int fd = OpenDescriptor(name, mode == OpenMode::kRead ? O_RDONLY : O_RDWR | O_CREAT);
  if (fd < 0) return -1;
  struct stat info {};
  bool ok = fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode);
  if (ok && mode != OpenMode::kRead) ok = flock(fd, LOCK_EX | LOCK_NB) == 0;
  // Emptying waits for the lock, so a refused second writer never truncates the file.
  if (ok && mode == OpenMode::kCreate && S_ISREG(info.st_mode)) ok = ftruncate(fd, 0) == 0;
  if (!ok) {
    close(fd);
    return -1;
  }
  return fd;
}

void CloseFile(int handle) {
  if (handle >= 0) close(handle);
}

int64_t ReadAt(int handle, int64_t offset, void* data, int64_t length) {
  int64_t done = 0;
  while (done < length) {
    ssize_t n = pread(handle, static_cast<char*>(data) + done, static_cast<size_t>(length - done),
                      static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return done > 0 ? done : -1;
    if (n == 0) break;
    done += n;
  }
  return done;
}

int64_t WriteAt(int handle, int64_t offset, const void* data, int64_t length) {
  int64_t done = 0;
  while (done < length) {
    ssize_t n = pwrite(handle, static_cast<const char*>(data) + done,
                       static_cast<size_t>(length - done), static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return done > 0 ? done : -1;
    done += n;
  }
  return done;
}

int64_t SizeOf(int handle) {
  struct stat info {};
  return fstat(handle, &info) == 0 ? static_cast<int64_t>(info.st_size) : -1;
}

}  // namespace rt::platform
