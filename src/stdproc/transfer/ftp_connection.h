// One FTP connection per routine call: the client is started, connects and logs in,
// optionally changes directory, moves files, and is closed when the object goes away.
// Active mode only; nothing outlives the object.
#pragma once

#include <cstdint>
#include <memory>

#include "runtime/platform/ftp_session.h"
#include "runtime/text.h"

namespace stdproc::transfer {

enum class FtpMode { kText, kBinary };

class FtpConnection {
 public:
  // Starts the client; IsOpen() tells whether that worked.
  FtpConnection();
  // Ends the connection and the client.
  ~FtpConnection();
  FtpConnection(const FtpConnection&) = delete;
  FtpConnection& operator=(const FtpConnection&) = delete;

  bool IsOpen() const;
  // Connects to the server and logs in.
  bool Connect(rt::TextView server, rt::TextView user, rt::TextView password);
  // Changes the server's current directory; the name goes to the server as written.
  bool ChangeDirectory(rt::TextView directory);
  // Fetches a remote file over the local one; a failure leaves the local file as it was.
  // Text mode keeps the server's CR LF line ends.
  bool Receive(rt::TextView remoteFile, rt::TextView localFile, FtpMode mode);
  // Sends a local file in text mode: its line ends go out as CR LF.
  bool Send(rt::TextView localFile, rt::TextView remoteFile);

 private:
  std::unique_ptr<rt::platform::FtpSession> session_;
};

// The port the routines connect to; 21 unless a test asked for another through
// ftp_test_port.h.
int32_t FtpPort();

}  // namespace stdproc::transfer
