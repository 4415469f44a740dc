#include "runtime/timing.h"

#include <gtest/gtest.h>

TEST(Timing, DelaySleepsAtLeastTheAskedTimeOnTheElapsedClock) {
  for (int32_t ms : {1, 20, 50}) {
    const int32_t start = rt::ElapsedMs();
    rt::DelayMs(ms);
    EXPECT_GE(rt::ElapsedMs() - start, ms);
  }
}

TEST(Timing, ZeroAndNegativeDelaysReturnAtOnce) {
  const int32_t start = rt::ElapsedMs();
  rt::DelayMs(0);
  rt::DelayMs(-1000);
  EXPECT_LT(rt::ElapsedMs() - start, 500);
}
