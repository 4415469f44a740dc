// Byte-wise file I/O through the runtime's buffer against cp, and line reading against
// file size.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/files.h"

extern char** environ;

namespace {

constexpr int64_t kMiB = int64_t{1} << 20;
constexpr int64_t kCopyBytes = 256 * kMiB;

// A private temporary directory for the benchmark's files, removed at the end.
class BenchDir {
 public:
  static BenchDir& Get() {
    static BenchDir dir;
    return dir;
  }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  ~BenchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

 private:
  BenchDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "pendrel-files-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  std::filesystem::path path_;
};

// Writes `bytes` bytes made by next() once; later calls find the file made.
template <class Next>
std::string MakeFile(const std::string& name, int64_t bytes, Next next) {
  const std::string path = BenchDir::Get() / name;
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
  uint32_t seed = 4711;
  return MakeFile("source.bin", kCopyBytes,
                  [&] { return static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24); });
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
  const rt::Text target = rt::FromUtf8(BenchDir::Get() / "target.bin");
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
  std::string source = CopySource();
  std::string target = BenchDir::Get() / "target.bin";
  char cp[] = "cp";
  char* argv[] = {cp, source.data(), target.data(), nullptr};
  const double cpuBefore = ChildCpuMs();
  for (auto _ : state) {
    pid_t pid = 0;
    int status = 0;
    if (posix_spawnp(&pid, "cp", nullptr, nullptr, argv, environ) != 0 ||
        waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("cp failed");
    }
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
