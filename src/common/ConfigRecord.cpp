#include "common/ConfigRecord.h"

#include <cstring>

namespace vxl {

// clang-format off
const std::array<std::int32_t, kMouseShortcutCount> kDefaultMouseShortcuts = {
    100, 300, 210, 952,                        // left
    100, 100, 0, 0, 0, 205, 0, 0,              // middle
    0, 0, 100, 211, 0, 950,                    // right
    0, 0, 0, 0, 0,                             // "previous" extra button
    0, 0, 0, 0, 0, 304, 0, 0,                  // wheel up
    0, 0, 0, 0, 0, 305, 0, 0,                  // wheel down
};

const std::array<THotKeyEntry, 23> kDefaultHotKeys = {{
    {0x10043, 950},  // Win+C
    {0xC070, 951},   // Ctrl+Alt+F1
    {0xC06B, 950},   // Ctrl+Alt+numeric-pad +
    {0xC06D, 952},   // Ctrl+Alt+numeric-pad -
    {0x4060, 180},   // Ctrl+numeric-pad 0
    {0x406E, 181},   // Ctrl+numeric-pad decimal point
    {0x10049, 103},  // Win+I
    {0x1004A, 105},  // Win+J
    {0x1404A, 106},  // Win+Ctrl+J
    {0xC022, 904},   // Ctrl+Alt+Page Down
    {0xC023, 901},   // Ctrl+Alt+End
    {0xC024, 902},   // Ctrl+Alt+Home
    {0x10056, 400},  // Win+V
    {0x14056, 403},  // Win+Ctrl+V
    {0x4067, 207},   // Ctrl+numeric-pad 7 .. 3: pointer to keypad positions
    {0x4068, 208},
    {0x4069, 209},
    {0x4064, 204},
    {0x4065, 205},
    {0x4066, 206},
    {0x4061, 201},
    {0x4062, 202},
    {0x4063, 203},
}};
// clang-format on

void ResetToDefaults(TConfigRecord& r) {
  std::memset(&r, 0, sizeof r);
  r.version = 200;
  r.framePeriodMs = 40;
  r.autoShowOnMove = false;
  r.autoShowDistance = 90;
  r.autoHideOnIdle = true;
  r.autoHideDelayMs = 2500;
  r.reserved14 = 400;
  r.performanceMode = false;
  r.backgroundColour = Rgb(255, 129, 129);
  r.backgroundTinted = false;
  r.backgroundTransparency = 200;
  r.backgroundRasterOp = kRopColouring;
  r.borderWidth = 3;
  r.borderPenWidth = 1;
  r.borderPenColour = Rgb(219, 203, 18);
  r.borderBrushColour = Rgb(207, 0, 99);
  r.borderAutoColours = true;
  r.arrowBarWidth = 6;
  r.arrowPinLength = 30;
  r.arrowPinOffset = 3;
  r.arrowPinWidth = 5;
  r.arrowPenWidth = 1;
  r.arrowPenColour = Rgb(219, 203, 18);
  r.arrowBrushColour = Rgb(207, 0, 99);
  r.arrowAutoColours = true;
  std::memcpy(r.mouseShortcuts, kDefaultMouseShortcuts.data(), sizeof r.mouseShortcuts);
  std::memcpy(r.hotKeys, kDefaultHotKeys.data(), sizeof kDefaultHotKeys);
  r.keepToolTipsOffTop = false;
  r.caretOnStart = false;
  r.caretOpacity = 190;
  r.caretTriangleTop = true;
  r.caretTriangleBottom = true;
  r.caretTriangleHeight = 16;
  r.caretTriangleHalfWidth = 14;
  r.caretTriangleColour = Rgb(219, 203, 18);
  r.caretBarTop = false;
  r.caretBarBottom = true;
  r.caretBarType = 2;
  r.caretBarWidth = 2;
  r.caretGapTop = 0;
  r.caretGapBottom = 1;
  r.caretBarColour = Rgb(194, 247, 50);
  r.filterZoom = 1000;
}

std::array<std::uint8_t, kConfigRecordSize> RecordBytes(const TConfigRecord& record) {
  std::array<std::uint8_t, kConfigRecordSize> bytes;
  std::memcpy(bytes.data(), &record, kConfigRecordSize);
  return bytes;
}

bool AdoptRecordBytes(TConfigRecord& record, const void* data, std::size_t size) {
  if (data == nullptr || size < kConfigRecordSize) return false;
  std::memcpy(&record, data, kConfigRecordSize);
  return true;
}

}  // namespace vxl
