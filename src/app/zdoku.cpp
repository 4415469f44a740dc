#include "app/zdoku.h"

namespace pendrel {

rt::Text zDoku(rt::TextView xFkt) {
  if (xFkt == u"V") return u"  V 1.00";
  if (xFkt == u"A") return u"V 1.00 10.03.2015 (*RV) Programm erstellt\r\n";
  return u"";
}

}  // namespace pendrel
