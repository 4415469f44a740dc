#include "wallpaper/server_base.h"

#include <cstdlib>

namespace pendrel {

rt::Text ServerBase() {
#ifdef PENDREL_SERVER_BASE_VARIABLE
  // Only the build made for the end-to-end tests has this: it reaches the loopback server
  // that the test started on a port picked at run time.
  if (const char* base = std::getenv(PENDREL_SERVER_BASE_VARIABLE)) return rt::FromUtf8(base);
#endif
  return rt::FromUtf8(PENDREL_SERVER_BASE);
}

}  // namespace pendrel
