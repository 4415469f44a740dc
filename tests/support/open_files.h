// How many files the test process has open, to catch routines that leave one open.
#pragma once

#include <cstddef>

namespace testsupport {

size_t OpenDescriptorCount();

}  // namespace testsupport
