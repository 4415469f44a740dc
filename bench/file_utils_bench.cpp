// Line walking cost against text length, and file copy against the system's cp.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench_support.h"
#include "stdproc/file/file_copy.h"
#include "stdproc/file/file_helpers.h"

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
  static const CopyFiles& Get() {
    static const CopyFiles files;
    return files;
  }
  std::string source() const { return dir_ / "quelle.bin"; }
  std::string target() const { return dir_ / "ziel.bin"; }

 private:
  CopyFiles() { bench::WriteVariedBytes(source(), kCopyBytes, 12345); }
  bench::ScratchDir dir_{"pendrel-bench"};
};

// Argument 1: the target is removed before each copy; 0: an earlier copy is overwritten.
void RemoveTargetIfAsked(benchmark::State& state, const std::string& target) {
  if (state.range(0) == 0) return;
  state.PauseTiming();
  std::filesystem::remove(target);
  state.ResumeTiming();
}

void BM_CopyFile(benchmark::State& state) {
  const CopyFiles& files = CopyFiles::Get();
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
  const CopyFiles& files = CopyFiles::Get();
  for (auto _ : state) {
    RemoveTargetIfAsked(state, files.target());
    if (!bench::RunCommand({"cp", files.source(), files.target()}))
      state.SkipWithError("cp failed");
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
