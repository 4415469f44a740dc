#include "runtime/processes.h"

#include <string_view>

#include "runtime/os_names.h"
#include "runtime/platform/process_list.h"

namespace rt {

std::vector<Text> ProcessExecutableNames() {
  constexpr std::string_view kDeleted = " (deleted)";
  std::vector<Text> names;
  for (std::string_view path : platform::ProcessExecutablePaths()) {
    if (path.ends_with(kDeleted)) path.remove_suffix(kDeleted.size());
    names.push_back(FromOsName(path.substr(path.rfind('/') + 1)));
  }
  return names;
}

}  // namespace rt
