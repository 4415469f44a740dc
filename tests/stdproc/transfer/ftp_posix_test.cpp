// What needs POSIX: a list transfer on a private X server of its own in a forked child,
// and a read-only local file seen by another user than root (Wine run as root writes over
// read-only files).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "ftp_test_fixture.h"
#include "runtime/collections.h"
#include "stdproc/transfer/ftp_list_window.h"
#include "stdproc/transfer/transfer.h"
#include "support/unprivileged.h"
#include "support/xvfb.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

using ReceiveFileListWindow = FtpTest;

// With a display the wait window is opened and closed around the transfer. The child
// process keeps the toolkit's display connection away from the other tests, and leaves
// with _exit so that the toolkit's own never-freed caches are not reported as leaks.
TEST_F(ReceiveFileListWindow, TransfersWithTheWaitWindowOnADisplay) {
  testsupport::Xvfb display;
  rt::List<rt::Text> locals, remotes;
  for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"}) {
    WriteFileBytes(OnServer(name), std::string(name) + "\n");
    rt::ListAdd(locals) = Local(name);
    rt::ListAdd(remotes) = rt::FromUtf8(name);
  }
  EXPECT_EXIT(
      {
        setenv("DISPLAY", display.display().c_str(), 1);
        if (!stdproc::transfer::ListTransferWindow().IsOpen()) _exit(2);
        rt::Text result = stdproc::yReceiveFileLL(server, user, password, locals, remotes, u"", 0);
        bool filesOk = ReadFileBytes(OnClient("d.txt")) == "d.txt\r\n";
        _exit(result == Result(u"1") && filesOk ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

using ReceiveFileAsAnotherUser = FtpTest;

TEST_F(ReceiveFileAsAnotherUser, ReadOnlyLocalFileIsNotReplaced) {
  namespace fs = std::filesystem;
  WriteFileBytes(OnServer("neu.txt"), "neu");
  fs::permissions(local_.path(), fs::perms::all);
  struct Case {
    fs::perms perms;
    const char16_t* code;
    std::string want;
  };
  for (const Case& c :
       {Case{fs::perms::owner_all | fs::perms::group_all | fs::perms::others_all, u"1", "neu"},
        Case{fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read, u"0",
             "geschuetzt"}}) {
    WriteFileBytes(OnClient("ziel.txt"), "geschuetzt");
    fs::permissions(OnClient("ziel.txt"), c.perms);
    EXPECT_EQ(testsupport::RunUnprivileged([&] {
                rt::Text result = stdproc::yReceiveFile(server, user, password, Local("ziel.txt"),
                                                        u"neu.txt", u"", 0, 2);
                if (result != Result(c.code)) return 1;
                return ReadFileBytes(OnClient("ziel.txt")) == c.want ? 0 : 2;
              }),
              0)
        << rt::ToUtf8(c.code);
  }
}

}  // namespace
