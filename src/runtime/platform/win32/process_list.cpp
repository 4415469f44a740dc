#include "runtime/platform/process_list.h"

#include <windows.h>

#include <array>

#include "runtime/platform/win32/wide_text.h"

namespace rt::platform {

namespace {

// The family's identifier table: 10000 bytes offered, so at most 2500 processes are looked at.
constexpr DWORD kTableBytes = 10000;
constexpr DWORD kNameBuffer = 255;

using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
using GetModuleBaseNameFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);

template <class Fn>
Fn Lookup(HMODULE library, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// The executable's base name: the process's first module.
std::string ExecutableName(DWORD id, EnumProcessModulesFn firstModule,
                           GetModuleBaseNameFn baseName) {
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
  if (process == nullptr) return "";
  HMODULE module = nullptr;
  DWORD needed = 0;
  std::array<wchar_t, kNameBuffer> name{};
  DWORD length = 0;
  if (firstModule(process, &module, sizeof module, &needed)) {
    length = baseName(process, module, name.data(), kNameBuffer);
  }
  CloseHandle(process);
  return Utf8(std::wstring_view(name.data(), length));
}

}  // namespace

// psapi is loaded by name, as the family always did, so a system without it counts none.
std::vector<std::string> ProcessExecutablePaths() {
  std::vector<std::string> names;
  HMODULE psapi = LoadLibraryW(L"psapi.dll");
  if (psapi == nullptr) return names;
  auto enumProcesses = Lookup<EnumProcessesFn>(psapi, "EnumProcesses");
  auto firstModule = Lookup<EnumProcessModulesFn>(psapi, "EnumProcessModules");
  auto baseName = Lookup<GetModuleBaseNameFn>(psapi, "GetModuleBaseNameW");
  std::array<DWORD, kTableBytes / sizeof(DWORD) + 1> ids{};
  DWORD bytes = 0;
  if (enumProcesses && firstModule && baseName && enumProcesses(ids.data(), kTableBytes, &bytes)) {
    for (DWORD i = 0; i < bytes / sizeof(DWORD); ++i) {
      std::string name = ExecutableName(ids[i], firstModule, baseName);
      if (!name.empty()) names.push_back(std::move(name));
    }
  }
  FreeLibrary(psapi);
  return names;
}

}  // namespace rt::platform
