#include <gtest/gtest.h>

#include <cwchar>

#include "E2eClickTarget.h"
#include "E2eHarness.h"

int wmain(int argc, wchar_t** argv) {
  // The same program serves as the other process of the mouse tests.
  if (argc > 1 && (std::wcscmp(argv[1], e2e::kClickTargetSwitch) == 0 ||
                   std::wcscmp(argv[1], e2e::kTextTargetSwitch) == 0)) {
    return e2e::RunClickTarget(argc, argv);
  }
  ::testing::InitGoogleTest(&argc, argv);
  if (e2e::DistFolder().empty()) {
    fprintf(stderr, "VXL_DIST must name the program folder under test\n");
    return 2;
  }
  return RUN_ALL_TESTS();
}
