#include "runtime/platform/ftp_session.h"

#include <curl/curl.h>

#include <cstdio>

namespace rt::platform {

namespace {

// Enough for a slow line, short enough that a server which stops answering ends the call.
constexpr long kConnectTimeoutSeconds = 30;
constexpr long kAcceptTimeoutMs = 30000;
constexpr long kResponseTimeoutSeconds = 60;
constexpr long kLowSpeedBytes = 1;
constexpr long kLowSpeedSeconds = 60;

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

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

File OpenLocal(const std::string& name, const char* mode) {
  return File(name.empty() ? nullptr : std::fopen(name.c_str(), mode), &std::fclose);
}

}  // namespace

struct FtpSession::State {
  CURL* curl = nullptr;
  std::string baseUrl;
  // The local port of the logged-in control connection. A later request on any other
  // connection would have logged in afresh and lost the directory change, so it is
  // refused instead.
  long controlPort = 0;

  static int CheckSameConnection(void* self, char*, char*, int, int localPort) {
    long expected = static_cast<State*>(self)->controlPort;
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

  // Runs one transfer of `remote`; ASCII asks the server for TYPE A itself, so that the
  // client passes the bytes through without its own line-end conversion.
  bool Transfer(const std::string& remote, FtpTransferType type) {
    if (controlPort == 0 || remote.empty()) return false;
    curl_slist* typeA = nullptr;
    if (type == FtpTransferType::kAscii) {
      typeA = curl_slist_append(nullptr, "TYPE A");
      if (typeA == nullptr) return false;
    }
    curl_easy_setopt(curl, CURLOPT_PREQUOTE, typeA);
    curl_easy_setopt(curl, CURLOPT_IGNORE_CONTENT_LENGTH, typeA != nullptr ? 1L : 0L);
    bool ok = Perform(baseUrl + PercentEncoded(remote));
    curl_easy_setopt(curl, CURLOPT_PREQUOTE, nullptr);
    curl_slist_free_all(typeA);
    return ok;
  }
};

FtpSession::FtpSession() : state_(std::make_unique<State>()) {
  CURL* curl = curl_easy_init();
  if (curl == nullptr) return;
  state_->curl = curl;
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
  curl_easy_setopt(curl, CURLOPT_PREREQFUNCTION, &State::CheckSameConnection);
  curl_easy_setopt(curl, CURLOPT_PREREQDATA, state_.get());
}

FtpSession::~FtpSession() {
  if (state_->curl != nullptr) curl_easy_cleanup(state_->curl);
}

bool FtpSession::IsOpen() const { return state_->curl != nullptr; }

bool FtpSession::Connect(const std::string& server, int32_t port, const std::string& user,
                         const std::string& password) {
  if (!IsOpen() || state_->controlPort != 0) return false;
  std::string base = BaseUrl(server, port);
  if (base.empty()) return false;
  CURL* curl = state_->curl;
  if (!user.empty()) {
    curl_easy_setopt(curl, CURLOPT_USERNAME, user.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, password.c_str());
  }
  state_->baseUrl = base;
  if (!state_->Command(nullptr)) return false;
  long localPort = 0;
  if (curl_easy_getinfo(curl, CURLINFO_LOCAL_PORT, &localPort) != CURLE_OK || localPort <= 0) {
    return false;
  }
  state_->controlPort = localPort;
  return true;
}

bool FtpSession::ChangeDirectory(const std::string& directory) {
  if (state_->controlPort == 0 || directory.empty()) return false;
  curl_slist* command = curl_slist_append(nullptr, ("CWD " + directory).c_str());
  if (command == nullptr) return false;
  bool ok = state_->Command(command);
  curl_slist_free_all(command);
  return ok;
}

bool FtpSession::GetFile(const std::string& remoteFile, const std::string& localFile,
                         FtpTransferType type) {
  File local = OpenLocal(localFile, "wb");
  if (!local) return false;
  CURL* curl = state_->curl;
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, nullptr);  // fwrite
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, local.get());
  bool ok = state_->Transfer(remoteFile, type);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, nullptr);
  return std::fflush(local.get()) == 0 && !std::ferror(local.get()) && ok;
}

bool FtpSession::PutAsciiFile(const std::string& localFile, const std::string& remoteFile) {
  File local = OpenLocal(localFile, "rb");
  if (!local) return false;
  CURL* curl = state_->curl;
  curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(curl, CURLOPT_READFUNCTION, nullptr);  // fread
  curl_easy_setopt(curl, CURLOPT_READDATA, local.get());
  bool ok = state_->Transfer(remoteFile, FtpTransferType::kAscii);
  curl_easy_setopt(curl, CURLOPT_UPLOAD, 0L);
  curl_easy_setopt(curl, CURLOPT_READDATA, nullptr);
  return ok;
}

}  // namespace rt::platform
