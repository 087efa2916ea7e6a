#include "common/ConfigRecord.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace vxl {
namespace {

struct ByteRun {
  std::size_t offset;
  std::vector<std::uint8_t> bytes;
};

// Every non-zero byte of the defaults image, written out by hand.
const std::vector<ByteRun> kDefaultImage = {
    {0, {0xC8}},                     // version 200
    {4, {0x28}},                     // framePeriodMs 40
    {8, {0x5A}},                     // autoShowDistance 90
    {11, {0x01}},                    // autoHideOnIdle
    {12, {0xC4, 0x09, 0x90, 0x01}},  // autoHideDelayMs 2500, reserved14 400
    {20, {0xFF, 0x81, 0x81}},        // backgroundColour RGB(255,129,129)
    {25, {0xC8}},                    // backgroundTransparency 200
    {28, {0xC6, 0x00, 0x88}},        // backgroundRasterOp SRCAND
    {32, {0x03}},                    // borderWidth
    {36, {0x01}},                    // borderPenWidth
    {40, {0xDB, 0xCB, 0x12}},        // borderPenColour
    {44, {0xCF, 0x00, 0x63}},        // borderBrushColour
    {48, {0x01}},                    // borderAutoColours
    {52, {0x06}},                    // arrowBarWidth
    {56, {0x1E}},                    // arrowPinLength 30
    {60, {0x03}},                    // arrowPinOffset
    {64, {0x05}},                    // arrowPinWidth
    {68, {0x01}},                    // arrowPenWidth
    {72, {0xDB, 0xCB, 0x12}},        // arrowPenColour
    {76, {0xCF, 0x00, 0x63}},        // arrowBrushColour
    {80, {0x01}},                    // arrowAutoColours
    // mouseShortcuts: elements 0, 1, 2, 3, 4, 5, 9, 14, 15, 17, 28, 36
    {84, {0x64, 0, 0, 0, 0x2C, 0x01, 0, 0, 0xD2, 0, 0, 0, 0xB8, 0x03, 0, 0, 0x64, 0, 0, 0, 0x64}},
    {120, {0xCD}},
    {140, {0x64, 0, 0, 0, 0xD3}},
    {152, {0xB6, 0x03}},
    {196, {0x30, 0x01}},
    {228, {0x31, 0x01}},
    // hotKeys: 23 entries of {hotKey, actionCode}
    {240, {0x43, 0x00, 0x01, 0, 0xB6, 0x03, 0, 0}},  // Win+C -> 950
    {248, {0x70, 0xC0, 0, 0, 0xB7, 0x03, 0, 0}},     // Ctrl+Alt+F1 -> 951
    {256, {0x6B, 0xC0, 0, 0, 0xB6, 0x03, 0, 0}},     // -> 950
    {264, {0x6D, 0xC0, 0, 0, 0xB8, 0x03, 0, 0}},     // -> 952
    {272, {0x60, 0x40, 0, 0, 0xB4, 0, 0, 0}},        // -> 180
    {280, {0x6E, 0x40, 0, 0, 0xB5, 0, 0, 0}},        // -> 181
    {288, {0x49, 0x00, 0x01, 0, 0x67, 0, 0, 0}},     // Win+I -> 103
    {296, {0x4A, 0x00, 0x01, 0, 0x69, 0, 0, 0}},     // Win+J -> 105
    {304, {0x4A, 0x40, 0x01, 0, 0x6A, 0, 0, 0}},     // Win+Ctrl+J -> 106
    {312, {0x22, 0xC0, 0, 0, 0x88, 0x03, 0, 0}},     // -> 904
    {320, {0x23, 0xC0, 0, 0, 0x85, 0x03, 0, 0}},     // -> 901
    {328, {0x24, 0xC0, 0, 0, 0x86, 0x03, 0, 0}},     // -> 902
    {336, {0x56, 0x00, 0x01, 0, 0x90, 0x01, 0, 0}},  // Win+V -> 400
    {344, {0x56, 0x40, 0x01, 0, 0x93, 0x01, 0, 0}},  // Win+Ctrl+V -> 403
    {352, {0x67, 0x40, 0, 0, 0xCF, 0, 0, 0}},        // -> 207
    {360, {0x68, 0x40, 0, 0, 0xD0, 0, 0, 0}},        // -> 208
    {368, {0x69, 0x40, 0, 0, 0xD1, 0, 0, 0}},        // -> 209
    {376, {0x64, 0x40, 0, 0, 0xCC, 0, 0, 0}},        // -> 204
    {384, {0x65, 0x40, 0, 0, 0xCD, 0, 0, 0}},        // -> 205
    {392, {0x66, 0x40, 0, 0, 0xCE, 0, 0, 0}},        // -> 206
    {400, {0x61, 0x40, 0, 0, 0xC9, 0, 0, 0}},        // -> 201
    {408, {0x62, 0x40, 0, 0, 0xCA, 0, 0, 0}},        // -> 202
    {416, {0x63, 0x40, 0, 0, 0xCB, 0, 0, 0}},        // -> 203
    {573, {0xBE, 0x01, 0x01, 0x10, 0x0E}},           // caretOpacity 190, triangles, 16, 14
    {580, {0xDB, 0xCB, 0x12}},                       // caretTriangleColour
    {585, {0x01}},                                   // caretBarBottom
    {588, {0x02}},                                   // caretBarType
    {592, {0x02}},                                   // caretBarWidth
    {600, {0x01}},                                   // caretGapBottom
    {604, {0xC2, 0xF7, 0x32}},                       // caretBarColour RGB(194,247,50)
    {608, {0xE8, 0x03}},                             // filterZoom 1000
};

std::array<std::uint8_t, kConfigRecordSize> ExpectedDefaultImage() {
  std::array<std::uint8_t, kConfigRecordSize> image{};
  for (const auto& run : kDefaultImage) {
    std::memcpy(image.data() + run.offset, run.bytes.data(), run.bytes.size());
  }
  return image;
}

TEST(ConfigRecord, DefaultsGiveTheExactByteImage) {
  TConfigRecord record;
  std::memset(&record, 0xA5, sizeof record);  // reset must clear everything
  ResetToDefaults(record);
  const auto actual = RecordBytes(record);
  const auto expected = ExpectedDefaultImage();
  for (std::size_t i = 0; i < kConfigRecordSize; ++i) {
    EXPECT_EQ(actual[i], expected[i]) << "byte at offset " << i;
  }
}

TEST(ConfigRecord, NegativeFieldsAreStoredAsTwosComplement) {
  TConfigRecord record;
  ResetToDefaults(record);
  record.arrowPinOffset = -30;
  record.arrowPinWidth = -4;
  const auto bytes = RecordBytes(record);
  const std::uint8_t minus30[] = {0xE2, 0xFF, 0xFF, 0xFF};
  const std::uint8_t minus4[] = {0xFC, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(0, std::memcmp(bytes.data() + 60, minus30, 4));
  EXPECT_EQ(0, std::memcmp(bytes.data() + 64, minus4, 4));
}

TEST(ConfigRecord, AnyNonZeroBoolByteReadsTrueAndWritersStoreOne) {
  TConfigRecord record;
  ResetToDefaults(record);
  auto bytes = RecordBytes(record);
  bytes[6] = 2;      // autoShowOnMove
  bytes[11] = 0;     // autoHideOnIdle
  bytes[572] = 255;  // caretOnStart
  ASSERT_TRUE(AdoptRecordBytes(record, bytes.data(), bytes.size()));
  EXPECT_TRUE(record.autoShowOnMove);
  EXPECT_FALSE(record.autoHideOnIdle);
  EXPECT_TRUE(record.caretOnStart);
  record.autoHideOnIdle = true;
  EXPECT_EQ(RecordBytes(record)[11], 1);
}

TEST(ConfigRecord, AdoptingTakesExactlyTheFirst612BytesOfALongerBlock) {
  std::vector<std::uint8_t> block(700);
  for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(i * 7);
  TConfigRecord record;
  ResetToDefaults(record);
  ASSERT_TRUE(AdoptRecordBytes(record, block.data(), block.size()));
  const auto bytes = RecordBytes(record);
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), block.begin()));
}

TEST(ConfigRecord, AShortOrMissingBlockLeavesTheRecordUntouched) {
  TConfigRecord record;
  ResetToDefaults(record);
  const auto before = RecordBytes(record);
  std::vector<std::uint8_t> shortBlock(611, 0xFF);
  EXPECT_FALSE(AdoptRecordBytes(record, shortBlock.data(), shortBlock.size()));
  EXPECT_FALSE(AdoptRecordBytes(record, nullptr, kConfigRecordSize));
  EXPECT_EQ(RecordBytes(record), before);
}

}  // namespace
}  // namespace vxl
