#include "runtime/filesystem.h"

#include "runtime/os_names.h"
#include "runtime/platform/path_io.h"

namespace rt {

bool IsPathSeparator(char16_t c) { return c == u'/' || c == u'\\'; }

int64_t PathSize(TextView path) {
  path = Visible(path);
  if (path.empty()) return -1;
  size_t end = path.size();
  while (end > 0 && IsPathSeparator(path[end - 1])) --end;
  // Nothing but separators names the root.
  const platform::PathInfo info =
      platform::QueryPath(end == 0 ? std::string("/") : ToOsName(path.substr(0, end)));
  switch (info.kind) {
    case platform::PathKind::kDirectory:
      return -2;
    case platform::PathKind::kFile:
      return info.size;
    default:
      return -1;
  }
}

int32_t PathDelete(TextView path) { return platform::RemoveFile(ToOsName(path)) ? 1 : 0; }

int32_t DirCreate(TextView path) {
  path = Visible(path);
  size_t end = path.size();
  while (end > 0 && (path[end - 1] == u' ' || IsPathSeparator(path[end - 1]))) --end;
  return platform::MakeDirectory(ToOsName(path.substr(0, end))) ? 1 : 0;
}

namespace {

// A path in double quotes (as on a command line) is taken without them.
TextView Unquoted(TextView path) {
  path = Visible(path);
  if (path.empty() || path.front() != u'"') return path;
  path.remove_prefix(1);
  return path.substr(0, path.find(u'"'));
}

size_t LastSeparator(TextView path) { return path.find_last_of(u"/\\"); }

}  // namespace

Text PathFilePart(TextView path) {
  path = Unquoted(path);
  const size_t last = LastSeparator(path);
  return Text(last == TextView::npos ? path : path.substr(last + 1));
}

// Separators after a "|" belong to an alternative name pattern, not to the directory.
Text PathDirPart(TextView path) {
  path = Unquoted(path);
  const size_t last = LastSeparator(path.substr(0, path.find(u'|')));
  return last == TextView::npos ? Text() : Text(path.substr(0, last + 1));
}

}  // namespace rt
