// The configuration record: every setting the service and the configuration
// program share. Its 612-byte image is the whole content of a profile file
// (*.cnf) and the whole payload of the configuration WM_COPYDATA message, so
// the layout below is fixed, little-endian, with no header or checksum.
//
// Byte layout (decimal offsets):
//    0 i32 version            4 u16 framePeriodMs     6 b  autoShowOnMove
//    8 u16 autoShowDistance  11 b   autoHideOnIdle   12 u16 autoHideDelayMs
//   14 i16 reserved14        16 b   performanceMode  20 colour backgroundColour
//   24 b   backgroundTinted  25 u8  backgroundTransparency
//   28 u32 backgroundRasterOp
//   32 i32 borderWidth       36 i32 borderPenWidth   40 colour borderPenColour
//   44 colour borderBrushColour                      48 b  borderAutoColours
//   52 i32 arrowBarWidth     56 i32 arrowPinLength   60 i32 arrowPinOffset
//   64 i32 arrowPinWidth     68 i32 arrowPenWidth    72 colour arrowPenColour
//   76 colour arrowBrushColour                       80 b  arrowAutoColours
//   84 i32[39] mouseShortcuts                       240 {u32,i32}[41] hotKeys
//  568 b keepToolTipsOffTop  572 b caretOnStart      573 u8 caretOpacity
//  574 b caretTriangleTop    575 b caretTriangleBottom
//  576 u8 caretTriangleHeight 577 u8 caretTriangleHalfWidth
//  580 colour caretTriangleColour                    584 b caretBarTop
//  585 b caretBarBottom      588 i32 caretBarType    592 i32 caretBarWidth
//  596 i32 caretGapTop       600 i32 caretGapBottom  604 colour caretBarColour
//  608 i32 filterZoom        total 612; every gap is padding.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace vxl {

// A Windows colour value 0x00BBGGRR.
using TColour = std::uint32_t;

constexpr TColour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<TColour>(r) | (static_cast<TColour>(g) << 8) | (static_cast<TColour>(b) << 16);
}

// A one-byte Boolean as stored in records and files: any non-zero byte reads
// as true (hand-made files may hold 2 or 255), writers store 1.
struct ByteBool {
  std::uint8_t raw;
  constexpr operator bool() const { return raw != 0; }
  constexpr ByteBool& operator=(bool value) {
    raw = value ? 1 : 0;
    return *this;
  }
};

// One entry of the keyboard hot key table: the key combination (virtual-key
// code in bits 0..7, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt, 0x10000 Win) and
// the action it runs. hotKey 0 is an empty entry.
struct THotKeyEntry {
  std::uint32_t hotKey;
  std::int32_t actionCode;
};

constexpr int kMouseShortcutCount = 39;
constexpr int kHotKeyCount = 41;
constexpr std::size_t kConfigRecordSize = 612;

// Values of backgroundRasterOp.
constexpr std::uint32_t kRopNoEffect = 0xCC0020;         // SRCCOPY
constexpr std::uint32_t kRopColouring = 0x8800C6;        // SRCAND
constexpr std::uint32_t kRopInversion = 0x330008;        // NOTSRCCOPY
constexpr std::uint32_t kRopColourInversion = 0xBB0226;  // MERGEPAINT

struct TConfigRecord {
  std::int32_t version;
  std::uint16_t framePeriodMs;
  ByteBool autoShowOnMove;
  std::uint8_t padding7;
  std::uint16_t autoShowDistance;
  std::uint8_t padding10;
  ByteBool autoHideOnIdle;
  std::uint16_t autoHideDelayMs;
  std::int16_t reserved14;
  ByteBool performanceMode;
  std::uint8_t padding17[3];
  TColour backgroundColour;
  ByteBool backgroundTinted;
  std::uint8_t backgroundTransparency;
  std::uint8_t padding26[2];
  std::uint32_t backgroundRasterOp;
  std::int32_t borderWidth;
  std::int32_t borderPenWidth;
  TColour borderPenColour;
  TColour borderBrushColour;
  ByteBool borderAutoColours;
  std::uint8_t padding49[3];
  std::int32_t arrowBarWidth;
  std::int32_t arrowPinLength;
  std::int32_t arrowPinOffset;
  std::int32_t arrowPinWidth;
  std::int32_t arrowPenWidth;
  TColour arrowPenColour;
  TColour arrowBrushColour;
  ByteBool arrowAutoColours;
  std::uint8_t padding81[3];
  std::int32_t mouseShortcuts[kMouseShortcutCount];
  THotKeyEntry hotKeys[kHotKeyCount];
  ByteBool keepToolTipsOffTop;
  std::uint8_t padding569[3];
  ByteBool caretOnStart;
  std::uint8_t caretOpacity;
  ByteBool caretTriangleTop;
  ByteBool caretTriangleBottom;
  std::uint8_t caretTriangleHeight;
  std::uint8_t caretTriangleHalfWidth;
  std::uint8_t padding578[2];
  TColour caretTriangleColour;
  ByteBool caretBarTop;
  ByteBool caretBarBottom;
  std::uint8_t padding586[2];
  std::int32_t caretBarType;
  std::int32_t caretBarWidth;
  std::int32_t caretGapTop;
  std::int32_t caretGapBottom;
  TColour caretBarColour;
  std::int32_t filterZoom;
};

// The record is copied as raw bytes between files, processes and programs.
static_assert(std::is_trivially_copyable_v<TConfigRecord>);
static_assert(std::is_standard_layout_v<TConfigRecord>);
static_assert(sizeof(THotKeyEntry) == 8);
static_assert(sizeof(TConfigRecord) == kConfigRecordSize);
static_assert(offsetof(TConfigRecord, version) == 0);
static_assert(offsetof(TConfigRecord, framePeriodMs) == 4);
static_assert(offsetof(TConfigRecord, autoShowOnMove) == 6);
static_assert(offsetof(TConfigRecord, autoShowDistance) == 8);
static_assert(offsetof(TConfigRecord, autoHideOnIdle) == 11);
static_assert(offsetof(TConfigRecord, autoHideDelayMs) == 12);
static_assert(offsetof(TConfigRecord, reserved14) == 14);
static_assert(offsetof(TConfigRecord, performanceMode) == 16);
static_assert(offsetof(TConfigRecord, backgroundColour) == 20);
static_assert(offsetof(TConfigRecord, backgroundTinted) == 24);
static_assert(offsetof(TConfigRecord, backgroundTransparency) == 25);
static_assert(offsetof(TConfigRecord, backgroundRasterOp) == 28);
static_assert(offsetof(TConfigRecord, borderWidth) == 32);
static_assert(offsetof(TConfigRecord, borderPenWidth) == 36);
static_assert(offsetof(TConfigRecord, borderPenColour) == 40);
static_assert(offsetof(TConfigRecord, borderBrushColour) == 44);
static_assert(offsetof(TConfigRecord, borderAutoColours) == 48);
static_assert(offsetof(TConfigRecord, arrowBarWidth) == 52);
static_assert(offsetof(TConfigRecord, arrowPinLength) == 56);
static_assert(offsetof(TConfigRecord, arrowPinOffset) == 60);
static_assert(offsetof(TConfigRecord, arrowPinWidth) == 64);
static_assert(offsetof(TConfigRecord, arrowPenWidth) == 68);
static_assert(offsetof(TConfigRecord, arrowPenColour) == 72);
static_assert(offsetof(TConfigRecord, arrowBrushColour) == 76);
static_assert(offsetof(TConfigRecord, arrowAutoColours) == 80);
static_assert(offsetof(TConfigRecord, mouseShortcuts) == 84);
static_assert(offsetof(TConfigRecord, hotKeys) == 240);
static_assert(offsetof(TConfigRecord, keepToolTipsOffTop) == 568);
static_assert(offsetof(TConfigRecord, caretOnStart) == 572);
static_assert(offsetof(TConfigRecord, caretOpacity) == 573);
static_assert(offsetof(TConfigRecord, caretTriangleTop) == 574);
static_assert(offsetof(TConfigRecord, caretTriangleBottom) == 575);
static_assert(offsetof(TConfigRecord, caretTriangleHeight) == 576);
static_assert(offsetof(TConfigRecord, caretTriangleHalfWidth) == 577);
static_assert(offsetof(TConfigRecord, caretTriangleColour) == 580);
static_assert(offsetof(TConfigRecord, caretBarTop) == 584);
static_assert(offsetof(TConfigRecord, caretBarBottom) == 585);
static_assert(offsetof(TConfigRecord, caretBarType) == 588);
static_assert(offsetof(TConfigRecord, caretBarWidth) == 592);
static_assert(offsetof(TConfigRecord, caretGapTop) == 596);
static_assert(offsetof(TConfigRecord, caretGapBottom) == 600);
static_assert(offsetof(TConfigRecord, caretBarColour) == 604);
static_assert(offsetof(TConfigRecord, filterZoom) == 608);

// Default action of each mouse shortcut element, in element order.
extern const std::array<std::int32_t, kMouseShortcutCount> kDefaultMouseShortcuts;
// The default hot keys; the rest of the table is empty.
extern const std::array<THotKeyEntry, 23> kDefaultHotKeys;

// Zero-fills all 612 bytes, then stores every non-zero default.
void ResetToDefaults(TConfigRecord& record);

// The record as the 612 bytes that files and messages carry.
std::array<std::uint8_t, kConfigRecordSize> RecordBytes(const TConfigRecord& record);

// Adopts an image as it stands. Returns false, leaving the record untouched,
// when fewer than 612 bytes are offered; a longer block gives its first 612.
bool AdoptRecordBytes(TConfigRecord& record, const void* data, std::size_t size);

}  // namespace vxl
