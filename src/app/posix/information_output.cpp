#include <cstdio>
#include <string>

#include "app/information_request.h"

namespace pendrel {

void ShowInformation(rt::TextView text) {
  const std::string bytes = rt::ToUtf8(text);
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
}

}  // namespace pendrel
