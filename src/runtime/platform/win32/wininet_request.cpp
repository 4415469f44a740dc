#include "runtime/platform/win32/wininet_request.h"

#include <windows.h>
#include <wininet.h>

#include <memory>
#include <optional>
#include <vector>

#include "runtime/platform/win32/wide_text.h"

namespace rt::platform::win32 {

namespace {

using Clock = std::chrono::steady_clock;
using End = HttpResult::End;

constexpr int kMaxRedirects = 10;
constexpr DWORD kPieceBytes = 64 * 1024;

// A wallpaper changer wants today's page and picture, never a cache's or a proxy's stored
// copy. No content coding is asked for, so a coded answer is one the server forced on us.
constexpr wchar_t kNoCacheHeaders[] = L"Cache-Control: no-cache\r\nPragma: no-cache\r\n";
constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                                INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_NO_AUTO_REDIRECT |
                                INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI;

struct HandleCloser {
  void operator()(void* handle) const { InternetCloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

std::string ErrorText(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE |
                                     FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                 GetModuleHandleW(L"wininet.dll"), code, 0,
                                 reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message(text ? text : L"", n);
  LocalFree(text);
  while (!message.empty() && iswspace(message.back())) message.pop_back();
  return "WinINet-Fehler " + std::to_string(code) + (message.empty() ? "" : ": " + Utf8(message));
}

HttpResult Ended(End end, std::string error, HttpResult result = {}) {
  result.end = end;
  result.error = std::move(error);
  return result;
}

HttpResult LastError(HttpResult result = {}) {
  const DWORD code = GetLastError();
  return Ended(code == ERROR_INTERNET_TIMEOUT ? End::TimedOut : End::Failed, ErrorText(code),
               result);
}

bool IsHttp(const std::wstring& address) {
  URL_COMPONENTSW parts{};
  parts.dwStructSize = sizeof parts;
  parts.dwSchemeLength = 1;
  return InternetCrackUrlW(address.c_str(), 0, 0, &parts) &&
         (parts.nScheme == INTERNET_SCHEME_HTTP || parts.nScheme == INTERNET_SCHEME_HTTPS);
}

std::optional<std::wstring> Header(HINTERNET request, DWORD query) {
  DWORD size = 0;
  if (HttpQueryInfoW(request, query, nullptr, &size, nullptr) ||
      GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
    return std::nullopt;
  }
  std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
  if (!HttpQueryInfoW(request, query, value.data(), &size, nullptr)) return std::nullopt;
  value.resize(size / sizeof(wchar_t));
  return value;
}

int32_t Status(HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof status;
  return HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                        nullptr)
             ? static_cast<int32_t>(status)
             : 0;
}

// The announced body length; -1 when none was announced.
int64_t AnnouncedLength(HINTERNET request) {
  const std::optional<std::wstring> length = Header(request, HTTP_QUERY_CONTENT_LENGTH);
  return length && !length->empty() ? _wtoi64(length->c_str()) : -1;
}

bool ArrivedCoded(HINTERNET request) {
  const std::optional<std::wstring> coding = Header(request, HTTP_QUERY_CONTENT_ENCODING);
  return coding && !coding->empty() && lstrcmpiW(coding->c_str(), L"identity") != 0;
}

// Where a redirect answer sends us, resolved against the address that gave it; nullopt
// when the answer is no redirect, "" (refused as no http address) when it cannot be read.
std::optional<std::wstring> RedirectTarget(HINTERNET request, int32_t status,
                                           const std::wstring& from) {
  if (status != 301 && status != 302 && status != 303 && status != 307 && status != 308) {
    return std::nullopt;
  }
  const std::optional<std::wstring> location = Header(request, HTTP_QUERY_LOCATION);
  if (!location || location->empty()) return std::nullopt;
  std::vector<wchar_t> target(INTERNET_MAX_URL_LENGTH + 1);
  DWORD size = static_cast<DWORD>(target.size());
  if (!InternetCombineUrlW(from.c_str(), location->c_str(), target.data(), &size, ICU_NO_ENCODE)) {
    return std::wstring();
  }
  return std::wstring(target.data(), size);
}

void SetTimeouts(HINTERNET internet, const HttpLimits& limits) {
  DWORD connect = static_cast<DWORD>(limits.connectTimeoutMs);
  DWORD silence = static_cast<DWORD>(limits.stallSeconds) * 1000;
  DWORD once = 1;
  InternetSetOptionW(internet, INTERNET_OPTION_CONNECT_TIMEOUT, &connect, sizeof connect);
  InternetSetOptionW(internet, INTERNET_OPTION_CONNECT_RETRIES, &once, sizeof once);
  // A server silent for the whole low-speed time is as slow as a server can be.
  InternetSetOptionW(internet, INTERNET_OPTION_SEND_TIMEOUT, &silence, sizeof silence);
  InternetSetOptionW(internet, INTERNET_OPTION_RECEIVE_TIMEOUT, &silence, sizeof silence);
}

// Reads the body of an answer whose head has come; result already holds status and coding.
HttpResult ReadBody(HINTERNET request, const HttpLimits& limits, Clock::time_point deadline,
                    const PieceSink& deliver, HttpResult result) {
  const int64_t announced = AnnouncedLength(request);
  if (announced > limits.maxBytes)
    return Ended(End::TooLarge, "angekündigte Länge zu groß", result);
  const auto stallTime = std::chrono::seconds(limits.stallSeconds);
  auto windowStart = Clock::now();
  int64_t windowBytes = 0;
  std::vector<char> buffer(kPieceBytes);
  while (true) {
    // Waits only for what has arrived, so a dripping server is measured piece by piece.
    DWORD available = 0;
    if (!InternetQueryDataAvailable(request, &available, 0, 0)) return LastError(result);
    DWORD n = 0;
    if (available > 0 &&
        !InternetReadFile(request, buffer.data(), std::min(available, kPieceBytes), &n)) {
      return LastError(result);
    }
    if (n == 0) {
      if (announced >= 0 && result.bytes < announced) {
        return Ended(End::Failed, "Verbindung vor dem Ende der Antwort getrennt", result);
      }
      result.end = End::Complete;
      return result;
    }
    if (result.bytes + n > limits.maxBytes) return Ended(End::TooLarge, "zu groß", result);
    if (!deliver(std::string_view(buffer.data(), n))) {
      return Ended(End::SinkFailed, "Empfänger nimmt nichts mehr", result);
    }
    result.bytes += n;
    windowBytes += n;
    const auto now = Clock::now();
    if (now >= deadline) return Ended(End::TimedOut, "Gesamtzeit abgelaufen", result);
    if (now - windowStart >= stallTime) {
      const auto seconds = std::chrono::duration<double>(now - windowStart).count();
      if (windowBytes < limits.lowSpeedBytesPerSecond * seconds) {
        return Ended(End::TimedOut,
                     "langsamer als " + std::to_string(limits.lowSpeedBytesPerSecond) + " Bytes/s",
                     result);
      }
      windowStart = now;
      windowBytes = 0;
    }
  }
}

}  // namespace

HttpResult WinInetGet(const std::string& address, const HttpLimits& limits,
                      Clock::time_point deadline, const PieceSink& deliver) {
  const Handle internet(
      InternetOpenW(L"Pendrel", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!internet) return LastError();
  SetTimeouts(internet.get(), limits);
  std::wstring current = Wide(address);
  for (int hop = 0; hop <= kMaxRedirects; ++hop) {
    // Redirects too may lead only to http and https, never to a file or FTP address.
    if (!IsHttp(current))
      return Ended(End::Failed, "keine http- oder https-Adresse: " + Utf8(current));
    const Handle request(InternetOpenUrlW(internet.get(), current.c_str(), kNoCacheHeaders,
                                          static_cast<DWORD>(std::size(kNoCacheHeaders) - 1),
                                          kRequestFlags, 0));
    if (!request) return LastError();
    if (Clock::now() >= deadline) return Ended(End::TimedOut, "Gesamtzeit abgelaufen");
    HttpResult result;
    result.status = Status(request.get());
    result.coded = ArrivedCoded(request.get());
    const std::optional<std::wstring> target =
        RedirectTarget(request.get(), result.status, current);
    if (!target) return ReadBody(request.get(), limits, deadline, deliver, result);
    current = *target;
  }
  // Built in steps: GCC 12 takes "literal" + std::string&& for an overlapping copy.
  std::string tooMany = "mehr als ";
  tooMany += std::to_string(kMaxRedirects);
  tooMany += " Weiterleitungen";
  return Ended(End::Failed, tooMany);
}

}  // namespace rt::platform::win32
