#include "wallpaper/picture_temporary.h"

#include <chrono>
#include <random>
#include <system_error>

namespace pendrel {

namespace {

constexpr std::string_view kSuffix = ".part";

// A run ends within three minutes, so a temporary this old has no living owner.
constexpr auto kStaleAfter = std::chrono::minutes(10);

}  // namespace

std::FILE* CreateTemporaryBeside(const std::filesystem::path& file, std::filesystem::path& made) {
  std::random_device random;
  for (int attempt = 0; attempt < 8; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x", static_cast<unsigned>(random()));
    made = file;
    made += suffix;
    made += kSuffix;
    if (std::FILE* f = std::fopen(made.c_str(), "wbx")) return f;
  }
  return nullptr;
}

int RemoveStaleTemporaries(const std::filesystem::path& file) {
  const std::filesystem::path directory =
      file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
  const std::string prefix = file.filename().string() + ".";
  const auto cutoff = std::filesystem::file_time_type::clock::now() - kStaleAfter;
  int removed = 0;
  std::error_code error;
  for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (!name.starts_with(prefix) || !name.ends_with(kSuffix)) continue;
    std::error_code ignored;
    if (it->is_regular_file(ignored) && it->last_write_time(ignored) < cutoff &&
        std::filesystem::remove(it->path(), ignored)) {
      ++removed;
    }
  }
  return removed;
}

}  // namespace pendrel
