#include <gtest/gtest.h>

#include "ftp_test_fixture.h"
#include "stdproc/transfer/transfer.h"
#include "support/closed_port.h"

namespace {

using testing::internal::CaptureStderr;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

using ReceiveFile = FtpTest;

TEST_F(ReceiveFile, TextModeDeliversCrLfLines) {
  WriteFileBytes(OnServer("text.txt"), "eins\nzwei\r\ndrei\n");
  EXPECT_EQ(
      stdproc::yReceiveFile(server, user, password, Local("text.txt"), u"text.txt", u"", 0, 1),
      Result(u"1"));
  EXPECT_EQ(ReadFileBytes(OnClient("text.txt")), "eins\r\nzwei\r\ndrei\r\n");
}

TEST_F(ReceiveFile, EveryOtherModeIsBinary) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  bytes += "\n\r\n";
  WriteFileBytes(OnServer("data.bin"), bytes);
  for (int32_t mode : {0, 2, -1}) {
    std::filesystem::remove(OnClient("data.bin"));
    EXPECT_EQ(
        stdproc::yReceiveFile(server, user, password, Local("data.bin"), u"data.bin", u"", 0, mode),
        Result(u"1"))
        << mode;
    EXPECT_EQ(ReadFileBytes(OnClient("data.bin")), bytes) << mode;
  }
}

TEST_F(ReceiveFile, OverwritesTheLocalFile) {
  WriteFileBytes(OnServer("neu.txt"), "neu");
  WriteFileBytes(OnClient("ziel.txt"), "alter, laengerer Inhalt");
  EXPECT_EQ(stdproc::yReceiveFile(server, user, password, Local("ziel.txt"), u"neu.txt", u"", 0, 2),
            Result(u"1"));
  EXPECT_EQ(ReadFileBytes(OnClient("ziel.txt")), "neu");
}

TEST_F(ReceiveFile, ChangesDirectoryFirstAndTracesIt) {
  std::filesystem::create_directory(OnServer("unter"));
  WriteFileBytes(OnServer("unter/datei.txt"), "aus dem Unterverzeichnis");
  CaptureStderr();
  rt::Text result = stdproc::yReceiveFile(server, user, password, Local("datei.txt"), u"datei.txt",
                                          u"unter", 0, 2);
  std::string err = Told();
  EXPECT_EQ(result, Result(u"1"));
  EXPECT_EQ(ReadFileBytes(OnClient("datei.txt")), "aus dem Unterverzeichnis");
  EXPECT_NE(err.find("s_ReceiveFile: FTP Rc=1"), std::string::npos) << err;
}

TEST_F(ReceiveFile, QuotedRemoteNameReachesTheServerAsWritten) {
  WriteFileBytes(OnServer("'HLQ.DATEN.LISTE'"), "Datensatz");
  EXPECT_EQ(stdproc::yReceiveFile(server, user, password, Local("liste.txt"), u"'HLQ.DATEN.LISTE'",
                                  u"", 0, 2),
            Result(u"1"));
  EXPECT_EQ(ReadFileBytes(OnClient("liste.txt")), "Datensatz");
}

TEST_F(ReceiveFile, SuccessMessageHasNoTitle) {
  WriteFileBytes(OnServer("a.txt"), "a");
  CaptureStderr();
  rt::Text result =
      stdproc::yReceiveFile(server, user, password, Local("a.txt"), u"a.txt", u"", 1, 1);
  std::string err = Told();
  EXPECT_EQ(result, Result(u"1", u"Datei ist empfangen worden !"));
  EXPECT_NE(err.find("Datei ist empfangen worden !"), std::string::npos) << err;
  EXPECT_EQ(err.find("Fehler"), std::string::npos) << err;
}

struct FailureCase {
  const char* what;
  rt::Text password;
  rt::Text remote;
  rt::Text directory;
  bool serverDown;
  const char16_t* message;  // what the result carries when messages are on ("" = none)
};

TEST_F(ReceiveFile, FailuresGiveCodeZeroAndTheirMessage) {
  std::filesystem::create_directory(OnServer("da"));
  WriteFileBytes(OnServer("vorhanden.txt"), "x");
  const FailureCase cases[] = {
      {"wrong password", u"falsch", u"vorhanden.txt", u"", false,
       u"Konnte keine Verbindung zum Server aufbauen !"},
      {"server down", password, u"vorhanden.txt", u"", true,
       u"Konnte keine Verbindung zum Server aufbauen !"},
      {"missing remote file", password, u"fehlt.txt", u"", false,
       u"Datei konnte nicht empfangen werden !"},
      {"directory change fails silently", password, u"vorhanden.txt", u"gibtsnicht", false, u""},
      {"line break in remote name", password, u"vorhanden.txt\r\nDELE vorhanden.txt", u"", false,
       u"Datei konnte nicht empfangen werden !"},
      {"line break in directory", password, u"vorhanden.txt", u"da\r\nDELE vorhanden.txt", false,
       u""},
  };
  for (const FailureCase& c : cases) {
    if (c.serverDown) stdproc::transfer::SetFtpPortForTests(testsupport::ClosedLoopbackPort());
    for (int32_t show : {0, 1}) {
      CaptureStderr();
      rt::Text result = stdproc::yReceiveFile(server, user, c.password, Local("ziel.txt"), c.remote,
                                              c.directory, show, 2);
      std::string err = Told();
      EXPECT_EQ(result, Result(u"0", show ? c.message : u"")) << c.what << " show " << show;
      bool boxShown = err.find("Fehler") != std::string::npos;
      EXPECT_EQ(boxShown, show == 1 && *c.message != u'\0') << c.what << "\n" << err;
    }
    stdproc::transfer::SetFtpPortForTests(server_.port());
    EXPECT_FALSE(std::filesystem::exists(OnClient("ziel.txt"))) << c.what;
  }
  // The commands hidden behind line breaks never ran.
  EXPECT_TRUE(std::filesystem::exists(OnServer("vorhanden.txt")));
}

TEST_F(ReceiveFile, FailedReceiveKeepsTheEarlierLocalFile) {
  WriteFileBytes(OnClient("gut.txt"), "frueher empfangen");
  EXPECT_EQ(
      stdproc::yReceiveFile(server, user, password, Local("gut.txt"), u"fehlt.txt", u"", 0, 1),
      Result(u"0"));
  EXPECT_EQ(ReadFileBytes(OnClient("gut.txt")), "frueher empfangen");
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(local_.path())) {
    ++entries;
  }
  EXPECT_EQ(entries, 1) << "a temporary file was left behind";
}

TEST_F(ReceiveFile, CredentialsNeverShowInMessagesOrTrace) {
  std::filesystem::create_directory(OnServer("unter"));
  WriteFileBytes(OnServer("unter/a.txt"), "a");
  CaptureStderr();
  rt::Text good =
      stdproc::yReceiveFile(server, user, password, Local("a.txt"), u"a.txt", u"unter", 1, 1);
  rt::Text bad = stdproc::yReceiveFile(server, user, u"Geheim-Falsch", Local("a.txt"), u"a.txt",
                                       u"unter", 1, 1);
  std::string err = Told();
  ASSERT_EQ(good, Result(u"1", u"Datei ist empfangen worden !"));
  ASSERT_EQ(bad, Result(u"0", u"Konnte keine Verbindung zum Server aufbauen !"));
  EXPECT_EQ(err.find(testsupport::FtpServer::kPassword), std::string::npos) << err;
  EXPECT_EQ(err.find("Geheim-Falsch"), std::string::npos) << err;
  EXPECT_EQ(err.find(testsupport::FtpServer::kUser), std::string::npos) << err;
}

TEST_F(ReceiveFile, ServerNameCannotCarryCredentialsOrPaths) {
  WriteFileBytes(OnServer("a.txt"), "a");
  for (const char16_t* name : {u"", u"evil@127.0.0.1", u"127.0.0.1/a.txt", u"127.0.0.1 x"}) {
    EXPECT_EQ(stdproc::yReceiveFile(name, user, password, Local("a.txt"), u"a.txt", u"", 0, 2),
              Result(u"0"))
        << rt::ToUtf8(name);
  }
  EXPECT_EQ(
      stdproc::yReceiveFile(u"localhost", user, password, Local("a.txt"), u"a.txt", u"", 0, 2),
      Result(u"1"));
}

}  // namespace
