#include "support/http_server.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <stdexcept>

namespace testsupport {

namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  std::string field;
  while (std::getline(in, field, '\t')) fields.push_back(field);
  return fields;
}

HttpRequest ParseRequest(const std::vector<std::string>& fields) {
  HttpRequest request;
  request.method = fields.size() > 1 ? fields[1] : "";
  request.path = fields.size() > 2 ? fields[2] : "";
  for (size_t i = 3; i < fields.size(); ++i) {
    size_t colon = fields[i].find(": ");
    if (colon == std::string::npos) continue;
    std::string name = fields[i].substr(0, colon);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    request.headers[name] = fields[i].substr(colon + 2);
  }
  return request;
}

}  // namespace

HttpServer::HttpServer(const std::filesystem::path& root) {
  ProcessOptions options;
  options.captureStdout = true;
  const std::string script = std::string(PENDREL_TEST_SOURCE_DIR) + "/tests/support/http_server.py";
  server_ = std::make_unique<Process>(
      std::vector<std::string>{SystemPython(), script, PeerPath(root)}, options);
  auto line = server_->ReadStdoutLine(std::chrono::seconds(30));
  if (!line || line->rfind("PORT ", 0) != 0) {
    throw std::runtime_error("the loopback HTTP server did not start");
  }
  port_ = std::stoi(line->substr(5));
}

std::string HttpServer::Url(const std::string& path) const {
  std::string rest = path.rfind('/', 0) == 0 ? path.substr(1) : path;
  return "http://127.0.0.1:" + std::to_string(port_) + "/" + rest;
}

const std::vector<HttpRequest>& HttpServer::Requests(std::chrono::milliseconds settle) {
  while (auto line = server_->ReadStdoutLine(settle)) {
    std::vector<std::string> fields = SplitTabs(*line);
    if (!fields.empty() && fields[0] == "REQUEST") requests_.push_back(ParseRequest(fields));
  }
  return requests_;
}

}  // namespace testsupport
