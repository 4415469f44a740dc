// The FTP client under the transfer routines: one session in active mode that logs in,
// changes directory and moves whole files between local file names and the server.
// Names are UTF-8 and go to the server as written; every call returns whether it worked.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace rt::platform {

enum class FtpTransferType {
  kAscii,   // TYPE A: the bytes as the server sends them, its CR LF line ends kept
  kBinary,  // TYPE I
};

class FtpSession {
 public:
  // Starts the client; IsOpen() tells whether that worked.
  FtpSession();
  // Ends the connection and the client.
  ~FtpSession();
  FtpSession(const FtpSession&) = delete;
  FtpSession& operator=(const FtpSession&) = delete;

  bool IsOpen() const;
  // Connects and logs in; an empty user logs in anonymously.
  bool Connect(const std::string& server, int32_t port, const std::string& user,
               const std::string& password);
  bool ChangeDirectory(const std::string& directory);
  // Writes the remote file to localFile, replacing what was there.
  bool GetFile(const std::string& remoteFile, const std::string& localFile, FtpTransferType type);
  // Sends localFile's bytes unchanged as ASCII.
  bool PutAsciiFile(const std::string& localFile, const std::string& remoteFile);

  struct State;

 private:
  std::unique_ptr<State> state_;
};

}  // namespace rt::platform
