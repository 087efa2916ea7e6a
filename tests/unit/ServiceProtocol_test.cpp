#include "common/ServiceProtocol.h"

#include <gtest/gtest.h>

namespace vxl {
namespace {

TEST(ServiceProtocol, PreviewPositionsTravelAsTwoSignedWords) {
  struct Case {
    std::int32_t x, y;
    std::uint32_t bits;
    Point back;  // what the service reads
  } cases[] = {
      {400, 200, 0x00C80190u, {400, 200}},
      {-200, 100, 0x0064FF38u, {-200, 100}},
      {0, -1, 0xFFFF0000u, {0, -1}},
      // Taken modulo 65536: a far position wraps, as the sender's words do.
      {70000, 5, 0x00051170u, {4464, 5}},
      {32768, 0, 0x00008000u, {-32768, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PackPreviewPosition(c.x, c.y), c.bits) << c.x << "," << c.y;
    EXPECT_EQ(UnpackPreviewPosition(c.bits), c.back) << c.x << "," << c.y;
  }
}

TEST(ServiceProtocol, MessageNumbersAndCommandsAreThoseOfThePeers) {
  // Peers built apart from this source depend on these exact values.
  EXPECT_EQ(WM_VXL_SETMODE, 0x400u + 0x1FF);
  EXPECT_EQ(WM_VXL_FILTERS, 0x400u + 0x202);
  EXPECT_EQ(SetMode::Configuration, 2u);
  EXPECT_EQ(Preview::CaretPosition, 2u);
  EXPECT_EQ(Filters::SettingsClosed, 6u);
  EXPECT_EQ(Filters::TemplatesClosed, 9u);
  EXPECT_EQ(static_cast<int>(CaretLocatorState::Preview), 2);
}

}  // namespace
}  // namespace vxl
