// How the configuration program, the service's own windows and any peer talk
// to the service's main window: its class, the private messages and their
// commands, the record carried by WM_COPYDATA and the windows the service
// looks for in the configuration program. Both programs and both test suites
// use these names; no bare command number stands for one anywhere else.
#pragma once

#include <cstdint>

#include "common/Geometry.h"

namespace vxl {

// Window classes and single-instance mutexes that cross process boundaries,
// named only at Win32 calls, hence UTF-16.
inline constexpr const wchar_t* kServiceWindowClass = L"TVexilor2Wnd";
inline constexpr const wchar_t* kConfigWindowClass = L"TfrmVXL2Config";
inline constexpr const wchar_t* kCaretPreviewClass = L"TformCaretPrevw";
inline constexpr const wchar_t* kCaretPreviewMemoClass = L"TMemo";
inline constexpr const wchar_t* kServiceMutexName = L"Vexilor2";
inline constexpr const wchar_t* kConfigMutexName = L"Vexilor2Config";
// The service started by the configuration program (exact case).
inline constexpr const char* kConfigSwitch = "/config";

// Private messages of the service's main window (WM_USER + 0x1FF .. + 0x202).
constexpr std::uint32_t WM_VXL_SETMODE = 0x5FF;
constexpr std::uint32_t WM_VXL_RELOAD = 0x600;
constexpr std::uint32_t WM_VXL_PREVIEW = 0x601;
constexpr std::uint32_t WM_VXL_FILTERS = 0x602;

// WM_VXL_SETMODE wParam; lParam with Configuration: the configuration
// program's main window (0 allowed). Any value but Configuration leaves
// configuration mode. Result 1.
namespace SetMode {
enum : std::uintptr_t { Normal = 1, Configuration = 2 };
}

// The service's mode (the state SetMode switches).
constexpr std::int32_t kServiceModeNormal = 1;
constexpr std::int32_t kServiceModeConfiguration = 2;

// WM_VXL_RELOAD wParam. Result 1 whatever the command.
namespace Reload {
enum : std::uintptr_t {
  Language = 0,            // read the language setting again
  PerformanceMonitor = 1,  // toggle the locator's performance monitor
};
}

// WM_VXL_PREVIEW wParam.
namespace Preview {
enum : std::uintptr_t {
  Pointer = 0,        // lParam 1 shows the pointer locator, else hides it
  Caret = 1,          // lParam 1 opens the caret preview (configuration mode only)
  CaretPosition = 2,  // lParam: PackPreviewPosition; result 0 without a caret window
};
inline constexpr std::intptr_t kShow = 1;
inline constexpr std::intptr_t kHide = 0;
}  // namespace Preview

// WM_VXL_FILTERS wParam, sent by the actions and the filter windows.
namespace Filters {
enum : std::uintptr_t {
  FrameClosed = 0,  // the frame window closed: free it
  OpenFrame = 1,    // result 0 when it exists already
  CloseFrame = 2,
  OpenTemplates = 4,   // result 0 when it exists already
  OpenSettings = 5,    // result 0 when the templates are open or no frame exists
  SettingsClosed = 6,  // lParam kThenTemplates opens the templates next
  TemplatesClosed = 9,
};
inline constexpr std::intptr_t kThenTemplates = 1;
}  // namespace Filters

// States of the caret locator window.
enum class CaretLocatorState : int { Tracking = 1, Preview = 2 };

// WM_VXL_PREVIEW CaretPosition's lParam: the screen position of the sample
// caret, each coordinate taken modulo 65536.
//   bits 0..15   x, a signed 16-bit word
//   bits 16..31  y, a signed 16-bit word
// Signed, so that a screen left of or above the primary one gives negative
// coordinates.
constexpr std::uint32_t PackPreviewPosition(std::int32_t x, std::int32_t y) {
  return (static_cast<std::uint32_t>(x) & 0xFFFFu) |
         ((static_cast<std::uint32_t>(y) & 0xFFFFu) << 16);
}
constexpr Point UnpackPreviewPosition(std::uint32_t bits) {
  return {static_cast<std::int16_t>(bits & 0xFFFFu), static_cast<std::int16_t>(bits >> 16)};
}

// WM_COPYDATA to the service: lpData holds the whole 612-byte configuration
// record (see ConfigRecord.h), cbData its size; dwData carries no meaning and
// is not read. A shorter block is ignored, a longer one gives its first 612
// bytes. Result 0. The hook library's records travel the same way to the
// hook component's own receiving window, never to this one.
inline constexpr std::uintptr_t kRecordCopyDataId = 0;

}  // namespace vxl
