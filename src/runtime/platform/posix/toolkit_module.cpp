#include <dlfcn.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "runtime/platform/toolkit.h"

namespace rt::platform {

namespace {

constexpr const char* kModuleFile = "libpendrel_gtk.so";
constexpr const char* kEntry = "PendrelCreateToolkit";
using Entry = Toolkit* (*)(ToolkitEvents*);

std::filesystem::path ExecutableDir() {
  std::array<char, 4096> buffer{};
  ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return {};
  return std::filesystem::path(std::string(buffer.data(), static_cast<size_t>(n))).parent_path();
}

// Beside the executable first (a copied program), then where an installed tree keeps it
// relative to the executable; then the build tree for a program that runs from it, else
// the installed module.
std::vector<std::filesystem::path> ModuleCandidates() {
  const std::filesystem::path exeDir = ExecutableDir();
  const std::filesystem::path buildDir = PENDREL_GTK_MODULE_BUILD_DIR;
  const std::filesystem::path installDir = PENDREL_GTK_MODULE_DIR;
  const bool inBuildTree = exeDir.string().rfind(buildDir.parent_path().string(), 0) == 0;
  std::vector<std::filesystem::path> dirs{exeDir};
  if (!exeDir.empty()) dirs.push_back(exeDir / PENDREL_GTK_MODULE_RELATIVE_DIR);
  if (inBuildTree) {
    dirs.insert(dirs.end(), {buildDir, installDir});
  } else {
    dirs.insert(dirs.end(), {installDir, buildDir});
  }
  std::vector<std::filesystem::path> files;
  for (const auto& dir : dirs) {
    if (!dir.empty()) files.push_back(dir / kModuleFile);
  }
  return files;
}

std::string DisplayVariables() {
  std::string variables;
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    variables.append(value ? value : "").push_back('\n');
  }
  return variables;
}

}  // namespace

Toolkit* LoadToolkit(ToolkitEvents& events) {
  // Found and opened once (never closed: a toolkit cannot be unloaded once it ran).
  static const Entry entry = [] {
    for (const auto& file : ModuleCandidates()) {
      if (access(file.c_str(), R_OK) != 0) continue;
      if (void* module = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL)) {
        return reinterpret_cast<Entry>(dlsym(module, kEntry));
      }
    }
    return Entry{nullptr};
  }();
  // A connection that failed is tried again only once the display variables changed, so
  // a program that had no display at first still gets its windows later.
  static std::optional<std::string> failedFor;
  if (!entry) return nullptr;
  const std::string display = DisplayVariables();
  if (failedFor == display) return nullptr;
  Toolkit* toolkit = entry(&events);
  if (!toolkit) failedFor = display;
  return toolkit;
}

}  // namespace rt::platform
