#include "runtime/text.h"

#include <algorithm>

namespace rt {

namespace {

// Every operation sees the text only up to its first 0 unit.
size_t Len(TextView text) { return Visible(text).size(); }

// A clamped 1-based start turned into a 0-based offset.
size_t StartOffset(int32_t start) { return start < 1 ? 0 : static_cast<size_t>(start) - 1; }

}  // namespace

TextView Visible(TextView text) {
  size_t end = text.find(u'\0');
  return end == TextView::npos ? text : text.substr(0, end);
}

int32_t TextLength(TextView text) { return static_cast<int32_t>(Len(text)); }

int32_t TextFind(TextView text, TextView search, int32_t start) {
  text = Visible(text);
  search = Visible(search);
  size_t from = StartOffset(start);
  if (text.empty() || search.empty() || from >= text.size()) return 0;
  size_t at = text.find(search, from);
  return at == TextView::npos ? 0 : static_cast<int32_t>(at + 1);
}

int32_t TextCount(TextView text, TextView search) {
  text = Visible(text);
  search = Visible(search);
  if (search.empty()) return 0;
  int32_t count = 0;
  for (size_t at = text.find(search); at != TextView::npos;
       at = text.find(search, at + search.size())) {
    ++count;
  }
  return count;
}

Text TextField(TextView text, int32_t index, TextView delimiter) {
  text = Visible(text);
  delimiter = Visible(delimiter);
  if (index < 1) return u"";
  if (delimiter.empty()) return index == 1 ? Text(text) : Text();
  size_t begin = 0;
  for (int32_t field = 1; field < index; ++field) {
    size_t at = text.find(delimiter, begin);
    if (at == TextView::npos) return u"";
    begin = at + delimiter.size();
  }
  size_t end = text.find(delimiter, begin);
  return Text(text.substr(begin, end == TextView::npos ? TextView::npos : end - begin));
}

Text TextReplace(TextView text, TextView search, TextView replacement) {
  text = Visible(text);
  search = Visible(search);
  replacement = Visible(replacement);
  if (search.empty()) return Text(text);
  Text result;
  result.reserve(text.size());
  size_t from = 0;
  for (size_t at = text.find(search); at != TextView::npos; at = text.find(search, from)) {
    result.append(text.substr(from, at - from)).append(replacement);
    from = at + search.size();
  }
  result.append(text.substr(from));
  return result;
}

Text TextMid(TextView text, int32_t start) {
  text = Visible(text);
  size_t from = StartOffset(start);
  return from >= text.size() ? Text() : Text(text.substr(from));
}

Text TextMid(TextView text, int32_t start, int32_t length) {
  text = Visible(text);
  size_t from = StartOffset(start);
  if (from >= text.size() || length <= 0) return u"";
  return Text(text.substr(from, static_cast<size_t>(length)));
}

Text TextLeft(TextView text, int32_t n) {
  text = Visible(text);
  return n <= 0 ? Text() : Text(text.substr(0, static_cast<size_t>(n)));
}

Text TextRight(TextView text, int32_t n) {
  text = Visible(text);
  if (n <= 0) return u"";
  size_t keep = std::min(text.size(), static_cast<size_t>(n));
  return Text(text.substr(text.size() - keep));
}

Text TextLTrim(TextView text) {
  text = Visible(text);
  size_t first = text.find_first_not_of(u' ');
  return first == TextView::npos ? Text() : Text(text.substr(first));
}

Text TextRTrim(TextView text) {
  text = Visible(text);
  size_t last = text.find_last_not_of(u' ');
  return last == TextView::npos ? Text() : Text(text.substr(0, last + 1));
}

Text TextTrim(TextView text) { return TextRTrim(TextLTrim(text)); }

Text TextPadRight(TextView text, int32_t length, TextView fill) {
  text = Visible(text);
  fill = Visible(fill);
  size_t want = length < 0 ? 0 : static_cast<size_t>(length);
  Text result(text.substr(0, want));
  result.resize(want, fill.empty() ? u' ' : fill.front());
  return result;
}

Text TextPadLeft(TextView text, int32_t length) {
  text = Visible(text);
  size_t want = length < 0 ? 0 : static_cast<size_t>(length);
  if (text.size() >= want) return Text(text.substr(0, want));
  return Text(want - text.size(), u' ') + Text(text);
}

Text TextSpaces(int32_t n) { return n <= 0 ? Text() : Text(static_cast<size_t>(n), u' '); }

Text TextChar(int32_t code) { return Text(1, static_cast<char16_t>(code)); }

int32_t TextCode(TextView text) { return text.empty() ? 0 : text.front(); }

}  // namespace rt
