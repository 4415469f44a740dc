// KonvertEBCDICnachASCII on a 256 MiB record file, beside the system's iconv command
// (IBM273 to ISO-8859-1) on the same bytes as the yardstick. Wall-clock time for both:
// the command's work is done in a child process.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "runtime/text.h"
#include "stdproc/transfer/transfer.h"

extern char** environ;

namespace {

constexpr size_t kFileBytes = size_t{256} << 20;
constexpr int32_t kRecordLength = 80;

// A directory with one input file for the whole run, removed at exit.
class Workspace {
 public:
  Workspace() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ebcdic-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    dir_ = pattern;
    std::mt19937 random(273);
    std::vector<char> block(size_t{1} << 20);
    std::ofstream out(input(), std::ios::binary);
    for (size_t written = 0; written < kFileBytes; written += block.size()) {
      for (char& c : block) c = static_cast<char>(random());
      out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
  }
  ~Workspace() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  std::string input() const { return (dir_ / "records.ebc").string(); }
  std::string output() const { return (dir_ / "lines.txt").string(); }

 private:
  std::filesystem::path dir_;
};

const Workspace& Files() {
  static const Workspace workspace;
  return workspace;
}

void BM_KonvertEBCDICnachASCII(benchmark::State& state) {
  const rt::Text input = rt::FromUtf8(Files().input());
  const rt::Text output = rt::FromUtf8(Files().output());
  for (auto _ : state) {
    benchmark::DoNotOptimize(stdproc::KonvertEBCDICnachASCII(u"", input, output, kRecordLength));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
}
BENCHMARK(BM_KonvertEBCDICnachASCII)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_IconvCommand(benchmark::State& state) {
  const std::string input = Files().input();
  const std::string output = Files().output();
  std::vector<std::string> args = {"iconv",      "-f", "IBM273", "-t",
                                   "ISO-8859-1", "-o", output,   input};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  for (auto _ : state) {
    pid_t child = 0;
    int status = 0;
    if (posix_spawnp(&child, "iconv", nullptr, nullptr, argv.data(), environ) != 0 ||
        waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("iconv failed");
      break;
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
}
BENCHMARK(BM_IconvCommand)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
