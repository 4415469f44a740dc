#include "stdproc/file/file_copy.h"

#include <cstdint>
#include <vector>

#include "runtime/files.h"
#include "runtime/number.h"
#include "stdproc/file/file_helpers.h"
#include "stdproc/trace/trace.h"

namespace stdproc {

namespace {

rt::Text Status(bool success, rt::TextView message) {
  return (success ? rt::Text(u"1/") : rt::Text(u"0/")) + rt::Text(message);
}

rt::Text AboutFile(rt::TextView name, rt::TextView what) {
  return u"Datei " + rt::Text(rt::Visible(name)) + u" " + rt::Text(what) + u" !";
}

enum class CopyEnd { Complete, ReadFailed, WriteFailed };

// Moves the source's remaining bytes to the target's position in large blocks through
// the runtime's file access; byte-sized calls would cost a call per byte.
CopyEnd CopyBytes(int32_t source, int32_t target) {
  constexpr int32_t kBlock = 1 << 16;
  std::vector<unsigned char> block(kBlock);
  const int64_t targetStart = rt::FileLoc(target);
  int64_t copied = 0;
  for (;;) {
    int32_t got = rt::FileReadBlock(source, block.data(), kBlock);
    if (got <= 0) break;
    if (rt::FileWriteBlock(target, block.data(), got) != got) return CopyEnd::WriteFailed;
    copied += got;
  }
  if (!rt::FileAtEnd(source)) return CopyEnd::ReadFailed;
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
  if (from == 0) return Status(false, AboutFile(source, u"nicht gefunden"));

  const bool append = rt::TextFind(mode, u"#ADD") > 0;
  const int32_t to = append ? yOpenFile(target) : yCreateFile(target);
  if (to == 0) {
    rt::FileClose(from);
    return Status(false,
                  AboutFile(target, append ? u"nicht gefunden" : u"konnte nicht angelegt werden"));
  }
  if (append) rt::FileSeek(to, rt::FileLength(to));

  const CopyEnd end = CopyBytes(from, to);
  rt::FileClose(from);
  rt::FileClose(to);
  switch (end) {
    case CopyEnd::ReadFailed:
      return Status(false, AboutFile(source, u"konnte nicht gelesen werden"));
    case CopyEnd::WriteFailed:
      return Status(false, AboutFile(target, u"konnte nicht geschrieben werden"));
    case CopyEnd::Complete:
      break;
  }
  return Status(true, u"");
}

}  // namespace stdproc
