#include "stdproc/file/path_parts.h"

#include <algorithm>

#include "runtime/filesystem.h"

namespace stdproc {

namespace {

constexpr rt::TextView kSeparators = u"\\/";

// The text after the last separator; the whole path when it has none.
rt::TextView FileNameOf(rt::TextView path) {
  size_t last = path.find_last_of(kSeparators);
  return last == rt::TextView::npos ? path : path.substr(last + 1);
}

}  // namespace

rt::Text yDrivePart(rt::TextView path) {
  path = rt::Visible(path);
  size_t colon = path.find(u':');
  if (colon == rt::TextView::npos || path.find_first_of(kSeparators) < colon) return u"";
  return rt::Text(path.substr(0, colon + 1));
}

rt::Text yDirectoryPart(rt::TextView path) {
  path = rt::Visible(path);
  size_t first = path.find_first_of(kSeparators);
  size_t last = path.find_last_of(kSeparators);
  if (first == rt::TextView::npos || first == last) return u"";
  return rt::Text(path.substr(first, last - first + 1));
}

rt::Text yFileNamePart(rt::TextView path) {
  rt::TextView name = FileNameOf(rt::Visible(path));
  return name.find(u'.') == rt::TextView::npos ? rt::Text() : rt::Text(name);
}

rt::Text yExtensionPart(rt::TextView path) {
  rt::TextView name = FileNameOf(rt::Visible(path));
  size_t dot = name.rfind(u'.');
  return dot == rt::TextView::npos ? rt::Text() : rt::Text(name.substr(dot + 1));
}

rt::Text yBaseNamePart(rt::TextView path) {
  rt::TextView name = FileNameOf(rt::Visible(path));
  size_t dot = name.rfind(u'.');
  return dot == rt::TextView::npos ? rt::Text() : rt::Text(name.substr(0, dot));
}

rt::Text yFileBaseName(rt::TextView path) {
  path = rt::Visible(path);
  rt::Text name = rt::PathFilePart(path);
  size_t dot = name.rfind(u'.');
  if (dot != rt::Text::npos) return name.substr(0, dot);
  // No dot in the file name: a single dot elsewhere means a dotted directory and a plain
  // file name, which is its own base name; several dots would need a cut in a directory.
  return std::count(path.begin(), path.end(), u'.') == 1 ? name : rt::Text();
}

}  // namespace stdproc
