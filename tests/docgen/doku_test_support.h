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

// Lines joined with CR LF, the last one included.
std::string Lines(const std::vector<std::string>& lines);

// The committed include of the program and its main source file.
std::string CommittedInclude();
std::filesystem::path ProgramSource();

class InTempDirectory : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  testsupport::TempDir dir_;

 private:
  std::filesystem::path previous_;
};

}  // namespace doku_test
