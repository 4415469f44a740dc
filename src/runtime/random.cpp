#include "runtime/random.h"

#include <array>

#include "runtime/platform/system.h"

namespace rt {

namespace {

class Generator {
 public:
  void Seed(uint32_t s) {
    for (int k = 0; k < 17; ++k) {
      b_[k] = 1 - s * 0x53A9B4FBu;
      a_[k] = 1 - b_[k] * 0x53A9B4FBu;
      s = a_[k];
    }
    i_ = 0;
    j_ = 10;
    seeded_ = true;
    for (int k = 0; k < 31; ++k) Step();
  }

  uint32_t Step() {
    if (!seeded_) Seed(platform::ThreadId() ^ platform::TickCountMs());
    uint32_t a = RotateRight(b_[i_], 13) + b_[j_];
    uint32_t b = RotateRight(a_[i_], 5) + a_[j_];
    a_[i_] = a;
    b_[i_] = b;
    i_ = i_ == 0 ? 16 : i_ - 1;
    j_ = j_ == 0 ? 16 : j_ - 1;
    return a;
  }

 private:
  static uint32_t RotateRight(uint32_t v, int n) { return (v >> n) | (v << (32 - n)); }

  std::array<uint32_t, 17> a_{}, b_{};
  int i_ = 0, j_ = 10;
  bool seeded_ = false;
};

Generator& TheGenerator() {
  static Generator generator;
  return generator;
}

}  // namespace

void RandomSeed(uint32_t seed) { TheGenerator().Seed(seed); }

int32_t RandomInt(int32_t maximum, int32_t minimum) {
  uint32_t max = static_cast<uint32_t>(maximum);
  uint32_t min = static_cast<uint32_t>(minimum);
  if (min > max) min = max;
  uint32_t span = max - min;
  uint32_t a = TheGenerator().Step();
  uint32_t offset = span == 0xFFFFFFFFu
                        ? a
                        : static_cast<uint32_t>((static_cast<uint64_t>(a) * (span + 1ull)) >> 32);
  return static_cast<int32_t>(min + offset);
}

}  // namespace rt
