// Checking texts that carry a time of day: "#" in the shape stands for any one digit.
#pragma once

#include <cctype>
#include <string_view>

namespace testsupport {

inline bool MatchesShape(std::string_view text, std::string_view shape) {
  if (text.size() != shape.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool digit = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
    if (shape[i] == '#' ? !digit : text[i] != shape[i]) return false;
  }
  return true;
}

}  // namespace testsupport
