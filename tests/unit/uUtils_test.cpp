#include "service/uUtils.h"

#include <gtest/gtest.h>

namespace vxl {
namespace {

using Strokes = std::vector<KeyStroke>;
const Strokes kReleaseHeld = {{0x5B, true}, {0x5C, true}, {0xA4, true}, {0x11, true}};

Strokes Then(Strokes first, const Strokes& more) {
  first.insert(first.end(), more.begin(), more.end());
  return first;
}

TEST(TypingKeys, EachCharacterReleasesHeldKeysThenTypesWithItsModifier) {
  // A plain key, a digit on a French layout (Shift), a character behind
  // AltGr (Ctrl+Alt), and the layout's "cannot type it" answer.
  EXPECT_EQ(KeyStrokesForCharacter(0x0034), Then(kReleaseHeld, {{0x34, false}, {0x34, true}}));
  EXPECT_EQ(KeyStrokesForCharacter(0x0130),
            Then(kReleaseHeld, {{0x10, false}, {0x30, false}, {0x30, true}, {0x10, true}}));
  EXPECT_EQ(KeyStrokesForCharacter(0x0632),
            Then(kReleaseHeld, {{0xA5, false}, {0x32, false}, {0x32, true}, {0xA5, true}}));
  EXPECT_EQ(KeyStrokesForCharacter(0xFFFF),
            Then(kReleaseHeld, {{0x10, false}, {0xFF, false}, {0xFF, true}, {0x10, true}}));
}

}  // namespace
}  // namespace vxl
