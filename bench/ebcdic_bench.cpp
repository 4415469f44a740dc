// KonvertEBCDICnachASCII on a 256 MiB record file, beside the system's iconv command
// (IBM273 to ISO-8859-1) on the same bytes as the yardstick. Wall-clock time for both:
// the command's work is done in a child process.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_support.h"
#include "runtime/text.h"
#include "stdproc/transfer/transfer.h"

namespace {

constexpr size_t kFileBytes = size_t{256} << 20;
constexpr int32_t kRecordLength = 80;

// A directory with one input file for the whole run, removed at exit.
class Workspace {
 public:
  Workspace() { bench::WriteVariedBytes(input(), static_cast<int64_t>(kFileBytes), 273); }
  std::string input() const { return dir_ / "records.ebc"; }
  std::string output() const { return dir_ / "lines.txt"; }

 private:
  bench::ScratchDir dir_{"ebcdic-bench"};
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
  for (auto _ : state) {
    if (!bench::RunCommand({"iconv", "-f", "IBM273", "-t", "ISO-8859-1", "-o", output, input})) {
      state.SkipWithError("iconv failed");
      break;
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
}
BENCHMARK(BM_IconvCommand)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
