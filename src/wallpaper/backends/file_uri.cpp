#include <glib.h>

#include "wallpaper/backends/backend.h"

namespace pendrel::backends {

std::string FileUri(const std::filesystem::path& path) {
  gchar* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
  if (uri == nullptr) return {};
  std::string result = uri;
  g_free(uri);
  return result;
}

}  // namespace pendrel::backends
