// A loopback HTTP server (a small python handler) on a free port, serving the files of a
// directory plus special paths for failure cases:
//   /__status/CODE         answers CODE with the body "status CODE"
//   /__truncated/N         announces N + 1000 bytes, sends N bytes of "x" and closes
//   /__stall/N             announces N + 1000 bytes, sends N bytes of "x", then stays silent
//   /__hang                accepts the connection and never answers
//   /__redirect?to=ADDR    answers 302 with Location ADDR
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
