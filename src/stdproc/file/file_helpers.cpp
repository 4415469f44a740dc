#include "stdproc/file/file_helpers.h"

#include <limits>
#include <vector>

#include "runtime/files.h"
#include "runtime/number.h"
#include "runtime/objects.h"
#include "stdproc/text/text_utils.h"
#include "stdproc/trace/trace.h"

namespace stdproc {

int32_t yReadFile(rt::TextView name) { return rt::FileOpenRead(rt::AnyNumber, name); }

int32_t yOpenFile(rt::TextView name) { return rt::FileOpen(rt::AnyNumber, name); }

int32_t yCreateFile(rt::TextView name) { return rt::FileCreate(rt::AnyNumber, name); }

rt::Text yReadTextFile(rt::TextView name, rt::TextView mode) {
  int32_t file = yReadFile(name);
  if (file == 0) return u"";
  const bool withLineEnds = rt::TextFind(mode, u"#WNL") > 0;
  const int32_t format = rt::FileTextFormat(file);
  rt::Text text;
  while (!rt::FileAtEnd(file)) {
    text += rt::FileReadLine(file, format);
    if (withLineEnds) text += u"\r\n";
  }
  rt::FileClose(file);
  return text;
}

int32_t yTokenCount(rt::TextView text, rt::TextView separator) {
  text = rt::Visible(text);
  separator = rt::Visible(separator);
  if (separator.empty()) return 0;
  // Counted in place, left to right without overlap: the line walk counts whole texts,
  // and copying one just to append a separator would double the cost.
  int32_t count = 0;
  size_t matchedUpTo = 0;
  for (size_t at = text.find(separator); at != rt::TextView::npos;
       at = text.find(separator, matchedUpTo)) {
    ++count;
    matchedUpTo = at + separator.size();
  }
  const rt::TextView trimmed = text.substr(0, text.find_last_not_of(u' ') + 1);
  if (trimmed.ends_with(separator)) return count;
  // The separator that closes the text may begin in its unmatched tail.
  rt::Text tail(text.substr(matchedUpTo));
  tail += separator;
  return count + rt::TextCount(tail, separator);
}

namespace {

constexpr rt::TextView kLineEnd = u"\r\n";

// Where the lines of a text lie, cut the way yTokenField cuts at CR LF in plain mode:
// every CR LF ends a line and the end of the text ends the last one (the CR LF it
// appends can never pair with a CR the text ends in). Offsets rather than strings, so
// starting a text of a million lines makes no million strings.
class LineCut {
 public:
  LineCut() = default;
  explicit LineCut(rt::TextView text) {
    text = rt::Visible(text);
    size_t from = 0;
    for (size_t at = text.find(kLineEnd); at != rt::TextView::npos;
         at = text.find(kLineEnd, from)) {
      spans_.push_back({from, at - from});
      from = at + kLineEnd.size();
    }
    spans_.push_back({from, text.size() - from});
  }
  // Line n (from 1) of the text this cut was made of; "" beyond the last line.
  rt::Text Line(const rt::Text& text, int32_t n) const {
    if (n < 1 || static_cast<size_t>(n) > spans_.size()) return rt::Text();
    const Span& span = spans_[static_cast<size_t>(n) - 1];
    return text.substr(span.from, span.length);
  }

 private:
  struct Span {
    size_t from, length;
  };
  std::vector<Span> spans_;
};

// Line n of a text that is not the one being walked, as yTokenField gives it; "" beyond
// the last line, where yTokenField would repeat the last one.
rt::Text LineOf(const rt::Text& text, int32_t n) {
  const int64_t count = rt::TextToInt(yTokenField(u"", text, kLineEnd, 0));
  return n <= count ? yTokenField(u"", text, kLineEnd, n) : rt::Text();
}

// The one walk of the process: where it stands, how many lines its text was started
// with, and that text with its cut, kept so an advance does not cut the text again.
struct LineWalk {
  int32_t index = 0;
  int32_t lineCount = 0;
  rt::Text text;
  LineCut cut;

  void Start(const rt::Text& started) {
    index = 0;
    lineCount = yTokenCount(started, kLineEnd);
    text = started;
    cut = LineCut(text);
  }
  // A caller may change its string between calls, even in place at the same length, so
  // only equal content counts; the compare is a plain memory compare, far cheaper than
  // cutting the text again.
  bool Walks(const rt::Text& candidate) const { return candidate == text; }
};

LineWalk& TheWalk() {
  static LineWalk walk;
  return walk;
}

}  // namespace

rt::Text yReadLine(const rt::Text& text, int32_t mode) {
  TracedRoutine trace(u"yReadLine");
  LineWalk& walk = TheWalk();
  if (mode == 0) {
    walk.Start(text);
  } else if (mode == -1 && walk.index < std::numeric_limits<int32_t>::max()) {
    ++walk.index;
  }
  const rt::Text line = walk.index == 0    ? rt::Text()
                        : walk.Walks(text) ? walk.cut.Line(walk.text, walk.index)
                                           : LineOf(text, walk.index);
  // A blank stands in for the start and for empty lines, so that only the end gives "".
  if (walk.index < walk.lineCount && (line.empty() || walk.index == 0)) return u" ";
  return line;
}

}  // namespace stdproc
