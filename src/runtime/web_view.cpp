#include "runtime/web_view.h"

#include <string_view>

namespace rt::detail {

std::string EncodeAddress(TextView address) {
  static constexpr std::string_view kNeverValid = "\"<>\\^`{|}";
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (unsigned char byte : ToUtf8(Visible(address))) {
    if (byte <= 0x20 || byte >= 0x7F ||
        kNeverValid.find(static_cast<char>(byte)) != std::string_view::npos) {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 15];
    } else {
      encoded += static_cast<char>(byte);
    }
  }
  return encoded;
}

bool WebView::Navigate(TextView address) {
  if (Visible(address).empty()) return false;
  transfer_ =
      std::make_unique<platform::HttpGet>(EncodeAddress(address), platform::CurrentHttpLimits());
  return true;
}

bool WebView::TakeFinished() {
  if (!transfer_ || !transfer_->Finished()) return false;
  // An error page or a torn-off list must not pass for the content: the caller then goes
  // on as for an empty page.
  source_ = platform::IsWholeResource(transfer_->Result()) ? FromAnsi(transfer_->Body()) : Text();
  transfer_.reset();
  return true;
}

}  // namespace rt::detail
