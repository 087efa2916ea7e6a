#include "common/MouseElements.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "common/ActionCodes.h"

namespace vxl {
namespace {

TEST(MouseElements, EachRowShowsItsModifierAndTriggerTexts) {
  // The mouse shortcuts page's rows, element by element: column 0, column 1.
  const std::pair<const char*, const char*> kRows[kMouseShortcutCount] = {
      {"rsMnRight", "rsBnLeft"},
      {"rsMnPrev", "rsBnLeft"},
      {"rsMnAlt", "rsBnLeft"},
      {"rsMnAltCtrl", "rsBnLeft"},
      {"", "rsBnMid"},
      {"rsMnRight", "rsBnMid"},
      {"rsMnPrev", "rsBnMid"},
      {"rsMnShift", "rsBnMid"},
      {"rsMnCtrl", "rsBnMid"},
      {"rsMnAlt", "rsBnMid"},
      {"rsMnShiftCtrl", "rsBnMid"},
      {"rsMnAltCtrl", "rsBnMid"},
      {"rsMnPrev", "rsBnRight"},
      {"rsMnShift", "rsBnRight"},
      {"rsMnCtrl", "rsBnRight"},
      {"rsMnAlt", "rsBnRight"},
      {"rsMnShiftCtrl", "rsBnRight"},
      {"rsMnAltCtrl", "rsBnRight"},
      {"rsMnShift", "rsBnPrev"},
      {"rsMnCtrl", "rsBnPrev"},
      {"rsMnAlt", "rsBnPrev"},
      {"rsMnShiftCtrl", "rsBnPrev"},
      {"rsMnAltCtrl", "rsBnPrev"},
      {"", "rsBnWhUp"},
      {"rsMnRight", "rsBnWhUp"},
      {"rsMnPrev", "rsBnWhUp"},
      {"rsMnShift", "rsBnWhUp"},
      {"rsMnCtrl", "rsBnWhUp"},
      {"rsMnAlt", "rsBnWhUp"},
      {"rsMnShiftCtrl", "rsBnWhUp"},
      {"rsMnAltCtrl", "rsBnWhUp"},
      {"", "rsBnWhDn"},
      {"rsMnRight", "rsBnWhDn"},
      {"rsMnPrev", "rsBnWhDn"},
      {"rsMnShift", "rsBnWhDn"},
      {"rsMnCtrl", "rsBnWhDn"},
      {"rsMnAlt", "rsBnWhDn"},
      {"rsMnShiftCtrl", "rsBnWhDn"},
      {"rsMnAltCtrl", "rsBnWhDn"},
  };
  std::set<std::pair<int, int>> seen;
  for (int i = 0; i < kMouseShortcutCount; ++i) {
    const MouseElement& e = kMouseElements[i];
    EXPECT_EQ(std::string(ModifierTextKey(e.modifier)), kRows[i].first) << "element " << i;
    EXPECT_EQ(std::string(TriggerTextKey(e.trigger)), kRows[i].second) << "element " << i;
    EXPECT_TRUE(seen.insert({static_cast<int>(e.trigger), static_cast<int>(e.modifier)}).second)
        << "element " << i << " repeats a combination";
    EXPECT_EQ(ElementOf(e.trigger, e.modifier), i);
  }
  EXPECT_EQ(ElementOf(MouseTrigger::Left, MouseModifier::None), -1) << "a plain left click";
  EXPECT_EQ(kRightHeldElements, (std::array<int, 4>{0, 5, 24, 32}));
}

TEST(ActionCodes, TheListOffersEveryCodeOnceBetweenHeadings) {
  EXPECT_EQ(ActionIndex(Action::None), 0);
  EXPECT_EQ(ActionIndex(Action::TogglePointerLocator), 1);
  EXPECT_EQ(ActionIndex(Action::Unused104), 8);
  EXPECT_EQ(ActionIndex(Action::LogOff), 37) << "log off comes before shut down";
  EXPECT_EQ(ActionIndex(Action::Quit), 45);
  EXPECT_EQ(ActionIndex(Action::CaptureFilterColour1), -1) << "bound by the filter dialog only";
  EXPECT_EQ(ActionIndex(200), -1);
  std::set<std::int32_t> codes;
  int headings = 0;
  for (std::int32_t code : kActionList) {
    if (code == Action::None) {
      ++headings;
    } else {
      EXPECT_TRUE(codes.insert(code).second) << code << " offered twice";
    }
  }
  EXPECT_EQ(headings, 8);
  EXPECT_EQ(codes.size(), 38u);
}

}  // namespace
}  // namespace vxl
