#include "runtime/runtime.h"
#include "stdproc/file/directories.h"
#include "stdproc/log/log.h"

namespace stdproc {

namespace {

// The file opened for the line, or 0. Appending continues a last line without line end.
// It never empties the file: one found empty or missing may have received another
// process's line by the time the lock is ours, and the end is taken only then.
int32_t OpenLog(rt::TextView fileName, bool append) {
  if (!append) return rt::FileCreate(rt::AnyNumber, fileName);
  const int32_t file = rt::FileOpen(rt::AnyNumber, fileName);
  if (file != 0) rt::FileSeek(file, rt::FileLength(file));
  return file;
}

}  // namespace

int32_t yLogFileWrite(rt::TextView mode, rt::TextView fileName, rt::TextView text,
                      int32_t showMessage) {
  const rt::Text directory = rt::PathDirPart(fileName);
  if (rt::PathSize(directory) != -2) yCreateDirectoryAll(directory);
  const rt::Text stamp = rt::DateFormat(u"%yyyy-%mm-%dd-%hh.%ii.%ss", rt::DateNow());
  const rt::Text upperMode = rt::TextUpper(mode);

  const int32_t file = OpenLog(fileName, rt::TextFind(upperMode, u"#ADD") > 0);
  if (file == 0) {
    if (showMessage != 0) {
      rt::ShowMessage(u"yLogFileWrite", u"Fehler: Datei konnte nicht geöffnet werden !");
    }
    return 0;
  }
  rt::Text line = rt::TextReplace(text, u"\\'", u"\"");
  if (rt::TextFind(upperMode, u"#TS") > 0) line = stamp + u" " + line;
  const int64_t before = rt::FileLength(file);
  const int32_t written = rt::FileWriteLine(file, line);
  // The line sits in the file's buffer until now; a full disk only shows in the length.
  const bool complete = written > 0 && rt::FileLength(file) >= before + written;
  rt::FileClose(file);
  return complete ? 1 : 0;
}

}  // namespace stdproc
