#include <fstream>
#include <optional>
#include <sstream>

#include "stdproc/transfer/pending_file.h"
#include "stdproc/transfer/private_profile_file.h"
#include "stdproc/transfer/transfer.h"

namespace stdproc {

namespace {

using transfer::LineRange;
using transfer::ProfileFile;

std::optional<std::string> ReadWhole(rt::TextView name) {
  std::ifstream in(transfer::ToPath(name), std::ios::binary);
  if (!in.is_open()) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(content).str();
}

// Removes the lines `find` picks from the file; a missing file, or nothing to remove,
// leaves the file system untouched. The new content replaces the file in one step.
template <class Find>
void RemoveLines(rt::TextView iniFile, Find find) {
  std::optional<std::string> bytes = ReadWhole(iniFile);
  if (!bytes) return;
  const ProfileFile file(std::move(*bytes));
  std::optional<LineRange> range = find(file);
  if (!range) return;
  const std::string kept = file.Without(*range);
  transfer::PendingFile replacement(iniFile);
  if (replacement.Write(kept.data(), kept.size())) replacement.Commit();
}

}  // namespace

int32_t yDeleteIniKey(rt::TextView section, rt::TextView key, rt::TextView iniFile) {
  const rt::Text sectionName(section), keyName(key);
  RemoveLines(iniFile, [&](const ProfileFile& file) { return file.FindKey(sectionName, keyName); });
  return 0;
}

int32_t yDeleteIniSection(rt::TextView section, rt::TextView iniFile) {
  const rt::Text sectionName(section);
  RemoveLines(iniFile, [&](const ProfileFile& file) { return file.FindSection(sectionName); });
  return 0;
}

}  // namespace stdproc
