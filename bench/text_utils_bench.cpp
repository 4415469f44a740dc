// Text utilities: yTokenField over texts of many lines (each call must cost time linear in
// the text, not in the square of the token number) and yCryptStream's throughput.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>

#include "runtime/text.h"
#include "stdproc/text/text_utils.h"

namespace {

// Lines of 6 to 12 characters separated by CR LF, as yReadLine walks them.
rt::Text LinesText(int32_t lines) {
  std::mt19937 random(42);
  rt::Text text;
  for (int32_t k = 1; k <= lines; ++k) {
    const int length = 6 + static_cast<int>(random() % 7);
    for (int c = 0; c < length; ++c) text += static_cast<char16_t>(u'a' + random() % 26);
    if (k < lines) text += u"\r\n";
  }
  return text;
}

// Every token number in turn, in a scattered order so that short runs of iterations
// still average over the whole text.
void BM_TokenFieldEveryToken(benchmark::State& state) {
  const int32_t lines = static_cast<int32_t>(state.range(0));
  const rt::Text text = LinesText(lines);
  constexpr int32_t kStride = 7919;  // prime, coprime to the line counts measured
  int32_t n = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(stdproc::yTokenField(u"", text, u"\r\n", n));
    n = (n - 1 + kStride) % lines + 1;
  }
  state.counters["tokens"] = lines;
}
BENCHMARK(BM_TokenFieldEveryToken)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_CryptStream(benchmark::State& state) {
  const size_t characters = static_cast<size_t>(state.range(0));
  std::mt19937 random(7);
  rt::Text text(characters, u' ');
  for (char16_t& c : text) c = static_cast<char16_t>(1 + random() % 0xFFFF);
  for (auto _ : state) {
    benchmark::DoNotOptimize(stdproc::yCryptStream(text, u"Schluessel"));
  }
  // Throughput in bytes of text: two per character.
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(characters * sizeof(char16_t)));
}
BENCHMARK(BM_CryptStream)->Arg(1 << 10)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
