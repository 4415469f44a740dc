#include "runtime/platform/ftp_session.h"

#include <windows.h>
#include <wininet.h>

#include "runtime/platform/win32/wide_text.h"

namespace rt::platform {

struct FtpSession::State {
  HINTERNET internet = nullptr;
  HINTERNET connection = nullptr;
};

FtpSession::FtpSession() : state_(std::make_unique<State>()) {
  state_->internet = InternetOpenW(L"Pendrel", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
}

FtpSession::~FtpSession() {
  if (state_->connection != nullptr) InternetCloseHandle(state_->connection);
  if (state_->internet != nullptr) InternetCloseHandle(state_->internet);
}

bool FtpSession::IsOpen() const { return state_->internet != nullptr; }

// Flags 0: active mode, as the family always transferred (passive is never asked for).
bool FtpSession::Connect(const std::string& server, int32_t port, const std::string& user,
                         const std::string& password) {
  if (!IsOpen() || state_->connection != nullptr || server.empty()) return false;
  const std::wstring name = Wide(user);
  const std::wstring secret = Wide(password);
  state_->connection =
      InternetConnectW(state_->internet, Wide(server).c_str(), static_cast<INTERNET_PORT>(port),
                       user.empty() ? nullptr : name.c_str(),
                       user.empty() ? nullptr : secret.c_str(), INTERNET_SERVICE_FTP, 0, 0);
  return state_->connection != nullptr;
}

bool FtpSession::ChangeDirectory(const std::string& directory) {
  return state_->connection != nullptr && !directory.empty() &&
         FtpSetCurrentDirectoryW(state_->connection, Wide(directory).c_str());
}

bool FtpSession::GetFile(const std::string& remoteFile, const std::string& localFile,
                         FtpTransferType type) {
  const DWORD transfer =
      type == FtpTransferType::kAscii ? FTP_TRANSFER_TYPE_ASCII : FTP_TRANSFER_TYPE_BINARY;
  return state_->connection != nullptr && !remoteFile.empty() &&
         FtpGetFileW(state_->connection, Wide(remoteFile).c_str(), Wide(localFile).c_str(), FALSE,
                     0, transfer | INTERNET_FLAG_RELOAD, 0);
}

bool FtpSession::PutAsciiFile(const std::string& localFile, const std::string& remoteFile) {
  return state_->connection != nullptr && !remoteFile.empty() &&
         FtpPutFileW(state_->connection, Wide(localFile).c_str(), Wide(remoteFile).c_str(),
                     FTP_TRANSFER_TYPE_ASCII, 0);
}

}  // namespace rt::platform
