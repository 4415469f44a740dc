// Every FTP test talks to its own pyftpdlib server on loopback. Message boxes are recorded
// instead of shown, and trace lines go to standard error, so that both can be checked.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "runtime/text.h"
#include "stdproc/transfer/ftp_test_port.h"
#include "support/environment.h"
#include "support/ftp_server.h"
#include "support/recorded_messages.h"
#include "support/temp_dir.h"

class FtpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Without a display on Linux the list transfers open no wait window; Windows always
    // has its desktop to open it on.
    testsupport::SetEnvironment("DISPLAY", std::nullopt);
    testsupport::SetEnvironment("WAYLAND_DISPLAY", std::nullopt);
    testsupport::SetEnvironment("PENDREL_TRACE", "1");
    stdproc::transfer::SetFtpPortForTests(server_.port());
  }
  void TearDown() override { stdproc::transfer::SetFtpPortForTests(0); }

  // A file in the server's tree, as the file system sees it.
  std::filesystem::path OnServer(const std::string& name) const { return server_.home() / name; }
  std::filesystem::path OnClient(const std::string& name) const { return local_.path() / name; }
  // The same local file as the routines take it.
  rt::Text Local(const std::string& name) const { return rt::FromUtf8(OnClient(name).string()); }

  // What the routines told since CaptureStderr: their trace lines, then the boxes they
  // showed as "title: text" lines.
  std::string Told() { return testing::internal::GetCapturedStderr() + boxes_.Take(); }

  static rt::Text Result(const char16_t* code, const char16_t* message = u"") {
    return rt::Text(code) + u'\u00FF' + message;
  }

  const rt::Text server = u"127.0.0.1";
  const rt::Text user = rt::FromUtf8(testsupport::FtpServer::kUser);
  const rt::Text password = rt::FromUtf8(testsupport::FtpServer::kPassword);
  testsupport::RecordedMessages boxes_;
  testsupport::FtpServer server_;
  testsupport::TempDir local_;
};
