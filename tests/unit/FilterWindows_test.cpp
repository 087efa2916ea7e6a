#include "service/FilterWindows.h"

#include <gtest/gtest.h>

namespace vxl {
namespace {

TEST(FilterOrigins, AnOriginIsSeenOnlyWhileItsWindowExists) {
  FilterOrigins origins;
  EXPECT_EQ(origins.Frame(), std::nullopt);
  EXPECT_EQ(origins.Lens(), std::nullopt);
  origins.SetFrame(Point{300, 200});
  origins.SetLens(Point{-40, 15});
  EXPECT_EQ(origins.Frame(), (Point{300, 200}));
  EXPECT_EQ(origins.Lens(), (Point{-40, 15}));
  origins.SetFrame(std::nullopt);
  EXPECT_EQ(origins.Frame(), std::nullopt) << "a closed frame must not refuse the locator";
  EXPECT_EQ(origins.Lens(), (Point{-40, 15}));
}

}  // namespace
}  // namespace vxl
