#include "stdproc/transfer/ftp_login.h"

#include "runtime/messages.h"
#include "runtime/number.h"
#include "stdproc/transfer/transfer.h"

namespace stdproc::transfer {

bool FtpLogin(FtpConnection& ftp, rt::TextView server, rt::TextView user, rt::TextView password,
              bool show, rt::Text& message) {
  if (!ftp.IsOpen()) {
    message = u"Konnte keine Verbindung zum Internet herstellen !";
  } else if (!ftp.Connect(server, user, password)) {
    message = u"Konnte keine Verbindung zum Server aufbauen !";
  } else {
    return true;
  }
  if (show) rt::ShowMessage(kFailureTitle, message);
  return false;
}

rt::Text ReceiveResult(int32_t rc, rt::TextView message) {
  return rt::IntToText(rc) + kResultSeparator + rt::Text(message);
}

}  // namespace stdproc::transfer
