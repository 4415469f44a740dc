// Shared pieces of the documentation generator tests: the include a header should give,
// and a test that runs in a fresh current directory without a display.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace doku_test {

// The include for the given version and entries (UTF-8, CR LF after every line).
std::string Include(const std::string& version, const std::vector<std::string>& history,
                    const std::vector<std::string>& description);

// UTF-8 lines as a source saved in the system's ANSI code page, joined with CR LF, the last
// one included.
std::string Lines(const std::vector<std::string>& lines);

// The committed include of the program.
std::string CommittedInclude();
// Copies the program's main source (UTF-8) to `file` with a byte-order mark in front, so
// that a system whose ANSI code page is not UTF-8 reads it as UTF-8 too.
void CopyProgramSource(const std::filesystem::path& file);

class InTempDirectory : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  testsupport::TempDir dir_;

 private:
  std::filesystem::path previous_;
};

}  // namespace doku_test
