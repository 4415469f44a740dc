#include <windows.h>

#include "app/run_pendrel.h"
#include "runtime/runtime.h"

// A GUI program: no console window opens when it starts at logon. Its command line is the
// one Windows keeps, in UTF-16 and unsplit, as the family's parameter reader expects it.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  rt::RuntimeStart(0, nullptr);
  rt::ParamSetCommandLine(reinterpret_cast<const char16_t*>(GetCommandLineW()));
  return pendrel::RunPendrel();
}
