#include "runtime/messages.h"
#include "runtime/number.h"
#include "stdproc/trace/trace.h"
#include "stdproc/transfer/ftp_login.h"
#include "stdproc/transfer/transfer.h"

namespace stdproc {

rt::Text yReceiveFile(rt::TextView server, rt::TextView user, rt::TextView password,
                      rt::TextView localFile, rt::TextView remoteFile, rt::TextView directory,
                      int32_t showMessages, int32_t transferMode) {
  using namespace transfer;
  TracedRoutine traced(u"yReceiveFile");
  const bool show = showMessages != 0;
  int32_t rc = 1;
  rt::Text message;
  FtpConnection ftp;
  if (!FtpLogin(ftp, server, user, password, show, message)) {
    return ReceiveResult(0, show ? rt::TextView(message) : u"");
  }
  if (!rt::Visible(directory).empty()) {
    rc = ftp.ChangeDirectory(directory) ? 1 : 0;
    yTrace(kTraceModule, kTraceGroup, u"s_ReceiveFile", u"FTP Rc=" + rt::IntToText(rc));
    if (rc == 0) return ReceiveResult(0, u"");
  }
  FtpMode mode = transferMode == 1 ? FtpMode::kText : FtpMode::kBinary;
  rc = ftp.Receive(remoteFile, localFile, mode) ? 1 : 0;
  if (show) {
    if (rc != 0) {
      message = u"Datei ist empfangen worden !";
      rt::ShowMessage(u"", message);
    } else {
      message = u"Datei konnte nicht empfangen werden !";
      rt::ShowMessage(kFailureTitle, message);
    }
  }
  return ReceiveResult(rc, message);
}

}  // namespace stdproc
