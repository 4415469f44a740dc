// Sets or removes environment variables for one test and restores them afterwards.
#pragma once

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "support/environment.h"

class ScopedEnv {
 public:
  void Set(const std::string& name, const char* value) {
    if (!saved_.count(name)) {
      const char* old = std::getenv(name.c_str());
      saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    testsupport::SetEnvironment(name, value ? std::optional<std::string>(value) : std::nullopt);
  }
  ~ScopedEnv() {
    for (auto& [name, value] : saved_) testsupport::SetEnvironment(name, value);
  }

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};
