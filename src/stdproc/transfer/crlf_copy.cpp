#include "stdproc/transfer/crlf_copy.h"

#include <fstream>
#include <random>
#include <string>
#include <system_error>

#include "stdproc/transfer/ftp_line_ends.h"

namespace stdproc::transfer {

namespace fs = std::filesystem;

CrLfCopy::CrLfCopy(const fs::path& source) {
  std::ifstream in(source, std::ios::binary);
  if (!in.is_open()) return;
  std::error_code error;
  const fs::path copy =
      fs::temp_directory_path(error) / ("pendrel-send-" + std::to_string(std::random_device()()));
  if (error) return;
  std::ofstream out(copy, std::ios::binary | std::ios::trunc);
  path_ = copy;  // from here on the destructor removes whatever was written
  CrLfEncoder encoder;
  char raw[65536];
  while (out && in.read(raw, sizeof raw).gcount() > 0) {
    const std::string piece =
        encoder.Encode(std::string_view(raw, static_cast<size_t>(in.gcount())));
    out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
  }
  out.close();
  if (in.bad() || out.fail()) {
    fs::remove(copy, error);
    path_.clear();
  }
}

CrLfCopy::~CrLfCopy() {
  std::error_code ignored;
  if (!path_.empty()) fs::remove(path_, ignored);
}

}  // namespace stdproc::transfer
