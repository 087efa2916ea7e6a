// Display texts of hot key values (virtual-key code in bits 0..7, 0x2000
// Shift, 0x4000 Ctrl, 0x8000 Alt, 0x10000 Win): modifier names in the order
// Ctrl, Shift, Alt, Win, each followed by "+", then the key's name.
#pragma once

#include <cstdint>
#include <string>

namespace vxl {

constexpr std::uint32_t kHotKeyShift = 0x2000;
constexpr std::uint32_t kHotKeyCtrl = 0x4000;
constexpr std::uint32_t kHotKeyAlt = 0x8000;
constexpr std::uint32_t kHotKeyWin = 0x10000;
constexpr std::uint32_t kHotKeyCodeMask = 0xFF;

// The keyboard layout's names of keys (UTF-8); the Win32 side asks the
// system, tests give a fixed table.
class IKeyboardLayoutNames {
 public:
  virtual ~IKeyboardLayoutNames() = default;
  // Empty when the key has no name on this layout.
  virtual std::string KeyName(std::uint8_t virtualKey, bool extended) const = 0;
};

// True for the keys whose name must be asked as an extended key (Page Up
// to the arrows, Insert, Delete): otherwise layouts name the keypad keys.
bool IsExtendedNameKey(std::uint8_t virtualKey);

// localized: modifier names from the layout ("Maj", "Strg", ...); otherwise
// "Shift", "Ctrl", "Alt". "Win" is written "WIN" when the layout's Alt name
// is all capitals, to match its style.
std::string HotKeyText(std::uint32_t value, const IKeyboardLayoutNames& layout, bool localized);

}  // namespace vxl
