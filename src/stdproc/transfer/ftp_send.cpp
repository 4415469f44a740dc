#include "runtime/filesystem.h"
#include "runtime/messages.h"
#include "runtime/number.h"
#include "stdproc/trace/trace.h"
#include "stdproc/transfer/ftp_login.h"
#include "stdproc/transfer/transfer.h"

namespace stdproc {

int32_t ySendFile(rt::TextView server, rt::TextView user, rt::TextView password,
                  rt::TextView localFile, rt::TextView remoteFile, rt::TextView directory) {
  using namespace transfer;
  TracedRoutine traced(u"ySendFile");
  if (rt::PathSize(localFile) <= 0) {
    rt::ShowMessage(kFailureTitle, u"Zu sendende Datei wurde nicht gefunden !");
    return 0;
  }
  rt::Text message;
  FtpConnection ftp;
  if (!FtpLogin(ftp, server, user, password, true, message)) return 0;
  if (!rt::Visible(directory).empty()) {
    int32_t rc = ftp.ChangeDirectory(directory) ? 1 : 0;
    yTrace(kTraceModule, kTraceGroup, u"s_SendFile",
           u" FtpSetCurrentDirectory Rc=" + rt::IntToText(rc));
    if (rc == 0) return 0;
  }
  if (!ftp.Send(localFile, remoteFile)) {
    rt::ShowMessage(kFailureTitle, u"Datei konnte nicht versendet werden !");
    return 0;
  }
  rt::ShowMessage(u"", u"Datei ist versendet worden !");
  return 1;
}

}  // namespace stdproc
