#include "runtime/platform/dir_io.h"

#include <windows.h>

#include "runtime/platform/win32/wide_text.h"

namespace rt::platform {

namespace {

// FindFirstFileW hands out the first entry when it opens; it waits here for Next.
struct Search {
  HANDLE handle = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAW pending{};
  bool hasPending = false;
};

std::wstring AllEntriesOf(const std::string& path) {
  std::wstring pattern = Wide(path);
  if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
  return pattern + L'*';
}

wchar_t Upper(wchar_t c) {
  CharUpperBuffW(&c, 1);
  return c;
}

bool Matches(std::wstring_view name, std::wstring_view pattern) {
  if (pattern.empty()) return name.empty();
  if (pattern.front() == L'*') {
    for (size_t skip = 0; skip <= name.size(); ++skip) {
      if (Matches(name.substr(skip), pattern.substr(1))) return true;
    }
    return false;
  }
  if (name.empty()) return false;
  if (pattern.front() != L'?' && Upper(pattern.front()) != Upper(name.front())) return false;
  return Matches(name.substr(1), pattern.substr(1));
}

}  // namespace

DirReader::DirReader(const std::string& path) : dir_(nullptr) {
  auto search = new Search;
  search->handle = FindFirstFileW(AllEntriesOf(path).c_str(), &search->pending);
  if (search->handle == INVALID_HANDLE_VALUE) {
    delete search;
    return;
  }
  search->hasPending = true;
  dir_ = search;
}

DirReader::~DirReader() {
  if (dir_ == nullptr) return;
  auto search = static_cast<Search*>(dir_);
  FindClose(search->handle);
  delete search;
}

bool DirReader::Next(DirEntry& entry) {
  if (dir_ == nullptr) return false;
  auto search = static_cast<Search*>(dir_);
  if (!search->hasPending && !FindNextFileW(search->handle, &search->pending)) return false;
  search->hasPending = false;
  entry.name = Utf8(search->pending.cFileName);
  // A reparse point (a link) never counts as a directory.
  const DWORD attributes = search->pending.dwFileAttributes;
  entry.isDirectory =
      (attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
  return true;
}

bool NameMatchesPattern(const std::string& name, const std::string& pattern) {
  if (pattern.empty() || pattern == "*.*") return true;
  return Matches(Wide(name), Wide(pattern));
}

}  // namespace rt::platform
