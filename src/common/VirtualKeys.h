// The system's virtual-key codes the portable code names: mouse buttons
// sampled with the keys, modifiers, and the numeric keypad. Checked against
// the system's own values in ui/SystemValues_win.cpp.
#pragma once

#include <cstdint>

namespace vxl::Vk {

enum : std::uint8_t {
  LButton = 0x01,
  RButton = 0x02,
  MButton = 0x04,
  XButton1 = 0x05,
  XButton2 = 0x06,
  Shift = 0x10,
  Control = 0x11,
  Menu = 0x12,  // Alt
  LWin = 0x5B,
  RWin = 0x5C,
  Numpad0 = 0x60,
  Divide = 0x6F,  // the last numeric-keypad key
  LMenu = 0xA4,
  RMenu = 0xA5,  // AltGr
};

}  // namespace vxl::Vk
