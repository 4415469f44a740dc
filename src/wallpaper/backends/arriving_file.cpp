#include "wallpaper/backends/arriving_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace pendrel::backends {

namespace {

struct Reader {
  explicit Reader(std::shared_ptr<const PictureArrival> from) : arrival(std::move(from)) {}

  std::shared_ptr<const PictureArrival> arrival;
  int descriptor = -1;
  off64_t at = 0;

  // Opens the temporary, or the picture it has become; false when the download failed.
  bool Open(const PictureArrival::State& state) {
    if (!state.ended) descriptor = open(state.temporary.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor >= 0) return true;
    // Renamed (or removed) meanwhile: only the end tells which.
    const PictureArrival::State end = state.ended ? state : arrival->WaitForEnd();
    if (end.saved) descriptor = open(end.picture.c_str(), O_RDONLY | O_CLOEXEC);
    return descriptor >= 0;
  }
};

ssize_t Read(void* cookie, char* buffer, size_t size) {
  auto& reader = *static_cast<Reader*>(cookie);
  const PictureArrival::State state = reader.arrival->WaitBeyond(reader.at);
  if ((state.ended && !state.saved) || (reader.descriptor < 0 && !reader.Open(state))) {
    errno = EIO;
    return -1;
  }
  const auto available = static_cast<size_t>(std::max<int64_t>(state.bytes - reader.at, 0));
  const ssize_t read = pread(reader.descriptor, buffer, std::min(size, available), reader.at);
  if (read > 0) reader.at += read;
  return read;
}

int Seek(void* cookie, off64_t* offset, int whence) {
  auto& reader = *static_cast<Reader*>(cookie);
  const off64_t from = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? reader.at : -1;
  if (from < 0 || from + *offset < 0) {
    errno = EINVAL;
    return -1;
  }
  reader.at = *offset = from + *offset;
  return 0;
}

int Close(void* cookie) {
  const auto* reader = static_cast<Reader*>(cookie);
  if (reader->descriptor >= 0) close(reader->descriptor);
  delete reader;
  return 0;
}

}  // namespace

FileHandle OpenArrivingFile(std::shared_ptr<const PictureArrival> arrival) {
  auto reader = std::make_unique<Reader>(std::move(arrival));
  FileHandle file(fopencookie(reader.get(), "rb", {Read, nullptr, Seek, Close}));
  if (file) reader.release();  // now closed with the file
  return file;
}

}  // namespace pendrel::backends
