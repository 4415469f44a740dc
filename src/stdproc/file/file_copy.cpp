#include "stdproc/file/file_copy.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "runtime/files.h"
#include "stdproc/file/file_helpers.h"
#include "stdproc/trace/trace.h"

namespace stdproc {

namespace {

rt::Text Failure(rt::TextView name, rt::TextView what) {
  return u"0/Datei " + rt::Text(rt::Visible(name)) + u" " + rt::Text(what) + u" !";
}

// Opens the target at the place the bytes go: its end when appending, else its start.
// A target no longer than the source is overwritten in place rather than emptied first:
// when both names lead to the same file, emptying it would destroy the source before it
// is read, while overwriting it in place writes back the very bytes that are read.
int32_t OpenTarget(rt::TextView target, bool append, int64_t sourceLength) {
  const int32_t file = yOpenFile(target);
  if (file == 0) return 0;
  const int64_t length = rt::FileLength(file);
  if (append) {
    rt::FileSeek(file, length);
    return file;
  }
  if (length <= sourceLength) return file;
  rt::FileClose(file);
  return yCreateFile(target);
}

enum class CopyEnd { Complete, ReadFailed, WriteFailed };

// Moves `limit` bytes of the source (0: everything up to its end) to the target's
// position. Large blocks through the runtime's file access: a call per byte would cost
// several times what the disk does.
CopyEnd CopyBytes(int32_t source, int32_t target, int64_t limit) {
  constexpr int64_t kBlock = int64_t{1} << 20;
  std::vector<unsigned char> block(kBlock);
  const int64_t targetStart = rt::FileLoc(target);
  int64_t copied = 0;
  while (limit == 0 || copied < limit) {
    const auto want = static_cast<int32_t>(limit == 0 ? kBlock : std::min(kBlock, limit - copied));
    const int32_t got = rt::FileReadBlock(source, block.data(), want);
    if (got <= 0) break;
    if (rt::FileWriteBlock(target, block.data(), got) != got) return CopyEnd::WriteFailed;
    copied += got;
  }
  if (limit == 0 ? !rt::FileAtEnd(source) : copied < limit) return CopyEnd::ReadFailed;
  // Asking the length writes the runtime's buffer, so bytes that still sat there and
  // could not be written show up as a short target.
  if (rt::FileLength(target) < targetStart + copied) return CopyEnd::WriteFailed;
  return CopyEnd::Complete;
}

}  // namespace

rt::Text yCopyFile(rt::TextView mode, rt::TextView source, rt::TextView target) {
  TracedRoutine trace(u"yCopyFile");
  const int32_t from = yReadFile(source);
  // The target is not even opened: a missing source must not empty or create it.
  if (from == 0) return Failure(source, u"nicht gefunden");

  const bool append = rt::TextFind(mode, u"#ADD") > 0;
  // Only the bytes the source holds now are copied, so appending a file to itself ends.
  // A source that tells no length (a pipe, a kernel file) is read to its end.
  const int64_t sourceLength = rt::FileLength(from);
  const int32_t to = OpenTarget(target, append, sourceLength);
  if (to == 0) {
    rt::FileClose(from);
    return Failure(target, append ? u"nicht gefunden" : u"konnte nicht angelegt werden");
  }
  const CopyEnd end = CopyBytes(from, to, sourceLength);
  rt::FileClose(from);
  rt::FileClose(to);
  switch (end) {
    case CopyEnd::ReadFailed:
      return Failure(source, u"konnte nicht gelesen werden");
    case CopyEnd::WriteFailed:
      return Failure(target, u"konnte nicht geschrieben werden");
    case CopyEnd::Complete:
      break;
  }
  return u"1/";
}

}  // namespace stdproc
