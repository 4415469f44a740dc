#include "wallpaper/picture_download.h"

#include <curl/curl.h>

#include <cstdio>
#include <memory>
#include <random>
#include <system_error>

#include "runtime/web_view.h"

namespace pendrel {

namespace {

struct Sink {
  std::FILE* file = nullptr;
  int64_t bytes = 0;
  int64_t maxBytes = 0;
  bool overflow = false;
  bool writeFailed = false;
};

size_t Write(char* data, size_t size, size_t count, void* user) {
  auto* sink = static_cast<Sink*>(user);
  const size_t n = size * count;
  // The announced length is checked by curl; this catches answers without one.
  if (sink->bytes + static_cast<int64_t>(n) > sink->maxBytes) {
    sink->overflow = true;
    return 0;
  }
  if (std::fwrite(data, 1, n, sink->file) != n) {
    sink->writeFailed = true;
    return 0;
  }
  sink->bytes += static_cast<int64_t>(n);
  return n;
}

// A new file beside the target, so that the final rename stays on one file system; its
// name is unique so that two runs at once never write into the same one.
std::FILE* CreateTemporaryBeside(const std::filesystem::path& file, std::filesystem::path& made) {
  std::random_device random;
  for (int attempt = 0; attempt < 8; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x.part", static_cast<unsigned>(random()));
    made = file;
    made += suffix;
    if (std::FILE* f = std::fopen(made.c_str(), "wbx")) return f;
  }
  return nullptr;
}

struct CurlDeleter {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct HeaderDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

void Configure(CURL* curl, const std::string& address, const DownloadLimits& limits, Sink& sink,
               curl_slist* headers, char* errorText) {
  curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connectTimeoutMs));
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.stallSeconds));
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, static_cast<long>(limits.totalSeconds));
  curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Write);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
}

// Runs the transfer into sink; the reason it is not a usable picture, or "".
std::string Transfer(const std::string& address, const DownloadLimits& limits, Sink& sink,
                     DownloadOutcome& outcome) {
  std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
  if (!curl) return "libcurl nicht verfügbar";
  // A wallpaper changer wants today's picture, never a proxy's stored copy.
  curl_slist* list = curl_slist_append(nullptr, "Cache-Control: no-cache");
  list = curl_slist_append(list, "Pragma: no-cache");
  std::unique_ptr<curl_slist, HeaderDeleter> headers(list);
  char errorText[CURL_ERROR_SIZE] = "";
  Configure(curl.get(), address, limits, sink, headers.get(), errorText);
  const CURLcode code = curl_easy_perform(curl.get());
  long status = 0;
  curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &status);
  outcome.status = static_cast<int32_t>(status);
  outcome.bytes = sink.bytes;
  if (sink.overflow || code == CURLE_FILESIZE_EXCEEDED) {
    return "größer als " + std::to_string(limits.maxBytes) + " Bytes";
  }
  if (sink.writeFailed) return "temporäre Datei nicht schreibbar";
  if (code != CURLE_OK) return errorText[0] != '\0' ? errorText : curl_easy_strerror(code);
  if (status < 200 || status > 299) return "HTTP-Status " + std::to_string(status);
  if (sink.bytes == 0) return "leere Antwort";
  return "";
}

}  // namespace

DownloadOutcome DownloadPicture(rt::TextView address, const std::filesystem::path& file,
                                const DownloadLimits& limits) {
  DownloadOutcome outcome;
  std::filesystem::path temporary;
  Sink sink;
  sink.maxBytes = limits.maxBytes;
  sink.file = CreateTemporaryBeside(file, temporary);
  if (!sink.file) {
    outcome.error = "keine temporäre Datei neben " + file.string() + " anlegbar";
    return outcome;
  }
  outcome.error = Transfer(rt::detail::EncodeAddress(address), limits, sink, outcome);
  if (std::fclose(sink.file) != 0 && outcome.error.empty()) {
    outcome.error = "temporäre Datei nicht schreibbar";
  }
  std::error_code ignored;
  if (!outcome.error.empty()) {
    std::filesystem::remove(temporary, ignored);
    return outcome;
  }
  std::error_code renamed;
  std::filesystem::rename(temporary, file, renamed);
  if (renamed) {
    outcome.error = file.string() + " nicht ersetzbar: " + renamed.message();
    std::filesystem::remove(temporary, ignored);
    return outcome;
  }
  outcome.saved = true;
  return outcome;
}

}  // namespace pendrel
