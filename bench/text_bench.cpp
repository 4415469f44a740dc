// Text operations must scale linearly with their input.
#include <benchmark/benchmark.h>

#include "runtime/date.h"
#include "runtime/text.h"

namespace {

rt::Text MakeText(int64_t bytes) {
  rt::Text text;
  while (static_cast<int64_t>(text.size()) < bytes / 2) text += u"abc;defg;hi\r\n";
  return text;
}

void BM_TextReplace(benchmark::State& state) {
  const rt::Text text = MakeText(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(rt::TextReplace(text, u";", u"--"));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_TextCount(benchmark::State& state) {
  const rt::Text text = MakeText(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(rt::TextCount(text, u"\r\n"));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_TextFieldLast(benchmark::State& state) {
  const rt::Text text = MakeText(state.range(0));
  const int32_t last = rt::TextCount(text, u";") + 1;
  for (auto _ : state) benchmark::DoNotOptimize(rt::TextField(text, last, u";"));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_DateFormatLongMask(benchmark::State& state) {
  rt::Text mask;
  for (int k = 0; k < state.range(0); ++k) mask += u"%yyyy-%mm-%dd ";
  const int32_t date = rt::DateMake(2015, 3, 5, 8, 7, 9);
  for (auto _ : state) benchmark::DoNotOptimize(rt::DateFormat(mask, date));
}

constexpr int64_t kMiB = 1 << 20;

}  // namespace

BENCHMARK(BM_TextReplace)->Arg(kMiB)->Arg(4 * kMiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextCount)->Arg(kMiB)->Arg(4 * kMiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextFieldLast)->Arg(kMiB)->Arg(4 * kMiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DateFormatLongMask)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
