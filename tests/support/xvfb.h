// A private X server (Xvfb) on a display number it picks itself.
#pragma once

#include <memory>
#include <string>

#include "support/process.h"

namespace testsupport {

class Xvfb {
 public:
  // Starts Xvfb with -displayfd and -noreset at the given screen size; throws when it
  // does not come up (a missing peer fails loudly rather than skipping).
  explicit Xvfb(int width = 1024, int height = 768);
  const std::string& display() const { return display_; }  // ":N"
  // Saves a PNG of the whole screen (needs ImageMagick's import).
  bool Screenshot(const std::string& pngPath) const;

 private:
  std::unique_ptr<Process> server_;
  std::string display_;
};

}  // namespace testsupport
