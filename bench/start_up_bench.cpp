// The parts of a run's start-up that touch the system: counting the program's running
// copies (a scan of every process) and appending the run record.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "runtime/platform/process_list.h"
#include "runtime/processes.h"
#include "stdproc/env/env.h"
#include "stdproc/log/log.h"

namespace {

void BM_ProcessExecutablePaths(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(rt::platform::ProcessExecutablePaths());
}
BENCHMARK(BM_ProcessExecutablePaths);

void BM_ProcessExecutableNames(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(rt::ProcessExecutableNames());
}
BENCHMARK(BM_ProcessExecutableNames);

void BM_ProgramInstances(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(stdproc::yPgmInstanzen(u"pendrel", 1));
}
BENCHMARK(BM_ProgramInstances);

void BM_RunRecordAppend(benchmark::State& state) {
  const bench::ScratchDir dir("pendrel-start-up");
  const rt::Text file = rt::FromUtf8(dir / "lauf.txt");
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        stdproc::yLogFileWrite(u"#ADD", file, u"2024-01-01-12:00:00;Pendrel;Name;name", 0));
  }
}
BENCHMARK(BM_RunRecordAppend);

}  // namespace

BENCHMARK_MAIN();
