#include "runtime/platform/private_profile.h"
#include "stdproc/transfer/transfer.h"

namespace stdproc {

int32_t yDeleteIniKey(rt::TextView section, rt::TextView key, rt::TextView iniFile) {
  rt::platform::DeleteProfileKey(rt::Text(section), rt::Text(key), rt::Text(iniFile));
  return 0;
}

int32_t yDeleteIniSection(rt::TextView section, rt::TextView iniFile) {
  rt::platform::DeleteProfileSection(rt::Text(section), rt::Text(iniFile));
  return 0;
}

}  // namespace stdproc
