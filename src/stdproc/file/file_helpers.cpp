#include "stdproc/file/file_helpers.h"

#include <limits>
#include <vector>

#include "runtime/files.h"
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
  if (rt::TextRTrim(text).ends_with(separator)) return rt::TextCount(text, separator);
  rt::Text closed(text);
  closed += separator;
  return rt::TextCount(closed, separator);
}

namespace {

constexpr const char16_t* kLineEnd = u"\r\n";

// A text cut into lines the way yTokenField cuts it at CR LF.
class LineCut {
 public:
  LineCut() = default;
  explicit LineCut(const rt::Text& text) : count_(yTokenArray(u"", text, lines_, kLineEnd)) {}
  // Line n from 1; "" beyond the last (where yTokenField would repeat the last one, which
  // the walk never hands out).
  rt::Text Line(int32_t n) const { return n >= 1 && n <= count_ ? lines_[n] : rt::Text(); }

 private:
  std::vector<rt::Text> lines_;
  int32_t count_ = 0;
};

// The one walk of the process: where it stands, how many lines its text was started
// with, and that text's cut, kept so an advance does not cut the whole text again.
struct LineWalk {
  int32_t index = 0;
  int32_t lineCount = 0;
  rt::Text text;
  const char16_t* heldAt = nullptr;  // where the caller's string held the text at its start
  LineCut cut;

  void Start(const rt::Text& started) {
    index = 0;
    lineCount = yTokenCount(started, kLineEnd);
    text = started;
    heldAt = started.data();
    cut = LineCut(started);
  }
  // The caller's own string is recognised without comparing it; any other string must
  // equal the started text.
  bool Walks(const rt::Text& candidate) const {
    return candidate.size() == text.size() && (candidate.data() == heldAt || candidate == text);
  }
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
                        : walk.Walks(text) ? walk.cut.Line(walk.index)
                                           : LineCut(text).Line(walk.index);
  // A blank stands in for the start and for empty lines, so that only the end gives "".
  if (walk.index < walk.lineCount && (line.empty() || walk.index == 0)) return u" ";
  return line;
}

}  // namespace stdproc
