#include "stdproc/text/string_field.h"

#include "stdproc/trace/trace.h"

namespace stdproc {

rt::Text yStringField(rt::TextView text, int32_t index, rt::TextView delimiter) {
  TracedRoutine trace(u"yStringField");
  text = rt::Visible(text);
  delimiter = rt::Visible(delimiter);
  bool singleQuoted = false;
  bool doubleQuoted = false;
  int32_t depth = 0;
  int32_t field = 0;
  bool found = false;
  rt::Text result;
  for (const char16_t c : text) {
    // Quotes and parentheses are tracked independently of each other, as a line typed by
    // hand may mix them.
    switch (c) {
      case u'\'':
        singleQuoted = !singleQuoted;
        break;
      case u'"':
        doubleQuoted = !doubleQuoted;
        break;
      case u'(':
        ++depth;
        break;
      case u')':
        --depth;
        break;
      default:
        break;
    }
    if (!singleQuoted && !doubleQuoted && depth == 0 && delimiter.size() == 1 &&
        c == delimiter[0]) {
      ++field;
    }
    if (field == index) {
      found = true;
      result += c;
    } else if (found) {
      break;
    }
  }
  return result;
}

}  // namespace stdproc
