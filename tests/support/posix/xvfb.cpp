#include "support/xvfb.h"

#include <chrono>
#include <stdexcept>

namespace testsupport {

Xvfb::Xvfb(int width, int height) {
  ProcessOptions options;
  options.captureStdout = true;
  std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
  server_ = std::make_unique<Process>(
      std::vector<std::string>{"Xvfb", "-displayfd", "1", "-noreset", "-nolisten", "tcp", "-screen",
                               "0", screen},
      options);
  auto number = server_->ReadStdoutLine(std::chrono::seconds(30));
  if (!number || number->empty()) throw std::runtime_error("Xvfb did not start");
  display_ = ":" + *number;
}

bool Xvfb::Screenshot(const std::string& pngPath) const {
  ProcessOptions options;
  options.env["DISPLAY"] = display_;
  return Run({"import", "-window", "root", pngPath}, options).exitCode == 0;
}

}  // namespace testsupport
