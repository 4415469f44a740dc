#include <dlfcn.h>
#include <unistd.h>

#include <array>
#include <filesystem>
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

}  // namespace

Toolkit* LoadToolkit(ToolkitEvents& events) {
  for (const auto& file : ModuleCandidates()) {
    if (access(file.c_str(), R_OK) != 0) continue;
    // Never closed: a toolkit cannot be unloaded once it ran.
    void* module = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) continue;
    auto entry = reinterpret_cast<Entry>(dlsym(module, kEntry));
    return entry ? entry(&events) : nullptr;
  }
  return nullptr;
}

}  // namespace rt::platform
