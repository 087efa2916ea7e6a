#include <gtest/gtest.h>

#include "E2eHarness.h"

int wmain(int argc, wchar_t** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (e2e::DistFolder().empty()) {
    fprintf(stderr, "VXL_DIST must name the program folder under test\n");
    return 2;
  }
  return RUN_ALL_TESTS();
}
