// The preference reader on any file: whatever stands before a group cannot hide it, and a
// value comes back trimmed and on one line.
#include "fuzz_input.h"
#include "runtime/prefs.h"

namespace {

constexpr std::string_view kTail = "\n[fuzz tail]\n  tail key\t= tail value \n";

// A header that opens with "[fuzz tail" names the tail's group, closed or not.
bool NamesTheTail(rt::TextView text) {
  rt::Text folded(text);
  for (char16_t& c : folded) {
    if (c >= u'A' && c <= u'Z') c += u'a' - u'A';
  }
  return folded.find(u"[fuzz tail") != rt::Text::npos;
}

bool OneTrimmedLine(rt::TextView value) {
  return value.find_first_of(u"\r\n") == rt::TextView::npos &&
         (value.empty() || (value.front() != u' ' && value.front() != u'\t' &&
                            value.back() != u' ' && value.back() != u'\t'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const rt::Text group = input.Word();
  const rt::Text key = input.Word();
  const std::string content = input.Rest();
  const rt::Text file = fuzz::ScratchFile("prefs.ini", content + std::string(kTail));

  fuzz::Require(rt::PrefOpen(file) != 0, "an existing file opens");
  rt::PrefGroup(group);
  const rt::Text value = rt::PrefReadText(key, u"");
  fuzz::Require(OneTrimmedLine(value), "a value is one line without surrounding blanks");

  // Bytes that are not text still end at a line end, so the group behind them is found.
  if (!NamesTheTail(rt::FromLatin1(content))) {
    rt::PrefGroup(u"FUZZ TAIL");
    fuzz::Require(rt::PrefReadText(u"Tail Key", u"default") == u"tail value",
                  "a group after any content is found");
  }
  rt::PrefClose();
  return 0;
}
