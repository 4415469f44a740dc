#include "runtime/files.h"
#include "stdproc/text/small_helpers.h"

namespace stdproc {

int32_t yWriteTextFile(rt::TextView fileName, rt::TextView text, int32_t format) {
  const int32_t file = rt::FileCreate(rt::AnyNumber, fileName);
  if (file == 0) return 0;
  const int32_t written = rt::FileWriteText(file, text, format);
  rt::FileClose(file);
  return written;
}

}  // namespace stdproc
