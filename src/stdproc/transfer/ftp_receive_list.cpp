#include "runtime/collections.h"
#include "runtime/messages.h"
#include "runtime/number.h"
#include "runtime/window.h"
#include "stdproc/trace/trace.h"
#include "stdproc/transfer/ftp_list_window.h"
#include "stdproc/transfer/ftp_login.h"
#include "stdproc/transfer/transfer.h"

namespace stdproc {

namespace {

// Lets the wait window draw; the list transfer has no event loop of its own.
void FetchPendingEvents(int32_t count) {
  for (int32_t i = 0; i < count; ++i) rt::EventNext();
}

// Receives every pair of names in text mode, appending one status line per file; the
// result is the last transfer's.
int32_t ReceiveEach(transfer::FtpConnection& ftp, transfer::ListTransferWindow& window,
                    rt::List<rt::Text>& localFiles, rt::List<rt::Text>& remoteFiles,
                    rt::List<rt::Text>& status) {
  int32_t rc = 1;
  const int32_t count = rt::ListSize(localFiles);
  rt::ListReset(localFiles);
  rt::ListReset(remoteFiles);
  FetchPendingEvents(100);
  for (int32_t i = 1; i <= count; ++i) {
    FetchPendingEvents(1);
    const rt::Text* local = rt::ListNext(localFiles);
    const rt::Text* remote = rt::ListNext(remoteFiles);
    // A shorter remote list is the caller's mistake; its missing names simply fail.
    const rt::Text localName = local != nullptr ? *local : rt::Text();
    const rt::Text remoteName = remote != nullptr ? *remote : rt::Text();
    window.ShowFile(transfer::ListProgress(i, count), remoteName, localName);
    rc = ftp.Receive(remoteName, localName, transfer::FtpMode::kText) ? 1 : 0;
    rt::ListAdd(status) = remoteName + (rc != 0 ? u" Datei empfangen" : u" Datei nicht empfangen");
  }
  return rc;
}

}  // namespace

rt::Text yReceiveFileLL(rt::TextView server, rt::TextView user, rt::TextView password,
                        rt::List<rt::Text>& localFiles, rt::List<rt::Text>& remoteFiles,
                        rt::TextView directory, int32_t showMessages) {
  using namespace transfer;
  TracedRoutine traced(u"yReceiveFileLL");
  const bool show = showMessages != 0;
  rt::List<rt::Text> status;
  int32_t rc = 1;
  ListTransferWindow window;
  {
    FtpConnection ftp;
    rt::Text failure;
    if (!FtpLogin(ftp, server, user, password, show, failure)) {
      rc = 0;
    } else {
      if (!rt::Visible(directory).empty()) {
        rc = ftp.ChangeDirectory(directory) ? 1 : 0;
        yTrace(kTraceModule, kTraceGroup, u"s_ReceiveFileLL", u"Rc=" + rt::IntToText(rc));
      }
      if (rc != 0) rc = ReceiveEach(ftp, window, localFiles, remoteFiles, status);
    }
  }
  rt::Text message;
  if (show) {
    rt::ListReset(status);
    while (const rt::Text* line = rt::ListNext(status)) message += *line + u"\r\n";
    if (!message.empty()) rt::ShowMessage(u"Status Datei empfang", message);
  }
  return ReceiveResult(rc, message);
}

}  // namespace stdproc
