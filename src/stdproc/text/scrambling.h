// Making a text unreadable with a key, and restoring it.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/text.h"

namespace stdproc {

// Exclusive-or of the first as many bytes of the text's storage (two per character, low
// byte first) as the text has characters with an RC4 keystream; the key's character codes
// are taken modulo 256. The same call on the result restores the text. The result keeps
// its length even where a character comes out as 0, so that it still restores.
rt::Text yCryptStream(rt::TextView text, rt::TextView key);

// Shift of each character by the code of the key character at its position (the key
// repeating), modulo 255 on the codes 1 to 255. A character equal to its key character
// encodes to 255. Each key code s owns a window of 255 codes, 1..255 when s <= 255 and
// s-254..s otherwise, where the shift applies; codes above the window are kept, codes
// below it move up by 255. So yDecodeText(yEncodeText(x, k), k) == x for every text and
// every key; an empty key leaves the text unchanged.
rt::Text yEncodeText(rt::TextView text, rt::TextView key);
rt::Text yDecodeText(rt::TextView text, rt::TextView key);

// keyCodes[((position - 1) mod u) + 1] with u the highest index of keyCodes; 0 when u < 1
// or position < 1.
int32_t yKeyCode(int32_t position, const std::vector<int32_t>& keyCodes);
// code - shift, plus 255 when negative.
int32_t ySubCode(int32_t code, int32_t shift);
// code + shift, minus 255 when above 255.
int32_t yAddCode(int32_t code, int32_t shift);

}  // namespace stdproc
