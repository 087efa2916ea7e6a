// The action codes stored in the record's mouse and keyboard tables, and the
// list the configuration pages offer them in. The service runs them
// (uActions); the pages name them through the "cboActions" catalogue
// section, position by position.
#pragma once

#include <array>
#include <cstdint>

namespace vxl {

namespace Action {
enum : std::int32_t {
  None = 0,
  TogglePointerLocator = 100,
  ToggleAutomaticTracking = 101,
  ToggleFilterFrame = 103,
  Unused104 = 104,
  OpenFilterTemplates = 105,
  OpenFilterSettings = 106,
  TogglePerformanceMonitor = 107,
  ToggleCaretLocator = 180,
  NextCaretBarType = 181,
  PointToKeypad1 = 201,  // 201..209: places laid out like the numeric keypad
  PointToKeypad9 = 209,
  PointToTaskbarStart = 210,
  PointToTaskbarNotification = 211,
  PointToForegroundLeft = 213,
  PointToForegroundRight = 214,
  CloseWindowUnderPointer = 300,
  MaximiseWindowUnderPointer = 302,
  MoveForegroundUp = 304,
  MoveForegroundDown = 305,
  InsertDateShortYear = 400,  // yy-mm-dd
  InsertDateIso = 401,        // yyyy-mm-dd
  InsertDateUs = 402,         // mm-dd-yyyy
  InsertDateRegional = 403,   // dd/mm/yyyy
  CaptureFilterColour1 = 498,
  CaptureFilterColour2 = 499,
  ShutDown = 901,
  Restart = 902,
  LogOff = 903,
  Hibernate = 904,
  StandBy = 905,
  StartConfiguration = 950,
  ShowHelp = 951,
  Quit = 952,
};
}  // namespace Action

// The configuration pages' action list: position p of their drop-down
// carries kActionList[p]; a 0 is a group heading, which means no action.
inline constexpr int kActionListSize = 46;
// clang-format off
inline constexpr std::array<std::int32_t, kActionListSize> kActionList = {
    0,   100, 101, 107,
    0,   103, 106, 105, 104,
    0,   180, 181,
    0,   300, 302, 304, 305,
    0,   210, 211, 213, 214, 207, 208, 209, 204, 205, 206, 201, 202, 203,
    0,   400, 401, 402, 403,
    0,   903, 901, 902, 904, 905,
    0,   950, 951, 952,
};
// clang-format on

// The first list position carrying code, -1 when the list has none. A
// heading's 0 is found at position 0.
constexpr int ActionIndex(std::int32_t code) {
  for (int p = 0; p < kActionListSize; ++p) {
    if (kActionList[p] == code) return p;
  }
  return -1;
}

}  // namespace vxl
