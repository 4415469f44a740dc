// Byte-wise file I/O through the runtime's buffer against cp, and line reading against
// file size.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "runtime/files.h"

namespace {

constexpr int64_t kMiB = int64_t{1} << 20;
constexpr int64_t kCopyBytes = 256 * kMiB;

const bench::ScratchDir& Dir() {
  static const bench::ScratchDir dir("pendrel-files-bench");
  return dir;
}

// Writes `bytes` bytes made by next() once; later calls find the file made.
template <class Next>
std::string MakeFile(const std::string& name, int64_t bytes, Next next) {
  const std::string path = Dir() / name;
  if (std::filesystem::exists(path)) return path;
  std::ofstream out(path, std::ios::binary);
  std::vector<char> block(kMiB);
  for (int64_t written = 0; written < bytes; written += kMiB) {
    for (char& byte : block) byte = next();
    out.write(block.data(), static_cast<std::streamsize>(block.size()));
  }
  return path;
}

std::string CopySource() {
  const std::string path = Dir() / "source.bin";
  if (!std::filesystem::exists(path)) bench::WriteVariedBytes(path, kCopyBytes, 4711);
  return path;
}

// Lines of 20 to 120 characters, CR LF.
std::string TextFile(int64_t mebibytes) {
  int64_t i = 0;
  int64_t column = 0;
  return MakeFile("text" + std::to_string(mebibytes) + ".txt", mebibytes * kMiB, [&]() -> char {
    const int64_t width = 20 + (i / 97) % 100;
    ++i;
    if (column >= width) return column = -1, '\r';
    if (column++ < 0) return column = 0, '\n';
    return static_cast<char>('a' + i % 26);
  });
}

// The copy loop of the family's file routines: one FileReadByte and one FileWriteByte per
// byte, until FileAtEnd.
void BM_ByteCopy(benchmark::State& state) {
  const rt::Text source = rt::FromUtf8(CopySource());
  const rt::Text target = rt::FromUtf8(Dir() / "target.bin");
  for (auto _ : state) {
    const int32_t in = rt::FileOpenRead(rt::AnyNumber, source);
    const int32_t out = rt::FileCreate(rt::AnyNumber, target);
    if (in == 0 || out == 0) state.SkipWithError("open failed");
    while (!rt::FileAtEnd(in)) rt::FileWriteByte(out, rt::FileReadByte(in));
    rt::FileClose(in);
    rt::FileClose(out);
  }
  state.SetBytesProcessed(state.iterations() * kCopyBytes);
}
BENCHMARK(BM_ByteCopy)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

double ChildCpuMs() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  auto ms = [](timeval t) { return static_cast<double>(t.tv_sec) * 1e3 + t.tv_usec / 1e3; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The same copy by cp, as the yardstick. cp's own processor time is not in the CPU
// column, so it is reported per copy as cp_cpu_ms.
void BM_SystemCp(benchmark::State& state) {
  const std::string source = CopySource();
  const std::string target = Dir() / "target.bin";
  const double cpuBefore = ChildCpuMs();
  for (auto _ : state) {
    if (!bench::RunCommand({"cp", source, target})) state.SkipWithError("cp failed");
  }
  state.SetBytesProcessed(state.iterations() * kCopyBytes);
  state.counters["cp_cpu_ms"] =
      (ChildCpuMs() - cpuBefore) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SystemCp)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// All lines of a text file of range(0) MiB; the time per byte should not grow with size.
void BM_ReadLines(benchmark::State& state) {
  const rt::Text path = rt::FromUtf8(TextFile(state.range(0)));
  int64_t lines = 0;
  for (auto _ : state) {
    const int32_t in = rt::FileOpenRead(rt::AnyNumber, path);
    while (!rt::FileAtEnd(in)) {
      benchmark::DoNotOptimize(rt::FileReadLine(in, rt::FormatAnsi));
      ++lines;
    }
    rt::FileClose(in);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0) * kMiB);
  state.SetComplexityN(state.range(0) * kMiB);
  state.counters["lines"] =
      benchmark::Counter(static_cast<double>(lines) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_ReadLines)
    ->Arg(25)
    ->Arg(50)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
