#include "runtime/runtime.h"

namespace rt {

void RuntimeStart(int argc, char** argv) { ParamInit(argc, argv); }

void RuntimeEnd() {
  PrefClose();
  LibraryCloseAll();
  WindowCloseAll();
  FileCloseAll();
}

}  // namespace rt
