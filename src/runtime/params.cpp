#include "runtime/params.h"

namespace rt {

namespace {

struct CommandLine {
  Text text;
  size_t cursor = 0;
  bool programSkipped = false;
};

CommandLine& TheCommandLine() {
  static CommandLine line;
  return line;
}

// Reads the next token at or after the cursor into token; false at the end of the line.
bool NextToken(CommandLine& line, Text& token) {
  const Text& text = line.text;
  size_t& i = line.cursor;
  while (i < text.size() && text[i] == u' ') ++i;
  if (i >= text.size()) return false;
  if (text[i] == u'"') {
    size_t close = text.find(u'"', i + 1);
    size_t end = close == Text::npos ? text.size() : close;
    token = text.substr(i + 1, end - i - 1);
    i = close == Text::npos ? text.size() : close + 1;
  } else {
    size_t end = text.find(u' ', i);
    if (end == Text::npos) end = text.size();
    token = text.substr(i, end - i);
    i = end;
  }
  return true;
}

}  // namespace

void ParamSetCommandLine(TextView commandLine) {
  TheCommandLine() = CommandLine{Text(Visible(commandLine))};
}

void ParamInit(int argc, char** argv) {
  Text line;
  for (int k = 0; k < argc; ++k) {
    Text arg = FromUtf8(argv[k]);
    if (k > 0) line += u' ';
    // Quoting keeps an argument with spaces (or an empty one) a single token.
    const bool quote = arg.empty() || arg.find(u' ') != Text::npos;
    line += quote ? u"\"" + arg + u"\"" : arg;
  }
  ParamSetCommandLine(line);
}

Text ParamNext() {
  CommandLine& line = TheCommandLine();
  Text token;
  if (!line.programSkipped) {
    line.programSkipped = true;
    if (!NextToken(line, token)) return u"";
  }
  return NextToken(line, token) ? token : Text();
}

}  // namespace rt
