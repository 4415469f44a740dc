// Under Wine a test starts two kinds of children: Windows programs (names ending in .exe),
// which get a process handle as usual, and the Linux peers (python servers, shells), which
// Wine starts detached. Those run below unix_child.py, which ends them when its control
// socket closes and reports their exit code on it. Both kinds write their outputs into
// loopback sockets, the one kind of handle that Wine can give a Linux program.
#include "support/process.h"

#include <winsock2.h>
// windows.h after winsock2.h, which it would otherwise shadow with the old winsock.h.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cwchar>
#include <stdexcept>
#include <thread>
#include <utility>

#include "runtime/platform/win32/wide_text.h"

namespace testsupport {

namespace {

using Clock = std::chrono::steady_clock;
using rt::platform::Utf8;
using rt::platform::Wide;

constexpr const char* kUnixChild = PENDREL_TEST_SOURCE_DIR "/tests/support/win32/unix_child.py";

void StartWinsock() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  if (!started) throw std::runtime_error("WSAStartup failed");
}

// A connected pair of blocking loopback sockets; the first end is inheritable.
std::pair<SOCKET, SOCKET> SocketPair() {
  StartWinsock();
  SOCKET listener = WSASocketW(AF_INET, SOCK_STREAM, IPPROTO_TCP, nullptr, 0, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int length = sizeof address;
  SOCKET theirs = WSASocketW(AF_INET, SOCK_STREAM, IPPROTO_TCP, nullptr, 0, 0);
  SOCKET ours = INVALID_SOCKET;
  if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      listen(listener, 1) == 0 &&
      getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) == 0 &&
      connect(theirs, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
    ours = accept(listener, nullptr, nullptr);
  }
  closesocket(listener);
  if (ours == INVALID_SOCKET) {
    closesocket(theirs);
    throw std::runtime_error("no loopback socket pair");
  }
  SetHandleInformation(reinterpret_cast<HANDLE>(theirs), HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
  return {theirs, ours};
}

// Quoted so that the child's argument parser gives back exactly `argument`.
std::wstring Quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    return argument;
  }
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

bool IsWindowsProgram(const std::string& program) {
  if (program.size() < 4) return false;
  std::string suffix = program.substr(program.size() - 4);
  std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return suffix == ".exe";
}

// This process's environment with the options' changes, as CreateProcessW takes it.
std::wstring EnvironmentBlock(const ProcessOptions& options) {
  std::vector<std::wstring> entries;
  wchar_t* strings = GetEnvironmentStringsW();
  for (const wchar_t* entry = strings; *entry != 0; entry += wcslen(entry) + 1) {
    entries.emplace_back(entry);
  }
  FreeEnvironmentStringsW(strings);
  for (const auto& [name, value] : options.env) {
    const std::wstring prefix = Wide(name) + L"=";
    std::erase_if(entries, [&](const std::wstring& entry) {
      return _wcsnicmp(entry.c_str(), prefix.c_str(), prefix.size()) == 0;
    });
    if (value) entries.push_back(prefix + Wide(*value));
  }
  std::wstring block;
  for (const std::wstring& entry : entries) block += entry + L'\0';
  return block + L'\0';
}

// What a Linux child is started as: the go-between with the options as its arguments.
std::vector<std::string> UnixCommand(const std::vector<std::string>& argv,
                                     const ProcessOptions& options) {
  std::vector<std::string> command = {SystemPython(), kUnixChild};
  if (!options.workingDirectory.empty()) {
    command.insert(command.end(), {"--cd", PeerPath(options.workingDirectory)});
  }
  for (const auto& [name, value] : options.env) {
    if (value) {
      command.insert(command.end(), {"--set", name + "=" + *value});
    } else {
      command.insert(command.end(), {"--unset", name});
    }
  }
  command.push_back("--");
  command.insert(command.end(), argv.begin(), argv.end());
  return command;
}

// Waits up to timeout for data on the socket and appends it; -1 once it is closed,
// 0 when nothing came.
int Receive(SOCKET socket, std::string& into, std::chrono::milliseconds timeout) {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(socket, &readable);
  timeval wait{static_cast<long>(timeout.count() / 1000),
               static_cast<long>(timeout.count() % 1000 * 1000)};
  if (select(0, &readable, nullptr, nullptr, &wait) <= 0) return 0;
  char buffer[4096];
  const int n = recv(socket, buffer, sizeof buffer, 0);
  if (n <= 0) return -1;
  into.append(buffer, static_cast<size_t>(n));
  return n;
}

}  // namespace

std::string PeerPath(const std::filesystem::path& path) {
  using ToUnix = char*(CDECL*)(const wchar_t*);
  static const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (toUnix == nullptr) return path.string();
  char* unixName = toUnix(std::filesystem::absolute(path).wstring().c_str());
  if (unixName == nullptr) return path.string();
  std::string name = unixName;
  HeapFree(GetProcessHeap(), 0, unixName);
  return name;
}

struct Process::Channels {
  SOCKET control = INVALID_SOCKET;  // a Linux child's go-between
  SOCKET out = INVALID_SOCKET;
  SOCKET err = INVALID_SOCKET;
  HANDLE process = nullptr;  // a Windows child
  std::string controlText;
};

Process::Process(const std::vector<std::string>& argv, const ProcessOptions& options)
    : channels_(std::make_unique<Channels>()) {
  const bool windows = IsWindowsProgram(argv.at(0));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  std::vector<SOCKET> childEnds;
  auto channel = [&](SOCKET& ours, HANDLE& theirs) {
    auto [child, parent] = SocketPair();
    childEnds.push_back(child);
    ours = parent;
    theirs = reinterpret_cast<HANDLE>(child);
  };
  if (!windows) channel(channels_->control, startup.hStdInput);
  if (options.captureStdout) channel(channels_->out, startup.hStdOutput);
  if (options.captureStderr) channel(channels_->err, startup.hStdError);

  std::wstring commandLine;
  for (const std::string& argument : windows ? argv : UnixCommand(argv, options)) {
    commandLine += (commandLine.empty() ? L"" : L" ") + Quoted(Wide(argument));
  }
  const std::wstring program = windows ? Wide(argv[0]) : L"Z:" + Wide(std::string(SystemPython()));
  std::wstring environment = EnvironmentBlock(options);
  const std::wstring directory =
      windows && !options.workingDirectory.empty() ? options.workingDirectory.wstring() : L"";
  PROCESS_INFORMATION info{};
  const BOOL started =
      CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                     CREATE_UNICODE_ENVIRONMENT, windows ? environment.data() : nullptr,
                     directory.empty() ? nullptr : directory.c_str(), &startup, &info);
  for (SOCKET end : childEnds) closesocket(end);
  if (!started) {
    throw std::runtime_error("cannot start " + argv[0] + " (error " +
                             std::to_string(GetLastError()) + ")");
  }
  pid_ = static_cast<pid_t>(info.dwProcessId);
  if (info.hThread) CloseHandle(info.hThread);
  channels_->process = info.hProcess;
}

Process::~Process() {
  Kill();
  for (SOCKET s : {channels_->control, channels_->out, channels_->err}) {
    if (s != INVALID_SOCKET) closesocket(s);
  }
  if (channels_->process) CloseHandle(channels_->process);
}

void Process::Kill() {
  if (reaped_) return;
  reaped_ = true;
  if (channels_->process) {
    TerminateProcess(channels_->process, 1);
    WaitForSingleObject(channels_->process, 5000);
    return;
  }
  // The go-between ends its child and then itself once this side stops sending.
  shutdown(channels_->control, SD_SEND);
  const auto deadline = Clock::now() + std::chrono::seconds(5);
  while (Clock::now() < deadline &&
         Receive(channels_->control, channels_->controlText, std::chrono::milliseconds(100)) >= 0) {
  }
}

std::optional<std::string> Process::ReadStdoutLine(std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (true) {
    if (auto line = TakeLine()) return line;
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (channels_->out == INVALID_SOCKET || left.count() <= 0) return std::nullopt;
    if (Receive(channels_->out, stdout_, left) < 0) return std::nullopt;
  }
}

void Process::Drain(bool untilClosed) {
  const auto wait = untilClosed ? std::chrono::milliseconds(1000) : std::chrono::milliseconds(0);
  for (auto [socket, into] : {std::pair{channels_->out, &stdout_}, {channels_->err, &stderr_}}) {
    if (socket == INVALID_SOCKET) continue;
    while (Receive(socket, *into, wait) > 0) {
    }
  }
}

std::optional<int> Process::Wait(std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (Clock::now() < deadline) {
    Drain(false);
    if (channels_->process) {
      if (WaitForSingleObject(channels_->process, 5) == WAIT_OBJECT_0) {
        reaped_ = true;
        Drain(true);
        DWORD code = 0;
        GetExitCodeProcess(channels_->process, &code);
        return static_cast<int>(code);
      }
      continue;
    }
    const int got =
        Receive(channels_->control, channels_->controlText, std::chrono::milliseconds(5));
    if (channels_->controlText.find('\n') != std::string::npos || got < 0) {
      reaped_ = true;
      Drain(true);
      return got < 0 && channels_->controlText.empty() ? 255 : std::stoi(channels_->controlText);
    }
  }
  Kill();
  return std::nullopt;
}

}  // namespace testsupport
