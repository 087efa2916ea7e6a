// The 39 mouse combinations of the record's mouseShortcuts table: which
// button or wheel direction, with which modifier, each element is. The
// service's shortcut rules name elements through ElementOf; the mouse
// shortcuts page shows element i in grid row i + 1 with the catalogue texts
// of its modifier and trigger.
#pragma once

#include <array>
#include <cstdint>

#include "common/ConfigRecord.h"

namespace vxl {

enum class MouseTrigger : std::uint8_t { Left, Middle, Right, Previous, WheelUp, WheelDown };

// A held button (RightHeld, PreviousHeld) or keyboard modifiers; None is
// the plain click or notch.
enum class MouseModifier : std::uint8_t {
  None,
  RightHeld,
  PreviousHeld,
  Shift,
  Ctrl,
  Alt,
  ShiftCtrl,
  AltCtrl,
};

struct MouseElement {
  MouseTrigger trigger;
  MouseModifier modifier;
};

// Element i of mouseShortcuts.
// clang-format off
inline constexpr std::array<MouseElement, kMouseShortcutCount> kMouseElements = {{
    {MouseTrigger::Left, MouseModifier::RightHeld},      // 0
    {MouseTrigger::Left, MouseModifier::PreviousHeld},
    {MouseTrigger::Left, MouseModifier::Alt},
    {MouseTrigger::Left, MouseModifier::AltCtrl},
    {MouseTrigger::Middle, MouseModifier::None},         // 4
    {MouseTrigger::Middle, MouseModifier::RightHeld},
    {MouseTrigger::Middle, MouseModifier::PreviousHeld},
    {MouseTrigger::Middle, MouseModifier::Shift},
    {MouseTrigger::Middle, MouseModifier::Ctrl},
    {MouseTrigger::Middle, MouseModifier::Alt},
    {MouseTrigger::Middle, MouseModifier::ShiftCtrl},
    {MouseTrigger::Middle, MouseModifier::AltCtrl},
    {MouseTrigger::Right, MouseModifier::PreviousHeld},  // 12
    {MouseTrigger::Right, MouseModifier::Shift},
    {MouseTrigger::Right, MouseModifier::Ctrl},
    {MouseTrigger::Right, MouseModifier::Alt},
    {MouseTrigger::Right, MouseModifier::ShiftCtrl},
    {MouseTrigger::Right, MouseModifier::AltCtrl},
    {MouseTrigger::Previous, MouseModifier::Shift},      // 18
    {MouseTrigger::Previous, MouseModifier::Ctrl},
    {MouseTrigger::Previous, MouseModifier::Alt},
    {MouseTrigger::Previous, MouseModifier::ShiftCtrl},
    {MouseTrigger::Previous, MouseModifier::AltCtrl},
    {MouseTrigger::WheelUp, MouseModifier::None},        // 23
    {MouseTrigger::WheelUp, MouseModifier::RightHeld},
    {MouseTrigger::WheelUp, MouseModifier::PreviousHeld},
    {MouseTrigger::WheelUp, MouseModifier::Shift},
    {MouseTrigger::WheelUp, MouseModifier::Ctrl},
    {MouseTrigger::WheelUp, MouseModifier::Alt},
    {MouseTrigger::WheelUp, MouseModifier::ShiftCtrl},
    {MouseTrigger::WheelUp, MouseModifier::AltCtrl},
    {MouseTrigger::WheelDown, MouseModifier::None},      // 31
    {MouseTrigger::WheelDown, MouseModifier::RightHeld},
    {MouseTrigger::WheelDown, MouseModifier::PreviousHeld},
    {MouseTrigger::WheelDown, MouseModifier::Shift},
    {MouseTrigger::WheelDown, MouseModifier::Ctrl},
    {MouseTrigger::WheelDown, MouseModifier::Alt},
    {MouseTrigger::WheelDown, MouseModifier::ShiftCtrl},
    {MouseTrigger::WheelDown, MouseModifier::AltCtrl},
}};
// clang-format on

// The element of a combination, -1 for none (a plain click of the left,
// right or previous button is no element).
constexpr int ElementOf(MouseTrigger trigger, MouseModifier modifier) {
  for (int i = 0; i < kMouseShortcutCount; ++i) {
    if (kMouseElements[i].trigger == trigger && kMouseElements[i].modifier == modifier) return i;
  }
  return -1;
}

// Catalogue keys of the mouse shortcuts page's two columns: the modifier
// (empty for none) and the trigger.
constexpr const char* ModifierTextKey(MouseModifier modifier) {
  constexpr const char* kKeys[] = {"",         "rsMnRight", "rsMnPrev",      "rsMnShift",
                                   "rsMnCtrl", "rsMnAlt",   "rsMnShiftCtrl", "rsMnAltCtrl"};
  return kKeys[static_cast<int>(modifier)];
}
constexpr const char* TriggerTextKey(MouseTrigger trigger) {
  constexpr const char* kKeys[] = {"rsBnLeft", "rsBnMid",  "rsBnRight",
                                   "rsBnPrev", "rsBnWhUp", "rsBnWhDn"};
  return kKeys[static_cast<int>(trigger)];
}

// The elements made while the right button is held: their presence makes
// the service hold a plain right click back.
constexpr int CountRightHeldElements() {
  int count = 0;
  for (const MouseElement& element : kMouseElements) {
    if (element.modifier == MouseModifier::RightHeld) ++count;
  }
  return count;
}
inline constexpr auto kRightHeldElements = [] {
  std::array<int, CountRightHeldElements()> elements{};
  int n = 0;
  for (int i = 0; i < kMouseShortcutCount; ++i) {
    if (kMouseElements[i].modifier == MouseModifier::RightHeld) elements[n++] = i;
  }
  return elements;
}();

}  // namespace vxl
