// Text-mode sending: whatever a local text file uses, its lines go to the server ending in
// CR LF, the line end of the FTP text type.
#pragma once

#include <string>
#include <string_view>

namespace stdproc::transfer {

// Fed the file piece by piece: a bare LF gets a CR in front, an existing CR LF passes
// unchanged, also when the CR ended the previous piece.
class CrLfEncoder {
 public:
  std::string Encode(std::string_view piece);

 private:
  bool lastWasCr_ = false;
};

}  // namespace stdproc::transfer
