#include "fuzz_input.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fuzz {

namespace {

constexpr uint8_t kWideUnit = 0xFF;

// Kept for the whole process: the clean-up at exit still needs the name.
const std::string& ScratchDirectory() {
  static const std::string& directory = *[] {
    const char* base = std::getenv("TMPDIR");
    auto* pattern = new std::string(std::string(base != nullptr && *base != '\0' ? base : "/tmp") +
                                    "/pendrel-fuzz-XXXXXX");
    if (mkdtemp(pattern->data()) == nullptr) {
      std::perror("pendrel fuzz: no scratch directory");
      std::abort();
    }
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(ScratchDirectory(), ignored);
    });
    return pattern;
  }();
  return directory;
}

}  // namespace

rt::Text FuzzInput::Text(size_t maxUnits) {
  const std::string bytes = provider_.ConsumeRandomLengthString(maxUnits * 3);
  rt::Text text;
  for (size_t i = 0; i < bytes.size() && text.size() < maxUnits; ++i) {
    const auto byte = static_cast<uint8_t>(bytes[i]);
    if (byte == kWideUnit && i + 2 < bytes.size()) {
      text.push_back(static_cast<char16_t>(static_cast<uint8_t>(bytes[i + 1]) |
                                           static_cast<uint8_t>(bytes[i + 2]) << 8));
      i += 2;
    } else {
      text.push_back(byte);
    }
  }
  return text;
}

void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "pendrel fuzz: property broken: %s\n", property);
  std::abort();
}

rt::Text ScratchPath(std::string_view name) {
  return rt::FromUtf8(ScratchDirectory() + "/" + std::string(name));
}

rt::Text ScratchFile(std::string_view name, std::string_view bytes) {
  const rt::Text path = ScratchPath(name);
  std::ofstream out(rt::ToUtf8(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  Require(static_cast<bool>(out.flush()), "the scratch file is written");
  return path;
}

std::string ReadFile(const rt::Text& path) {
  std::ifstream in(rt::ToUtf8(path), std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace fuzz
