#include "runtime/library.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/platform_expectations.h"

namespace {

class Library : public ::testing::Test {
 protected:
  void TearDown() override { rt::LibraryCloseAll(); }
};

TEST_F(Library, FindsExportedFunctionsOnly) {
  const int32_t libm = rt::LibraryOpen(rt::AnyNumber, testsupport::kMathLibrary);
  ASSERT_NE(libm, 0);
  EXPECT_NE(rt::LibraryFunction(libm, u"cos"), 0);
  EXPECT_EQ(rt::LibraryFunction(libm, u"no_such_function"), 0);
  EXPECT_EQ(rt::LibraryFunction(libm, u""), 0);
  EXPECT_EQ(rt::LibraryFunction(libm + 1, u"cos"), 0) << "unknown library number";
}

TEST_F(Library, MissingLibraryGivesZero) {
  EXPECT_EQ(rt::LibraryOpen(rt::AnyNumber, u"libno_such_library.so"), 0);
  EXPECT_EQ(rt::LibraryOpen(rt::AnyNumber, u""), 0);
}

TEST_F(Library, CallsWithIntegerArgumentsAndReturnsThe32BitResult) {
  ASSERT_NE(rt::LibraryOpen(3, testsupport::kCLibrary), 0);
  EXPECT_EQ(rt::LibraryCall(rt::LibraryFunction(3, u"abs"), -42), 42);
  const char* word = "Pendrel";
  EXPECT_EQ(rt::LibraryCall(rt::LibraryFunction(3, u"strlen"), reinterpret_cast<intptr_t>(word)),
            7);
  EXPECT_EQ(rt::LibraryCall(0, 1, 2), 0) << "no function";
}

TEST_F(Library, ClosedLibraryHasNoFunctions) {
  ASSERT_NE(rt::LibraryOpen(4, testsupport::kMathLibrary), 0);
  rt::LibraryClose(4);
  EXPECT_EQ(rt::LibraryFunction(4, u"cos"), 0);
  rt::LibraryClose(4);  // twice: nothing
}

}  // namespace
