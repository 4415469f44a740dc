#include "app/run_pendrel.h"
#include "runtime/runtime.h"

int main(int argc, char** argv) {
  rt::RuntimeStart(argc, argv);
  return pendrel::RunPendrel();
}
