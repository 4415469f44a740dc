// Calls routines of each installed library and exits 1 on the first wrong result, so a
// package that builds but links or behaves wrongly is caught.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "docgen/docgen.h"
#include "runtime/runtime.h"
#include "stdproc/stdproc.h"

namespace {

int failures = 0;

void Expect(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "wrong result: %s\n", what);
    ++failures;
  }
}

}  // namespace

int main(int argc, char** argv) {
  rt::RuntimeStart(argc, argv);

  Expect(stdproc::yTokenField(u"", u"a/b//c", u"/", 0) == u"4", "yTokenField count");
  Expect(stdproc::yTokenField(u"#UC", u"a/b//c", u"/", 2) == u"B", "yTokenField #UC");
  Expect(rt::TextUpper(u"grün") == u"GRÜN", "TextUpper");

  const rt::Text plain = u"Hintergrund";
  const rt::Text encoded = stdproc::yEncodeText(plain, u"Schluessel");
  Expect(encoded != plain && stdproc::yDecodeText(encoded, u"Schluessel") == plain,
         "yEncodeText round trip");

  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("pendrel_consumer_" + std::to_string(::getpid()) + ".txt");
  const rt::Text name = rt::FromUtf8(file.string());
  Expect(stdproc::yWriteTextFile(name, u"lauf", 24) > 0, "yWriteTextFile");
  std::ifstream in(file, std::ios::binary);
  Expect(std::string(std::istreambuf_iterator<char>(in), {}) == "lauf", "file contents");
  std::filesystem::remove(file);

  rt::RuntimeEnd();
  if (failures == 0) std::puts("consumer: all results right");
  return failures == 0 ? 0 : 1;
}
