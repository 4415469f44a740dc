#include "runtime/platform/private_profile.h"

#include <fstream>
#include <optional>
#include <sstream>

#include "runtime/pending_file.h"
#include "runtime/platform/posix/profile_file.h"

namespace rt::platform {

namespace {

std::optional<std::string> ReadWhole(TextView name) {
  std::ifstream in(ToPath(name), std::ios::binary);
  if (!in.is_open()) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(content).str();
}

// Removes the lines `find` picks from the file; a missing file, or nothing to remove,
// leaves the file system untouched. The new content replaces the file in one step.
template <class Find>
void RemoveLines(TextView iniFile, Find find) {
  std::optional<std::string> bytes = ReadWhole(iniFile);
  if (!bytes) return;
  const ProfileFile file(std::move(*bytes));
  std::optional<LineRange> range = find(file);
  if (!range) return;
  const std::string kept = file.Without(*range);
  PendingFile replacement(iniFile);
  if (replacement.Write(kept.data(), kept.size())) replacement.Commit();
}

}  // namespace

void DeleteProfileKey(const Text& section, const Text& key, const Text& file) {
  RemoveLines(file, [&](const ProfileFile& profile) { return profile.FindKey(section, key); });
}

void DeleteProfileSection(const Text& section, const Text& file) {
  RemoveLines(file, [&](const ProfileFile& profile) { return profile.FindSection(section); });
}

}  // namespace rt::platform
