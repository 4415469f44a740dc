// Cutting a text into tokens at a separator, and a substring between two positions.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/text.h"

namespace stdproc {

// Returns token n of text cut at separator; n == 0 returns the token count in decimal.
// The separator is appended to the text unless the text, without trailing spaces, ends in
// that one-character separator. Mode words (case-sensitive): "#UC" upper-case, "#TUC"
// upper-case and trim, "#T" trim (the first found applies); "#ZWT" skips empty tokens
// after the first. A token number beyond the count, or a negative one, gives the last
// token; a separator that is never found gives "" ("0" for n == 0).
rt::Text yTokenField(rt::TextView mode, rt::TextView text, rt::TextView separator, int32_t n);

// The same tokens stored at tokens[1], tokens[2], ... (index 0 is not written); the
// vector grows when it is too short for them. Returns the token count.
int32_t yTokenArray(rt::TextView mode, rt::TextView text, std::vector<rt::Text>& tokens,
                    rt::TextView separator);

// Token n of the trimmed text. Double-quoted stretches are never cut. A run of spaces
// (separator " ") or of characters of separatorSet (separator "") is one boundary, and the
// next token starts just behind the run's first character; with a set, a leading set
// character is removed from the result. Mode "COUNT" (any case) returns the number of
// boundaries in decimal. A token number beyond the last boundary gives the last token;
// n <= 0 gives "".
rt::Text ySplit(rt::TextView mode, rt::TextView text, int32_t n, rt::TextView separator,
                rt::TextView separatorSet);

// The to - from + 1 characters from position from (a from below 1 counts as 1, so such a
// mid is longer than the positions from 1 to to); "" when to < 1 or to < from.
rt::Text yMidFromTo(rt::TextView text, int32_t from, int32_t to);

}  // namespace stdproc
