#include "support/ftp_server.h"

#include <cstdlib>
#include <stdexcept>

namespace testsupport {

FtpServer::FtpServer() {
  // pyftpdlib names the port it bound in a log line on standard error; the shell only
  // joins that stream to standard output, the arguments never pass through its parser.
  ProcessOptions options;
  options.captureStdout = true;
  options.env.emplace("PYTHONUNBUFFERED", std::make_optional<std::string>("1"));
  server_ = std::make_unique<Process>(
      std::vector<std::string>{"/bin/sh", "-c", "exec \"$0\" \"$@\" 2>&1", SystemPython(), "-m",
                               "pyftpdlib", "-i", "127.0.0.1", "-p", "0", "-w", "-u", kUser, "-P",
                               kPassword, "-d", PeerPath(home_.path())},
      options);
  const std::string started = "starting FTP server on 127.0.0.1:";
  std::string seen;
  while (auto line = server_->ReadStdoutLine(std::chrono::seconds(15))) {
    size_t at = line->find(started);
    if (at != std::string::npos) {
      port_ = std::atoi(line->c_str() + at + started.size());
      if (port_ > 0) return;
    }
    seen += *line + "\n";
  }
  throw std::runtime_error("pyftpdlib did not start (is python3-pyftpdlib installed?)\n" + seen);
}

std::string FtpServer::TakeLog(std::chrono::milliseconds quiet) {
  std::string log;
  while (auto line = server_->ReadStdoutLine(quiet)) log += *line + "\n";
  return log;
}

}  // namespace testsupport
