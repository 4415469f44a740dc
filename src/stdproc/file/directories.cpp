#include "stdproc/file/directories.h"

#include <algorithm>

#include "runtime/runtime.h"
#include "stdproc/file/wildcard.h"
#include "stdproc/trace/trace.h"

namespace stdproc {

namespace {

// Entries examined by yReadDirList since the counter was last reset, for its status bar.
int32_t examinedEntries = 0;

bool IsDotEntry(const rt::Text& name) { return name == u"." || name == u".."; }

// What goes between a directory and an entry's name: nothing when the directory is empty
// (names relative to the current directory) or already ends with a separator.
rt::Text EntryPrefix(rt::TextView path) {
  rt::Text prefix(rt::Visible(path));
  if (!prefix.empty() && !rt::IsPathSeparator(prefix.back())) prefix += u'/';
  return prefix;
}

// Hands every entry of the directory, in the file system's order, to visit(name, type).
template <class Visit>
void ForEachEntry(rt::TextView path, Visit visit) {
  const int32_t listing = rt::DirExamine(rt::AnyNumber, path, u"");
  if (listing == 0) return;
  while (rt::DirNextEntry(listing)) {
    visit(rt::DirEntryName(listing), rt::DirEntryType(listing));
  }
  rt::DirFinish(listing);
}

void ShowProgress(int32_t progress, bool directories, int32_t count) {
  if (progress == ReadDirConsoleProgress) {
    const rt::Text found = rt::IntToText(count);
    if (found.ends_with(u"000")) {
      rt::ConsoleWriteLine((directories ? u"ermittel Verzeich. =" : u"ermittel Dateien   =") +
                           found);
    }
  } else if (progress >= 0) {
    rt::StatusBarText(progress, 0,
                      (directories ? u"Ermitteln Verzeichnisse (" : u"Ermitteln Dateianzahl (") +
                          rt::IntToText(examinedEntries) + u") ! ");
  }
}

}  // namespace

void yCreateDirectoryAll(rt::TextView path) {
  TracedRoutine trace(u"yCreateDirectoryAll");
  rt::Text directory = rt::TextTrim(path);
  if (directory.empty()) return;
  // Windows-style levels (win\p\q) are levels too; every system here takes "/".
  std::replace_if(directory.begin(), directory.end(), rt::IsPathSeparator, u'/');
  if (directory.back() != u'/') directory += u'/';
  if (rt::PathSize(directory) == -2) return;
  // Every "/" after a name ends a level; the root of an absolute path is never created.
  for (size_t end = 1; end < directory.size(); ++end) {
    if (directory[end] != u'/' || directory[end - 1] == u'/') continue;
    const rt::TextView level = rt::TextView(directory).substr(0, end);
    if (rt::PathSize(level) != -2) rt::DirCreate(level);
  }
}

int32_t yReadDir(rt::TextView path, rt::TextView pattern, int32_t recurse,
                 std::vector<rt::Text>& files, int32_t count) {
  TracedRoutine trace(u"yReadDir");
  const rt::Text filter = rt::Visible(pattern).empty() ? rt::Text(u"*.*") : rt::Text(pattern);
  const rt::Text prefix = EntryPrefix(path);
  count = std::max(count, 0);
  ForEachEntry(path, [&](const rt::Text& name, int32_t type) {
    if (type == rt::EntryFile) {
      if (yMatchWildcard(filter, name, 1) != 1) return;
      ++count;
      // The array grows instead of being written past its end.
      if (files.size() <= static_cast<size_t>(count)) files.resize(static_cast<size_t>(count) + 1);
      files[static_cast<size_t>(count)] = prefix + name;
    } else if (recurse == 1 && !IsDotEntry(name)) {
      count = yReadDir(prefix + name, filter, 1, files, count);
    }
  });
  return count;
}

int32_t yReadDirList(rt::TextView path, rt::TextView pattern, int32_t mode,
                     rt::List<rt::Text>& entries, int32_t count, int32_t progress) {
  TracedRoutine trace(u"yReadDir");
  if (count < 0) {
    count = 0;
    examinedEntries = 0;
  }
  if (count == 0) rt::ListClear(entries);
  const rt::Text filter = rt::Visible(pattern).empty() ? rt::Text(u"*") : rt::Text(pattern);
  const bool takesAll = filter == u"*.*" || filter == u"*";
  const bool directories = mode == ReadDirDirectoriesTree || mode == ReadDirDirectoriesHere;
  const rt::Text prefix = EntryPrefix(path);
  auto collect = [&](const rt::Text& name) {
    ++examinedEntries;
    ShowProgress(progress, directories, count);
    if (IsDotEntry(name) || !(takesAll || yMatchWildcard(filter, name, 1) == 1)) return;
    ++count;
    rt::ListAdd(entries) = prefix + name;
  };
  ForEachEntry(path, [&](const rt::Text& name, int32_t type) {
    const bool isDirectory = type == rt::EntryDirectory;
    if (directories && isDirectory) collect(name);
    if (!directories && !isDirectory) collect(name);
    // Directory walks descend into every subdirectory, matching or not.
    if (isDirectory && !IsDotEntry(name) &&
        (mode == ReadDirDirectoriesTree || mode == ReadDirFilesTree)) {
      count = yReadDirList(prefix + name, filter, mode, entries, count, progress);
    }
  });
  return count;
}

}  // namespace stdproc
