// Build step: compiles the program's documentation include into the C++ zDoku.
//   zdoku_gen <include.pbi> <output.cpp>
// Any doubt about the include stops the build, so a damaged include never turns into a
// program without a version.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "docgen/doku_include_reader.h"
#include "docgen/zdoku_source.h"

namespace {

bool ReadAll(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream content;
  content << in.rdbuf();
  bytes = content.str();
  return !in.bad();
}

// Written beside the target and renamed over it, so an interrupted build leaves no half file.
bool WriteAll(const std::string& path, const std::string& text) {
  const std::string partial = path + ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) return false;
  }
  std::error_code error;
  std::filesystem::rename(partial, path, error);
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: zdoku_gen <include.pbi> <output.cpp>\n";
    return 2;
  }
  const std::string include = argv[1];
  const std::string output = argv[2];
  // A stale zDoku from an earlier build must not outlive a failed one.
  std::remove(output.c_str());

  std::string bytes;
  if (!ReadAll(include, bytes)) {
    std::cerr << include << ": error: the documentation include cannot be read\n";
    return 1;
  }
  stdproc::doku::DokuTexts texts;
  stdproc::doku::DokuReadError error;
  if (!stdproc::doku::ReadDokuInclude(bytes, texts, error)) {
    std::cerr << include << ":" << error.line
              << ": error: malformed documentation include: " << error.message << "\n";
    return 1;
  }
  if (!WriteAll(output, stdproc::doku::ZDokuSource(texts))) {
    std::cerr << output << ": error: cannot be written\n";
    return 1;
  }
  return 0;
}
