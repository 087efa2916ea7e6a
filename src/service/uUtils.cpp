#include "service/uUtils.h"

namespace vxl {

std::vector<KeyStroke> KeyStrokesForCharacter(std::uint16_t layoutAnswer) {
  const auto virtualKey = static_cast<std::uint8_t>(layoutAnswer & 0xFF);
  const auto shiftState = static_cast<std::uint8_t>(layoutAnswer >> 8);
  std::vector<KeyStroke> strokes = {
      {Vk::LWin, true}, {Vk::RWin, true}, {Vk::LMenu, true}, {Vk::Control, true}};
  std::uint8_t modifier = 0;
  if (shiftState & 1) {
    modifier = Vk::Shift;
  } else if (shiftState & 6) {
    modifier = Vk::RMenu;
  }
  if (modifier) strokes.push_back({modifier, false});
  strokes.push_back({virtualKey, false});
  strokes.push_back({virtualKey, true});
  if (modifier) strokes.push_back({modifier, true});
  return strokes;
}

}  // namespace vxl
