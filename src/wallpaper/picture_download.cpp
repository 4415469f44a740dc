#include "wallpaper/picture_download.h"

#include <cstdio>
#include <system_error>

#include "runtime/platform/http_download.h"
#include "runtime/platform/termination_cleanup.h"
#include "runtime/web_view.h"
#include "wallpaper/picture_temporary.h"
#include "wallpaper/platform/new_file.h"

namespace pendrel {

namespace {

using rt::platform::HttpResult;

// A large picture goes to the disk while it downloads, a mebibyte at a time.
constexpr int64_t kWriteBackBytes = int64_t{1} << 20;

// Why the answer cannot become the picture; "" when it can.
std::string Refusal(const HttpResult& result, const PictureHeader& picture, int64_t maxBytes) {
  switch (result.end) {
    case HttpResult::End::TooLarge:
      return "größer als " + std::to_string(maxBytes) + " Bytes";
    case HttpResult::End::SinkFailed:
      return "temporäre Datei nicht schreibbar";
    case HttpResult::End::TimedOut:
      return "Zeitlimit überschritten: " + result.error;
    case HttpResult::End::Failed:
      return result.error;
    case HttpResult::End::Complete:
      break;
  }
  if (!rt::platform::IsWholeResource(result)) {
    return result.status / 100 != 2 ? "HTTP-Status " + std::to_string(result.status)
                                    : "mit Content-Encoding geliefert, nicht angefordert";
  }
  if (result.bytes == 0) return "leere Antwort";
  if (picture.format == PictureFormat::None) return "kein Bild, das ein Desktop zeigen kann";
  return "";
}

// The path as UTF-8 on every system, for the trace.
std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

DownloadOutcome Download(rt::TextView address, const std::filesystem::path& file,
                         const rt::platform::HttpLimits& limits, PictureArrival* arrival) {
  DownloadOutcome outcome;
  RemoveStaleTemporaries(file);
  std::filesystem::path temporary;
  std::FILE* out = CreateTemporaryBeside(file, temporary);
  if (!out) {
    outcome.error = "keine temporäre Datei neben " + Utf8(file) + " anlegbar";
    return outcome;
  }
  const rt::platform::RemoveOnTermination cleanup(temporary);
  if (arrival != nullptr) {
    // Each piece goes straight into the file, where the arrival's readers look for it.
    std::setvbuf(out, nullptr, _IONBF, 0);
    arrival->Begin(temporary, file);
  }
  std::string head;
  int64_t written = 0;
  const HttpResult result = rt::platform::HttpDownload(
      rt::detail::EncodeAddress(address), limits, [&](std::string_view piece) {
        if (head.size() < kPictureHeaderBytes) {
          head.append(piece.substr(0, kPictureHeaderBytes - head.size()));
        }
        if (std::fwrite(piece.data(), 1, piece.size(), out) != piece.size()) return false;
        const int64_t before = written;
        written += static_cast<int64_t>(piece.size());
        if (before / kWriteBackBytes != written / kWriteBackBytes) platform::StartWriteBack(out);
        if (arrival != nullptr) arrival->Grow(written);
        return true;
      });
  const bool closed = std::fclose(out) == 0;
  outcome.status = result.status;
  outcome.bytes = result.bytes;
  outcome.picture = ReadPictureHeader(head);
  outcome.error = Refusal(result, outcome.picture, limits.maxBytes);
  if (outcome.error.empty() && !closed) outcome.error = "temporäre Datei nicht schreibbar";
  std::error_code ignored;
  if (!outcome.error.empty()) {
    std::filesystem::remove(temporary, ignored);
    return outcome;
  }
  std::error_code renamed;
  std::filesystem::rename(temporary, file, renamed);
  if (renamed) {
    outcome.error = Utf8(file) + " nicht ersetzbar: " + renamed.message();
    std::filesystem::remove(temporary, ignored);
    return outcome;
  }
  outcome.saved = true;
  return outcome;
}

}  // namespace

DownloadOutcome DownloadPicture(rt::TextView address, const std::filesystem::path& file,
                                const rt::platform::HttpLimits& limits, PictureArrival* arrival) {
  DownloadOutcome outcome = Download(address, file, limits, arrival);
  if (arrival != nullptr) arrival->End(outcome.saved);
  return outcome;
}

}  // namespace pendrel
