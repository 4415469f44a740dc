// The start every FTP routine shares: client up, connected and logged in, or the failure
// message that belongs to the step that failed. Also the routines' common texts.
#pragma once

#include "runtime/text.h"
#include "stdproc/transfer/ftp_connection.h"

namespace stdproc::transfer {

inline constexpr rt::TextView kTraceModule = u"StandardProc530";
inline constexpr rt::TextView kTraceGroup = u"StandardRoutinen";
inline constexpr rt::TextView kFailureTitle = u"Fehler";

// True when `ftp` is logged in. Otherwise `message` is the failure text, and it has been
// shown titled "Fehler" when `show` is set. The credentials never appear in it.
bool FtpLogin(FtpConnection& ftp, rt::TextView server, rt::TextView user, rt::TextView password,
              bool show, rt::Text& message);

// The receive routines' result: code, separator, message text.
rt::Text ReceiveResult(int32_t rc, rt::TextView message);

}  // namespace stdproc::transfer
