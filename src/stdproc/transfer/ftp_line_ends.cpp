#include "stdproc/transfer/ftp_line_ends.h"

namespace stdproc::transfer {

std::string CrLfEncoder::Encode(std::string_view piece) {
  std::string encoded;
  encoded.reserve(piece.size() + piece.size() / 32);
  for (char c : piece) {
    if (c == '\n' && !lastWasCr_) encoded += '\r';
    encoded += c;
    lastWasCr_ = c == '\r';
  }
  return encoded;
}

}  // namespace stdproc::transfer
