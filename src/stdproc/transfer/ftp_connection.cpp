#include "stdproc/transfer/ftp_connection.h"

#include <curl/curl.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "stdproc/transfer/ftp_line_ends.h"
#include "stdproc/transfer/ftp_test_port.h"
#include "stdproc/transfer/pending_file.h"

namespace stdproc::transfer {

namespace {

constexpr int32_t kStandardPort = 21;
int32_t testPort = 0;

// Enough for a slow line, short enough that a server which stops answering ends the call.
constexpr long kConnectTimeoutSeconds = 30;
constexpr long kAcceptTimeoutMs = 30000;
constexpr long kResponseTimeoutSeconds = 60;
constexpr long kLowSpeedBytes = 1;
constexpr long kLowSpeedSeconds = 60;

// A CR or LF would end the command line early and let the rest be read as a command of
// its own.
bool IsSafeCommandText(std::string_view text) {
  return text.find_first_of("\r\n") == std::string_view::npos;
}

std::string PercentEncoded(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (unsigned char c : bytes) {
    bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                      c == '-' || c == '.' || c == '_' || c == '~';
    if (unreserved) {
      encoded += static_cast<char>(c);
    } else {
      encoded += '%';
      encoded += kHex[c >> 4];
      encoded += kHex[c & 15];
    }
  }
  return encoded;
}

// "ftp://host:port/", or "" when the server name is not a host name. Going through the
// URL parser keeps characters like "@" or "/" in a server name from redirecting the call.
std::string BaseUrl(std::string host, int32_t port) {
  if (host.empty()) return "";
  if (host.find(':') != std::string::npos && host.front() != '[') host = "[" + host + "]";
  CURLU* url = curl_url();
  if (url == nullptr) return "";
  std::string result;
  char* text = nullptr;
  if (curl_url_set(url, CURLUPART_SCHEME, "ftp", 0) == CURLUE_OK &&
      curl_url_set(url, CURLUPART_HOST, host.c_str(), 0) == CURLUE_OK &&
      curl_url_set(url, CURLUPART_PORT, std::to_string(port).c_str(), 0) == CURLUE_OK &&
      curl_url_set(url, CURLUPART_PATH, "/", 0) == CURLUE_OK &&
      curl_url_get(url, CURLUPART_URL, &text, 0) == CURLUE_OK) {
    result = text;
  }
  curl_free(text);
  curl_url_cleanup(url);
  return result;
}

// Reads a local text file for sending in text mode.
struct TextUpload {
  std::ifstream in;
  CrLfEncoder encoder;
  std::string pending;
  size_t offset = 0;

  bool Refill() {
    char raw[65536];
    in.read(raw, sizeof raw);
    pending = encoder.Encode(std::string_view(raw, static_cast<size_t>(in.gcount())));
    offset = 0;
    return !pending.empty();
  }

  static size_t Read(char* buffer, size_t size, size_t count, void* self) {
    auto* upload = static_cast<TextUpload*>(self);
    if (upload->offset == upload->pending.size() && !upload->Refill()) {
      return upload->in.bad() ? CURL_READFUNC_ABORT : 0;
    }
    size_t n = std::min(size * count, upload->pending.size() - upload->offset);
    upload->pending.copy(buffer, n, upload->offset);
    upload->offset += n;
    return n;
  }
};

size_t WriteToPendingFile(char* data, size_t size, size_t count, void* file) {
  return static_cast<PendingFile*>(file)->Write(data, size * count) ? size * count : 0;
}

}  // namespace

void SetFtpPortForTests(int32_t port) { testPort = port; }

int32_t FtpPort() { return testPort > 0 ? testPort : kStandardPort; }

struct FtpConnection::Client {
  CURL* curl = nullptr;
  std::string baseUrl;
  // The local port of the logged-in control connection. A later request on any other
  // connection would have logged in afresh and lost the directory change, so it is
  // refused instead.
  long controlPort = 0;

  static int CheckSameConnection(void* self, char*, char*, int, int localPort) {
    long expected = static_cast<Client*>(self)->controlPort;
    return expected == 0 || expected == localPort ? CURL_PREREQFUNC_OK : CURL_PREREQFUNC_ABORT;
  }

  bool Perform(const std::string& url) {
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    return curl_easy_perform(curl) == CURLE_OK;
  }

  // A request that moves no file; `commands` run after the login.
  bool Command(curl_slist* commands) {
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl, CURLOPT_QUOTE, commands);
    bool ok = Perform(baseUrl);
    curl_easy_setopt(curl, CURLOPT_QUOTE, nullptr);
    curl_easy_setopt(curl, CURLOPT_NOBODY, 0L);
    return ok;
  }

  // Runs one transfer of `remote`; text mode asks the server for TYPE A itself, so that
  // the client passes the bytes through without its own line-end conversion.
  bool Transfer(rt::TextView remote, FtpMode mode) {
    std::string name = rt::ToUtf8(rt::Visible(remote));
    if (name.empty() || !IsSafeCommandText(name)) return false;
    curl_slist* typeA = nullptr;
    if (mode == FtpMode::kText) {
      typeA = curl_slist_append(nullptr, "TYPE A");
      if (typeA == nullptr) return false;
    }
    curl_easy_setopt(curl, CURLOPT_PREQUOTE, typeA);
    curl_easy_setopt(curl, CURLOPT_IGNORE_CONTENT_LENGTH, typeA != nullptr ? 1L : 0L);
    bool ok = Perform(baseUrl + PercentEncoded(name));
    curl_easy_setopt(curl, CURLOPT_PREQUOTE, nullptr);
    curl_slist_free_all(typeA);
    return ok;
  }
};

FtpConnection::FtpConnection() : client_(std::make_unique<Client>()) {
  CURL* curl = curl_easy_init();
  if (curl == nullptr) return;
  client_->curl = curl;
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_FTPPORT, "-");
  // Names go to the server as written; the client never splits them into CWD steps.
  curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_ACCEPTTIMEOUT_MS, kAcceptTimeoutMs);
  curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, kResponseTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, kLowSpeedBytes);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, kLowSpeedSeconds);
  curl_easy_setopt(curl, CURLOPT_PREREQFUNCTION, &Client::CheckSameConnection);
  curl_easy_setopt(curl, CURLOPT_PREREQDATA, client_.get());
}

FtpConnection::~FtpConnection() {
  if (client_->curl != nullptr) curl_easy_cleanup(client_->curl);
}

bool FtpConnection::IsOpen() const { return client_->curl != nullptr; }

bool FtpConnection::Connect(rt::TextView server, rt::TextView user, rt::TextView password) {
  if (!IsOpen() || client_->controlPort != 0) return false;
  std::string userName = rt::ToUtf8(rt::Visible(user));
  std::string secret = rt::ToUtf8(rt::Visible(password));
  if (!IsSafeCommandText(userName) || !IsSafeCommandText(secret)) return false;
  std::string base = BaseUrl(rt::ToUtf8(rt::Visible(server)), FtpPort());
  if (base.empty()) return false;
  CURL* curl = client_->curl;
  // Without a user name the login is anonymous, as the platform's own client does it.
  if (!userName.empty()) {
    curl_easy_setopt(curl, CURLOPT_USERNAME, userName.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, secret.c_str());
  }
  client_->baseUrl = base;
  if (!client_->Command(nullptr)) return false;
  long localPort = 0;
  if (curl_easy_getinfo(curl, CURLINFO_LOCAL_PORT, &localPort) != CURLE_OK || localPort <= 0) {
    return false;
  }
  client_->controlPort = localPort;
  return true;
}

bool FtpConnection::ChangeDirectory(rt::TextView directory) {
  if (client_->controlPort == 0) return false;
  std::string name = rt::ToUtf8(rt::Visible(directory));
  if (name.empty() || !IsSafeCommandText(name)) return false;
  curl_slist* command = curl_slist_append(nullptr, ("CWD " + name).c_str());
  if (command == nullptr) return false;
  bool ok = client_->Command(command);
  curl_slist_free_all(command);
  return ok;
}

bool FtpConnection::Receive(rt::TextView remoteFile, rt::TextView localFile, FtpMode mode) {
  if (client_->controlPort == 0) return false;
  PendingFile local(localFile);
  if (!local.IsOpen()) return false;
  CURL* curl = client_->curl;
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &WriteToPendingFile);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &local);
  bool ok = client_->Transfer(remoteFile, mode);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, nullptr);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, nullptr);
  return ok && local.Commit();
}

bool FtpConnection::Send(rt::TextView localFile, rt::TextView remoteFile) {
  if (client_->controlPort == 0) return false;
  TextUpload upload;
  upload.in.open(ToPath(localFile), std::ios::binary);
  if (!upload.in.is_open()) return false;
  CURL* curl = client_->curl;
  curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(curl, CURLOPT_READFUNCTION, &TextUpload::Read);
  curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
  bool ok = client_->Transfer(remoteFile, FtpMode::kText);
  curl_easy_setopt(curl, CURLOPT_UPLOAD, 0L);
  curl_easy_setopt(curl, CURLOPT_READFUNCTION, nullptr);
  curl_easy_setopt(curl, CURLOPT_READDATA, nullptr);
  return ok;
}

}  // namespace stdproc::transfer
