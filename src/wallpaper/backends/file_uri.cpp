#include "wallpaper/backends/backend.h"
#include "wallpaper/backends/gio_api.h"

namespace pendrel::backends {

std::string FileUri(const std::filesystem::path& path) {
  const GioApi* gio = LoadGioApi();
  gchar* uri = gio != nullptr ? gio->g_filename_to_uri(path.c_str(), nullptr, nullptr) : nullptr;
  if (uri == nullptr) return {};
  std::string result = uri;
  gio->g_free(uri);
  return result;
}

}  // namespace pendrel::backends
