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

struct Target {
  int32_t file = 0;
  int64_t overwritten = 0;  // old bytes at the copy's place that the copy must cover
};

// Opens the target where the bytes go: its end when appending, else its start. A target
// exactly as long as the source is overwritten in place instead of being emptied: it may
// be the source itself, which emptying would destroy before it is read, while
// overwriting it writes back the very bytes just read.
Target OpenTarget(rt::TextView name, bool append, int64_t sourceLength) {
  const int32_t file = yOpenFile(name);
  if (file == 0) return {};
  const int64_t length = rt::FileLength(file);
  if (append) {
    rt::FileSeek(file, length);
    return {file, 0};
  }
  if (length > 0 && length == sourceLength) return {file, length};
  rt::FileClose(file);
  return {yCreateFile(name), 0};
}

// Moves the source's bytes, at most `limit` of them (0: no limit), to the target's
// position, in large blocks through the runtime's file access (a call per byte costs
// far more than the disk does). Returns the count moved, or -1 when the target did not
// take them all.
int64_t CopyBytes(int32_t source, int32_t target, int64_t limit) {
  constexpr int64_t kBlock = int64_t{1} << 20;
  std::vector<unsigned char> block(kBlock);
  const int64_t targetStart = rt::FileLoc(target);
  int64_t copied = 0;
  while (limit == 0 || copied < limit) {
    const auto want = static_cast<int32_t>(limit == 0 ? kBlock : std::min(kBlock, limit - copied));
    const int32_t got = rt::FileReadBlock(source, block.data(), want);
    if (got <= 0) break;
    if (rt::FileWriteBlock(target, block.data(), got) != got) return -1;
    copied += got;
  }
  // Asking the length writes the runtime's buffer, so bytes that still sat there and
  // could not be written show up as a short target.
  return rt::FileLength(target) < targetStart + copied ? -1 : copied;
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
  const Target to = OpenTarget(target, append, sourceLength);
  if (to.file == 0) {
    rt::FileClose(from);
    return Failure(target, append ? u"nicht gefunden" : u"konnte nicht angelegt werden");
  }
  const int64_t copied = CopyBytes(from, to.file, sourceLength);
  rt::FileClose(from);
  rt::FileClose(to.file);
  if (copied < 0) return Failure(target, u"konnte nicht geschrieben werden");
  // Fewer bytes than the source claimed to hold leave old bytes behind them.
  if (copied < to.overwritten) return Failure(source, u"konnte nicht gelesen werden");
  return u"1/";
}

}  // namespace stdproc
