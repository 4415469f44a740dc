// A real FTP server for tests: pyftpdlib on a free loopback port, with one user who may
// read and write a fresh home directory.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "support/process.h"
#include "support/temp_dir.h"

namespace testsupport {

class FtpServer {
 public:
  static constexpr const char* kUser = "pendrel";
  static constexpr const char* kPassword = "Kennwort-42";

  // Starts the server; throws when it does not come up (a missing peer fails loudly).
  FtpServer();

  int port() const { return port_; }
  // The server's root directory as seen from the file system.
  const std::filesystem::path& home() const { return home_.path(); }
  // The log lines the server wrote since the last call (sessions, logins, transfers),
  // waiting up to `quiet` for each further line.
  std::string TakeLog(std::chrono::milliseconds quiet = std::chrono::milliseconds(300));

 private:
  TempDir home_;
  std::unique_ptr<Process> server_;
  int port_ = 0;
};

}  // namespace testsupport
