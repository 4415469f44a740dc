#include <gtest/gtest.h>

#include <vector>

#include "ftp_test_fixture.h"
#include "runtime/collections.h"
#include "stdproc/transfer/ftp_list_window.h"
#include "stdproc/transfer/transfer.h"

namespace {

using testing::internal::CaptureStderr;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

TEST(ListProgress, RoundsHalvesToTheEvenNeighbour) {
  struct Case {
    int32_t count;
    std::vector<int32_t> want;
  };
  for (const Case& c : std::initializer_list<Case>{
           {1, {100}},
           {3, {33, 67, 100}},
           {4, {25, 50, 75, 100}},
           {8, {12, 25, 38, 50, 62, 75, 88, 100}},
       }) {
    std::vector<int32_t> got;
    for (int32_t i = 1; i <= c.count; ++i)
      got.push_back(stdproc::transfer::ListProgress(i, c.count));
    EXPECT_EQ(got, c.want) << c.count;
  }
}

class ReceiveFileList : public FtpTest {
 protected:
  // Pairs local name i with remote name i.
  void Files(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      rt::ListAdd(locals) = Local(name);
      rt::ListAdd(remotes) = rt::FromUtf8(name);
    }
  }
  rt::Text Receive(rt::TextView directory, int32_t show) {
    return stdproc::yReceiveFileLL(server, user, password, locals, remotes, directory, show);
  }

  rt::List<rt::Text> locals;
  rt::List<rt::Text> remotes;
};

TEST_F(ReceiveFileList, FailingMiddleFileDoesNotStopTheOthers) {
  WriteFileBytes(OnServer("a.txt"), "erste\n");
  WriteFileBytes(OnServer("c.txt"), "dritte\n");
  Files({"a.txt", "fehlt.txt", "c.txt"});
  CaptureStderr();
  rt::Text result = Receive(u"", 1);
  std::string err = Told();
  EXPECT_EQ(result, Result(u"1",
                           u"a.txt Datei empfangen\r\n"
                           u"fehlt.txt Datei nicht empfangen\r\n"
                           u"c.txt Datei empfangen\r\n"));
  EXPECT_NE(err.find("Status Datei empfang"), std::string::npos) << err;
  EXPECT_EQ(ReadFileBytes(OnClient("a.txt")), "erste\r\n");
  EXPECT_EQ(ReadFileBytes(OnClient("c.txt")), "dritte\r\n");
  EXPECT_FALSE(std::filesystem::exists(OnClient("fehlt.txt")));
}

TEST_F(ReceiveFileList, CodeIsTheLastTransfersAndSilentModeHasNoText) {
  WriteFileBytes(OnServer("a.txt"), "a");
  Files({"a.txt", "fehlt.txt"});
  CaptureStderr();
  rt::Text result = Receive(u"", 0);
  std::string err = Told();
  EXPECT_EQ(result, Result(u"0"));
  EXPECT_EQ(err.find("Status Datei empfang"), std::string::npos) << err;
  EXPECT_EQ(ReadFileBytes(OnClient("a.txt")), "a");
}

TEST_F(ReceiveFileList, WorksInTheChangedDirectoryAndTracesTheChange) {
  std::filesystem::create_directory(OnServer("unter"));
  WriteFileBytes(OnServer("unter/a.txt"), "a");
  WriteFileBytes(OnServer("unter/'B.DATEN'"), "b");
  Files({"a.txt", "'B.DATEN'"});
  CaptureStderr();
  rt::Text result = Receive(u"unter", 0);
  std::string err = Told();
  EXPECT_EQ(result, Result(u"1"));
  EXPECT_EQ(ReadFileBytes(OnClient("a.txt")), "a");
  EXPECT_EQ(ReadFileBytes(OnClient("'B.DATEN'")), "b");
  EXPECT_NE(err.find("s_ReceiveFileLL: Rc=1"), std::string::npos) << err;
}

TEST_F(ReceiveFileList, NothingIsTransferredWithoutADirectoryOrALogin) {
  WriteFileBytes(OnServer("a.txt"), "a");
  Files({"a.txt"});
  struct Case {
    const char* what;
    rt::Text password, directory;
    const char* shown;  // "" when no box may appear
  };
  const Case cases[] = {
      {"failing directory change", password, u"gibtsnicht", ""},
      {"wrong password", u"falsch", u"", "Konnte keine Verbindung zum Server aufbauen !"},
  };
  for (const Case& c : cases) {
    CaptureStderr();
    rt::Text result =
        stdproc::yReceiveFileLL(server, user, c.password, locals, remotes, c.directory, 1);
    std::string err = Told();
    EXPECT_EQ(result, Result(u"0")) << c.what;
    EXPECT_EQ(err.find("Status Datei empfang"), std::string::npos) << c.what << "\n" << err;
    EXPECT_EQ(err.find("Fehler") != std::string::npos, *c.shown != '\0') << c.what << "\n" << err;
    EXPECT_NE(err.find(c.shown), std::string::npos) << c.what << "\n" << err;
    EXPECT_FALSE(std::filesystem::exists(OnClient("a.txt"))) << c.what;
  }
}

TEST_F(ReceiveFileList, EmptyListKeepsCodeOne) {
  CaptureStderr();
  rt::Text result = Receive(u"", 1);
  std::string err = Told();
  EXPECT_EQ(result, Result(u"1"));
  EXPECT_EQ(err.find("Status Datei empfang"), std::string::npos) << err;
}

TEST_F(ReceiveFileList, ShorterRemoteListFailsTheUnpairedFiles) {
  WriteFileBytes(OnServer("a.txt"), "a");
  Files({"a.txt"});
  rt::ListAdd(locals) = Local("ohne.txt");
  EXPECT_EQ(Receive(u"", 1), Result(u"0", u"a.txt Datei empfangen\r\n Datei nicht empfangen\r\n"));
  EXPECT_FALSE(std::filesystem::exists(OnClient("ohne.txt")));
}

}  // namespace
