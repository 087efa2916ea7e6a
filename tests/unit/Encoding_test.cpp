#include "common/Encoding.h"

#include <gtest/gtest.h>

namespace vxl {
namespace {

TEST(Encoding, RecognisesValidAndBrokenUtf8) {
  const struct {
    std::string bytes;
    bool valid;
  } cases[] = {
      {"plain ascii", true},
      {"Fran\xC3\xA7"
       "ais",
       true},
      {"\xE2\x82\xAC euro", true},
      {"\xF0\x9F\x98\x80", true},
      {"Fran\xE7"
       "ais",
       false},                      // Windows-1252 c cedilla
      {"\xC0\xAF", false},          // overlong slash
      {"\xED\xA0\x80", false},      // surrogate
      {"\xE2\x82", false},          // cut short
      {"\xF4\x90\x80\x80", false},  // beyond U+10FFFF
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
}

TEST(Encoding, EveryWindows1252ByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = Windows1252ToUtf8(all);
  EXPECT_TRUE(IsValidUtf8(utf8));
  EXPECT_EQ(Utf8ToWindows1252(utf8), all);
  EXPECT_EQ(Windows1252ToUtf8("\x80\xE9\x9C"), "\xE2\x82\xAC\xC3\xA9\xC5\x93");  // euro e-acute oe
  EXPECT_EQ(Utf8ToWindows1252("\xE4\xB8\xAD"), "?") << "a character 1252 cannot hold";
}

TEST(Encoding, FileTextIsUtf8WhenMarkedOrValidElseWindows1252) {
  TextEncoding found{};
  EXPECT_EQ(DecodeFileText("\xEF\xBB\xBFk=\xC3\xA9", found), "k=\xC3\xA9");
  EXPECT_EQ(found, TextEncoding::Utf8WithBom);
  EXPECT_EQ(DecodeFileText("k=\xC3\xA9", found), "k=\xC3\xA9");
  EXPECT_EQ(found, TextEncoding::Utf8);
  EXPECT_EQ(DecodeFileText("k=\xE9", found), "k=\xC3\xA9");
  EXPECT_EQ(found, TextEncoding::Windows1252);
  EXPECT_EQ(EncodeFileText("k=\xC3\xA9", TextEncoding::Windows1252), "k=\xE9");
  EXPECT_EQ(EncodeFileText("k", TextEncoding::Utf8WithBom), "\xEF\xBB\xBFk");
}

}  // namespace
}  // namespace vxl
