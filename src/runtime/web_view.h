// The web view gadget's inner working: the address it was given, the transfer that loads
// it, and the source text of the last document that finished loading.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "runtime/platform/http_get.h"
#include "runtime/text.h"

namespace rt::detail {

class WebView {
 public:
  // Starts loading the address (a previous load still running is dropped); false for an
  // empty address, which is ignored.
  bool Navigate(TextView address);
  // True once, when the running load has ended (success or not); Source() then holds the
  // page, or "" when the load did not bring a whole page (an HTTP error, a broken or
  // timed-out transfer, an answer over the size bound or in a content coding).
  bool TakeFinished();
  const Text& Source() const { return source_; }

 private:
  std::unique_ptr<platform::HttpGet> transfer_;
  Text source_;
};

// The address as bytes a server accepts: UTF-8, with blanks, control characters, other
// non-ASCII bytes and characters that are never valid in an address percent-encoded.
std::string EncodeAddress(TextView address);

}  // namespace rt::detail
