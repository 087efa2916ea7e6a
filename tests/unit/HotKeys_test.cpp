#include "service/HotKeys.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "ui/HotKeyText.h"

namespace vxl {
namespace {

TEST(HotKeyTable, TheDefaultTableRegistersItsTwentyThreeKeysInOrder) {
  TConfigRecord record;
  ResetToDefaults(record);
  std::vector<std::uint32_t> added;
  RegisterHotKeyTable(
      record,
      [&](std::uint32_t v) {
        added.push_back(v);
        return 1u;
      },
      [](std::uint32_t) { FAIL() << "nothing was refused"; });
  ASSERT_EQ(added.size(), 23u);
  EXPECT_EQ(added.front(), 0x10043u);
  EXPECT_EQ(added.back(), 0x4063u);
}

TEST(HotKeyTable, AGapEndsRegistrationAndRefusalsAreReportedOneByOne) {
  TConfigRecord record;
  ResetToDefaults(record);
  record.hotKeys[3] = {0, 0};
  record.hotKeys[4] = {0x4074, 100};  // Ctrl+F5 after the gap
  std::vector<std::uint32_t> added, refused;
  RegisterHotKeyTable(
      record,
      [&](std::uint32_t v) {
        added.push_back(v);
        return v == 0xC070 ? 0u : static_cast<std::uint32_t>(added.size());
      },
      [&](std::uint32_t v) { refused.push_back(v); });
  EXPECT_EQ(added, (std::vector<std::uint32_t>{0x10043, 0xC070, 0xC06B}));
  EXPECT_EQ(refused, (std::vector<std::uint32_t>{0xC070}));
}

TEST(HotKeyTable, AFullTableStopsAtItsEnd) {
  TConfigRecord record;
  ResetToDefaults(record);
  for (int i = 0; i < kHotKeyCount; ++i) record.hotKeys[i] = {0x4041u + i, 100};
  int added = 0;
  RegisterHotKeyTable(
      record, [&](std::uint32_t) { return static_cast<std::uint32_t>(++added); },
      [](std::uint32_t) {});
  EXPECT_EQ(added, kHotKeyCount);
}

TEST(HotKeyTable, DispatchFindsTheFirstEntryAndLooksPastGaps) {
  TConfigRecord record;
  ResetToDefaults(record);
  record.hotKeys[2] = {0, 0};
  record.hotKeys[10] = {0x4074, 300};
  record.hotKeys[30] = {0x4074, 952};
  EXPECT_EQ(HotKeyAction(record, 0x4074), 300);
  EXPECT_EQ(HotKeyAction(record, 0x10043), 950);
  EXPECT_EQ(HotKeyAction(record, 0x4075), 0);
  EXPECT_EQ(HotKeyAction(record, 0), 0) << "an empty entry is no hot key";
}

class FakeLayout : public IKeyboardLayoutNames {
 public:
  std::map<std::pair<int, bool>, std::string> names;
  std::string KeyName(std::uint8_t vk, bool extended) const override {
    auto it = names.find({vk, extended});
    return it == names.end() ? std::string() : it->second;
  }
};

FakeLayout EnglishLayout() {
  FakeLayout layout;
  layout.names = {{{0x10, false}, "Shift"}, {{0x11, false}, "Ctrl"},     {{0x12, false}, "Alt"},
                  {{0x70, false}, "F1"},    {{0x43, false}, "C"},        {{0x21, true}, "Page Up"},
                  {{0x21, false}, "Num 9"}, {{0x2E, true}, "Delete"},    {{0xAD, false}, ""},
                  {{0xB3, false}, "x"},     {{0xAF, false}, "Volume +"}, {{0x67, false}, "Num 7"}};
  return layout;
}

TEST(HotKeyText, ModifiersComeInOrderBeforeTheKeyName) {
  const FakeLayout layout = EnglishLayout();
  struct Case {
    std::uint32_t value;
    const char* text;
    // clang-format off
  } cases[] = {
      {0xC070, "Ctrl+Alt+F1"},
      {0x10043, "Win+C"},
      {0x1E043, "Ctrl+Shift+Alt+Win+C"},
      {0x4021, "Ctrl+Page Up"},  // asked as an extended key
      {0x802E, "Alt+Delete"},
      {0x40AD, "Ctrl+Volume Mute"},       // no layout name: the fixed one
      {0x40B3, "Ctrl+Play/Pause Media"},  // one character: the fixed one
      {0x40AF, "Ctrl+Volume +"},          // a real layout name is kept
      {0x4099, "Ctrl+"},                  // a key without a name
      // The numeric keypad is never nameless; a layout's own name is kept.
      {0x4060, "Ctrl+Num 0"},
      {0xC06D, "Ctrl+Alt+Num -"},
      {0xC06B, "Ctrl+Alt+Num +"},
      {0x406E, "Ctrl+Num ."},
      {0x406F, "Ctrl+Num /"},
      {0x4067, "Ctrl+Num 7"},
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(HotKeyText(c.value, layout, true), c.text) << std::hex << c.value;
  }
}

TEST(HotKeyTable, RefusedKeysAreToldInOneTextAKeyALine) {
  EXPECT_EQ(RefusedHotKeysText({"Win+C", "Ctrl+Num 0"}, " is taken."),
            "Win+C is taken.\r\nCtrl+Num 0 is taken.");
  EXPECT_EQ(RefusedHotKeysText({"Win+C"}, " is taken."), "Win+C is taken.");
}

TEST(HotKeyText, LocalizedModifierNamesAndCapitalWin) {
  FakeLayout french = EnglishLayout();
  french.names[{0x10, false}] = "MAJ";
  french.names[{0x11, false}] = "CTRL";
  french.names[{0x12, false}] = "ALT";
  EXPECT_EQ(HotKeyText(0x1E043, french, true), "CTRL+MAJ+ALT+WIN+C");
  EXPECT_EQ(HotKeyText(0x1E043, french, false), "Ctrl+Shift+Alt+Win+C");
  french.names[{0x12, false}] = "Alt Gr";
  EXPECT_EQ(HotKeyText(0x10043, french, true), "Win+C");
}

}  // namespace
}  // namespace vxl
