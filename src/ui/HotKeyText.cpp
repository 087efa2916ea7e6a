#include "ui/HotKeyText.h"

#include <array>
#include <cctype>

#include "common/VirtualKeys.h"

namespace vxl {
namespace {

// Media and browser keys 166..183: many layouts name them with a single
// character or not at all.
constexpr std::uint8_t kFirstMediaKey = 166;
constexpr std::array<const char*, 18> kMediaKeyNames = {
    "Browser Back",        "Browser Forward",     "Browser Refresh",    "Browser Stop",
    "Browser Search",      "Browser Favorites",   "Browser Start/Home", "Volume Mute",
    "Volume Down",         "Volume Up",           "Next Track",         "Previous Track",
    "Stop Media",          "Play/Pause Media",    "Start Mail",         "Select Media",
    "Start Application 1", "Start Application 2",
};

// The numeric keypad, codes 96..111: some systems have no scan code, hence
// no name, for these keys, and a hot key text must never lack its key.
constexpr std::uint8_t kFirstNumericPadKey = Vk::Numpad0;
constexpr std::array<const char*, 16> kNumericPadNames = {
    "Num 0", "Num 1", "Num 2", "Num 3", "Num 4",     "Num 5", "Num 6", "Num 7",
    "Num 8", "Num 9", "Num *", "Num +", "Num Enter", "Num -", "Num .", "Num /",
};

// Characters, not bytes: a layout name may be one accented letter.
std::size_t Utf8Length(const std::string& text) {
  std::size_t count = 0;
  for (unsigned char c : text) {
    if ((c & 0xC0) != 0x80) ++count;
  }
  return count;
}

bool IsAllCapitals(const std::string& text) {
  bool anyLetter = false;
  for (unsigned char c : text) {
    if (std::islower(c)) return false;
    if (std::isupper(c)) anyLetter = true;
  }
  return anyLetter;
}

std::string KeyPart(std::uint8_t code, const IKeyboardLayoutNames& layout) {
  std::string name = layout.KeyName(code, IsExtendedNameKey(code));
  if (code >= kFirstMediaKey && code < kFirstMediaKey + kMediaKeyNames.size() &&
      Utf8Length(name) <= 1) {
    return kMediaKeyNames[code - kFirstMediaKey];
  }
  if (name.empty() && code >= kFirstNumericPadKey &&
      code < kFirstNumericPadKey + kNumericPadNames.size()) {
    return kNumericPadNames[code - kFirstNumericPadKey];
  }
  return name;
}

}  // namespace

bool IsExtendedNameKey(std::uint8_t virtualKey) {
  return (virtualKey >= 33 && virtualKey <= 40) || virtualKey == 45 || virtualKey == 46;
}

std::string HotKeyText(std::uint32_t value, const IKeyboardLayoutNames& layout, bool localized) {
  std::string shift = "Shift", ctrl = "Ctrl", alt = "Alt";
  if (localized) {
    shift = layout.KeyName(Vk::Shift, false);
    ctrl = layout.KeyName(Vk::Control, false);
    alt = layout.KeyName(Vk::Menu, false);
  }
  std::string text;
  if (value & kHotKeyCtrl) text += ctrl + "+";
  if (value & kHotKeyShift) text += shift + "+";
  if (value & kHotKeyAlt) text += alt + "+";
  if (value & kHotKeyWin) text += IsAllCapitals(alt) ? "WIN+" : "Win+";
  text += KeyPart(static_cast<std::uint8_t>(value & kHotKeyCodeMask), layout);
  return text;
}

}  // namespace vxl
