#include "runtime/platform/system.h"
#include "runtime/text.h"

namespace rt {

namespace {

template <class Map>
Text MapEach(TextView text, Map map) {
  text = Visible(text);
  Text result(text);
  for (char16_t& c : result) c = map(c);
  return result;
}

}  // namespace

Text TextUpper(TextView text) { return MapEach(text, platform::UpperCase); }
Text TextLower(TextView text) { return MapEach(text, platform::LowerCase); }

}  // namespace rt
