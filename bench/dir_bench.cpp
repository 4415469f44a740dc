// A recursive yReadDir over a tree of 100 000 files against find -type f | wc -l.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench_support.h"
#include "stdproc/file/directories.h"

namespace {

constexpr int kDirectories = 100;
constexpr int kFilesPerDirectory = 1000;
constexpr int kFiles = kDirectories * kFilesPerDirectory;

// 100 directories of 1000 empty files each, made once, removed at the end.
class Tree {
 public:
  static const Tree& Get() {
    static const Tree tree;
    return tree;
  }
  std::string root() const { return dir_.path().string(); }

 private:
  Tree() {
    for (int d = 0; d < kDirectories; ++d) {
      const std::string dir = dir_ / ("verzeichnis" + std::to_string(d));
      std::filesystem::create_directory(dir);
      for (int f = 0; f < kFilesPerDirectory; ++f) {
        const int fd = open((dir + "/datei" + std::to_string(f) + ".jpg").c_str(),
                            O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd < 0) throw std::runtime_error("cannot create the tree");
        close(fd);
      }
    }
  }
  bench::ScratchDir dir_{"pendrel-dir-bench"};
};

void BM_ReadDirRecursive(benchmark::State& state) {
  const rt::Text root = rt::FromUtf8(Tree::Get().root());
  std::vector<rt::Text> files;
  for (auto _ : state) {
    const int32_t count = stdproc::yReadDir(root, u"*.*", 1, files, 0);
    if (count != kFiles) state.SkipWithError("wrong count");
  }
  state.counters["files"] = kFiles;
}
BENCHMARK(BM_ReadDirRecursive)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// The shell pipeline as the yardstick; the tree's path goes in as an argument.
void BM_FindTypeF(benchmark::State& state) {
  const std::string root = Tree::Get().root();
  for (auto _ : state) {
    if (!bench::RunCommand({"sh", "-c", "find \"$1\" -type f | wc -l >/dev/null", "sh", root})) {
      state.SkipWithError("find failed");
    }
  }
  state.counters["files"] = kFiles;
}
BENCHMARK(BM_FindTypeF)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
