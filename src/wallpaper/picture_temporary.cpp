#include "wallpaper/picture_temporary.h"

#include <chrono>
#include <random>
#include <system_error>

#include "wallpaper/platform/new_file.h"

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
    if (std::FILE* f = platform::CreateNewFile(made)) return f;
  }
  return nullptr;
}

int RemoveStaleTemporaries(const std::filesystem::path& file) {
  const std::filesystem::path directory =
      file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
  // Names are compared in the system's own form: a stray name that has no narrow form
  // must not stop the cleaning.
  using Name = std::filesystem::path::string_type;
  const Name prefix = file.filename().native() + std::filesystem::path(".").native();
  const Name suffix = std::filesystem::path(kSuffix).native();
  const auto cutoff = std::filesystem::file_time_type::clock::now() - kStaleAfter;
  int removed = 0;
  std::error_code error;
  for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end;
       it.increment(error)) {
    const Name name = it->path().filename().native();
    if (!name.starts_with(prefix) || !name.ends_with(suffix)) continue;
    std::error_code ignored;
    if (it->is_regular_file(ignored) && it->last_write_time(ignored) < cutoff &&
        std::filesystem::remove(it->path(), ignored)) {
      ++removed;
    }
  }
  return removed;
}

}  // namespace pendrel
