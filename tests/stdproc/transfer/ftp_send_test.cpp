#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ftp_test_fixture.h"
#include "stdproc/transfer/ftp_line_ends.h"
#include "stdproc/transfer/transfer.h"

namespace {

using testing::internal::CaptureStderr;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

TEST(TextModeLineEnds, EveryLineEndsInCrLfOnTheWay) {
  struct Case {
    std::vector<std::string> pieces;
    std::string want;
  };
  for (const Case& c : std::initializer_list<Case>{
           {{"a\nb\n"}, "a\r\nb\r\n"},
           {{"a\r\nb\r\n"}, "a\r\nb\r\n"},
           {{"a\r", "\nb\n"}, "a\r\nb\r\n"},
           {{"a\n", "\nb"}, "a\r\n\r\nb"},
           {{"\n"}, "\r\n"},
           {{"a\rb", ""}, "a\rb"},
       }) {
    stdproc::transfer::CrLfEncoder encoder;
    std::string got;
    for (const std::string& piece : c.pieces) got += encoder.Encode(piece);
    EXPECT_EQ(got, c.want) << c.pieces.front();
  }
}

using SendFile = FtpTest;

TEST_F(SendFile, SendsTextWithCrLfLineEndsAndSaysSo) {
  // The server stores CR LF as its own line end. A line that already ends in CR LF must
  // not gain a second CR on the way, and a bare LF must gain one.
  WriteFileBytes(OnClient("aus.txt"), "eins\r\nzwei\ndrei");
  CaptureStderr();
  int32_t rc = stdproc::ySendFile(server, user, password, Local("aus.txt"), u"an.txt", u"");
  std::string err = Told();
  EXPECT_EQ(rc, 1);
  EXPECT_EQ(ReadFileBytes(OnServer("an.txt")), "eins\nzwei\ndrei");
  EXPECT_NE(err.find("Datei ist versendet worden !"), std::string::npos) << err;
  EXPECT_EQ(err.find("Fehler"), std::string::npos) << err;
}

TEST_F(SendFile, ChangesDirectoryFirstAndTracesIt) {
  std::filesystem::create_directory(OnServer("eingang"));
  WriteFileBytes(OnClient("aus.txt"), "x\n");
  CaptureStderr();
  int32_t rc = stdproc::ySendFile(server, user, password, Local("aus.txt"), u"an.txt", u"eingang");
  std::string err = Told();
  EXPECT_EQ(rc, 1);
  EXPECT_EQ(ReadFileBytes(OnServer("eingang/an.txt")), "x\n");
  EXPECT_NE(err.find("s_SendFile:  FtpSetCurrentDirectory Rc=1"), std::string::npos) << err;
}

TEST_F(SendFile, QuotedRemoteNameReachesTheServerAsWritten) {
  WriteFileBytes(OnClient("aus.txt"), "Satz\n");
  EXPECT_EQ(stdproc::ySendFile(server, user, password, Local("aus.txt"), u"'HLQ.AUSGABE'", u""), 1);
  EXPECT_EQ(ReadFileBytes(OnServer("'HLQ.AUSGABE'")), "Satz\n");
}

TEST_F(SendFile, RefusesNothingToSendWithoutConnecting) {
  WriteFileBytes(OnClient("leer.txt"), "");
  std::filesystem::create_directory(OnClient("ordner"));
  server_.TakeLog();
  for (const char* name : {"fehlt.txt", "leer.txt", "ordner"}) {
    CaptureStderr();
    int32_t rc = stdproc::ySendFile(server, user, password, Local(name), u"an.txt", u"");
    std::string err = Told();
    EXPECT_EQ(rc, 0) << name;
    EXPECT_NE(err.find("Fehler"), std::string::npos) << name << "\n" << err;
    EXPECT_NE(err.find("Zu sendende Datei wurde nicht gefunden !"), std::string::npos) << err;
  }
  EXPECT_EQ(server_.TakeLog().find("session opened"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(OnServer("an.txt")));
}

TEST_F(SendFile, FailuresGiveZero) {
  WriteFileBytes(OnClient("aus.txt"), "x\n");
  struct Case {
    const char* what;
    rt::Text password, remote, directory;
    const char* message;  // "" when nothing may be shown
  };
  const Case cases[] = {
      {"wrong password", u"falsch", u"an.txt", u"",
       "Konnte keine Verbindung zum Server aufbauen !"},
      {"directory change fails silently", password, u"an.txt", u"gibtsnicht", ""},
      {"server refuses the file", password, u"gibtsnicht/an.txt", u"",
       "Datei konnte nicht versendet werden !"},
  };
  for (const Case& c : cases) {
    CaptureStderr();
    int32_t rc =
        stdproc::ySendFile(server, user, c.password, Local("aus.txt"), c.remote, c.directory);
    std::string err = Told();
    EXPECT_EQ(rc, 0) << c.what;
    if (*c.message != '\0') {
      EXPECT_NE(err.find(std::string("Fehler")), std::string::npos) << c.what << "\n" << err;
      EXPECT_NE(err.find(c.message), std::string::npos) << c.what << "\n" << err;
    } else {
      EXPECT_EQ(err.find("Fehler"), std::string::npos) << c.what << "\n" << err;
      EXPECT_EQ(err.find("versendet"), std::string::npos) << c.what << "\n" << err;
    }
  }
  EXPECT_FALSE(std::filesystem::exists(OnServer("an.txt")));
}

}  // namespace
