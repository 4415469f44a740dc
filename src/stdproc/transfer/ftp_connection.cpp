#include "stdproc/transfer/ftp_connection.h"

#include <filesystem>
#include <string>

#include "runtime/pending_file.h"
#include "stdproc/transfer/crlf_copy.h"
#include "stdproc/transfer/ftp_test_port.h"

namespace stdproc::transfer {

namespace fs = std::filesystem;

namespace {

constexpr int32_t kStandardPort = 21;
int32_t testPort = 0;

// A CR or LF would end the command line early and let the rest be read as a command of
// its own; such a name is refused before it reaches the client.
bool SafeCommandText(rt::TextView text, std::string& utf8) {
  utf8 = rt::ToUtf8(rt::Visible(text));
  return utf8.find_first_of("\r\n") == std::string::npos;
}

std::string Utf8Path(const fs::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}

}  // namespace

void SetFtpPortForTests(int32_t port) { testPort = port; }

int32_t FtpPort() { return testPort > 0 ? testPort : kStandardPort; }

FtpConnection::FtpConnection() : session_(std::make_unique<rt::platform::FtpSession>()) {}

FtpConnection::~FtpConnection() = default;

bool FtpConnection::IsOpen() const { return session_->IsOpen(); }

bool FtpConnection::Connect(rt::TextView server, rt::TextView user, rt::TextView password) {
  std::string host, userName, secret;
  if (!SafeCommandText(server, host) || !SafeCommandText(user, userName) ||
      !SafeCommandText(password, secret)) {
    return false;
  }
  // Without a user name the login is anonymous, as the platform's own client does it.
  return session_->Connect(host, FtpPort(), userName, secret);
}

bool FtpConnection::ChangeDirectory(rt::TextView directory) {
  std::string name;
  return SafeCommandText(directory, name) && session_->ChangeDirectory(name);
}

bool FtpConnection::Receive(rt::TextView remoteFile, rt::TextView localFile, FtpMode mode) {
  std::string name;
  if (!SafeCommandText(remoteFile, name)) return false;
  rt::PendingFile local(localFile);
  const fs::path part = local.HandOver();
  if (part.empty()) return false;
  const auto type = mode == FtpMode::kText ? rt::platform::FtpTransferType::kAscii
                                           : rt::platform::FtpTransferType::kBinary;
  return session_->GetFile(name, Utf8Path(part), type) && local.Commit();
}

bool FtpConnection::Send(rt::TextView localFile, rt::TextView remoteFile) {
  std::string name;
  if (!SafeCommandText(remoteFile, name)) return false;
  CrLfCopy text(rt::ToPath(localFile));
  return !text.path().empty() && session_->PutAsciiFile(Utf8Path(text.path()), name);
}

}  // namespace stdproc::transfer
