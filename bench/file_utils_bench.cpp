// Line walking cost against text length, and file copy against the system's cp.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "stdproc/file/file_copy.h"
#include "stdproc/file/file_helpers.h"

extern char** environ;

namespace {

rt::Text NumberedLines(int64_t count) {
  rt::Text text;
  for (int64_t i = 1; i <= count; ++i) text += rt::FromUtf8("Zeile " + std::to_string(i)) + u"\r\n";
  return text;
}

// One whole walk per iteration: the total time should grow with the line count, not its
// square.
void BM_ReadLineWalk(benchmark::State& state) {
  const rt::Text text = NumberedLines(state.range(0));
  int64_t lines = 0;
  for (auto _ : state) {
    stdproc::yReadLine(text, 0);
    while (!stdproc::yReadLine(text, -1).empty()) ++lines;
  }
  benchmark::DoNotOptimize(lines);
  state.counters["lines"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_ReadLineWalk)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

constexpr int64_t kCopyBytes = int64_t{256} << 20;

// A 256 MiB source of varied bytes in a private temporary directory, made once.
class CopyFiles {
 public:
  static CopyFiles& Get() {
    static CopyFiles files;
    return files;
  }
  std::string source() const { return (dir_ / "quelle.bin").string(); }
  std::string target() const { return (dir_ / "ziel.bin").string(); }
  ~CopyFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

 private:
  CopyFiles() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "pendrel-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    dir_ = pattern;
    std::vector<char> block(1 << 20);
    std::ofstream out(source(), std::ios::binary);
    uint32_t seed = 12345;
    for (int64_t written = 0; written < kCopyBytes; written += block.size()) {
      for (char& byte : block) byte = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
      out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
  }
  std::filesystem::path dir_;
};

// Argument 1: the target is removed before each copy; 0: an earlier copy is overwritten.
void RemoveTargetIfAsked(benchmark::State& state, const std::string& target) {
  if (state.range(0) == 0) return;
  state.PauseTiming();
  std::filesystem::remove(target);
  state.ResumeTiming();
}

void BM_CopyFile(benchmark::State& state) {
  CopyFiles& files = CopyFiles::Get();
  const rt::Text source = rt::FromUtf8(files.source());
  const rt::Text target = rt::FromUtf8(files.target());
  for (auto _ : state) {
    RemoveTargetIfAsked(state, files.target());
    if (stdproc::yCopyFile(u"", source, target) != u"1/") state.SkipWithError("copy failed");
  }
  state.SetBytesProcessed(state.iterations() * kCopyBytes);
}
BENCHMARK(BM_CopyFile)
    ->ArgName("fresh")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

// The same copy by /bin/cp, as the yardstick.
void BM_SystemCp(benchmark::State& state) {
  CopyFiles& files = CopyFiles::Get();
  std::string source = files.source();
  std::string target = files.target();
  char cp[] = "cp";
  char* argv[] = {cp, source.data(), target.data(), nullptr};
  for (auto _ : state) {
    RemoveTargetIfAsked(state, target);
    pid_t pid = 0;
    int status = 0;
    if (posix_spawnp(&pid, "cp", nullptr, nullptr, argv, environ) != 0 ||
        waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("cp failed");
    }
  }
  state.SetBytesProcessed(state.iterations() * kCopyBytes);
}
BENCHMARK(BM_SystemCp)
    ->ArgName("fresh")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
