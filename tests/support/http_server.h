// A loopback HTTP server (a small python handler) on a free port, serving the files of a
// directory plus special paths for failure cases:
//   /__status/CODE[/FILE]  answers CODE with the body of FILE, else "status CODE"
//   /__truncated/N         announces N + 1000 bytes, sends N bytes of "x" and closes
//   /__stall/N             announces N + 1000 bytes, sends N bytes of "x", then stays silent
//   /__hang[/...]          accepts the connection and never answers
//   /__redirect?to=ADDR    answers 302 with Location ADDR
//   /__html/...            answers 200 with an HTML page of CR LF lines (a captive portal)
//   /__gzip/FILE           answers 200 with FILE gzip-compressed, as Content-Encoding: gzip
//   /__reset/...           sends the head and a little of the body, then resets the connection
//   /__drip/RATE/...       answers 200 and sends RATE bytes of "x" a second, never ending
//   /__huge/SIZE/...       answers 200 with a PNG head and SIZE bytes in all, length unannounced
// Paths below /__status, /__hang, /__html, /__reset and /__drip may go on, so a base address
// such as /__drip/4096/ makes every address below it misbehave.
#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "support/process.h"

namespace testsupport {

struct HttpRequest {
  std::string method;
  std::string path;                            // as sent, query included
  std::map<std::string, std::string> headers;  // names lower-cased
};

class HttpServer {
 public:
  // Starts serving `root`; throws when the server does not come up.
  explicit HttpServer(const std::filesystem::path& root);
  int port() const { return port_; }
  // "http://127.0.0.1:PORT/" followed by path (without its leading "/").
  std::string Url(const std::string& path = "") const;
  // Every request received so far, oldest first. Waits up to `settle` for requests that
  // are still on their way.
  const std::vector<HttpRequest>& Requests(
      std::chrono::milliseconds settle = std::chrono::milliseconds(100));

 private:
  std::unique_ptr<Process> server_;
  int port_ = 0;
  std::vector<HttpRequest> requests_;
};

}  // namespace testsupport
