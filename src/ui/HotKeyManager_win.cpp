#include "ui/HotKeyManager_win.h"

#include <algorithm>

#include "ui/WinText_win.h"

namespace vxl::win {
namespace {

constexpr const wchar_t* kClassName = L"TVxlHotKeyManager";
// Holding a combination must not repeat its action.
constexpr UINT kNoRepeat = 0x4000;  // MOD_NOREPEAT
// Identifiers an application may use for its hot keys.
constexpr int kLastIdentifier = 0xBFFF;

UINT SystemModifiers(std::uint32_t value) {
  UINT modifiers = kNoRepeat;
  if (value & kHotKeyAlt) modifiers |= MOD_ALT;
  if (value & kHotKeyCtrl) modifiers |= MOD_CONTROL;
  if (value & kHotKeyShift) modifiers |= MOD_SHIFT;
  if (value & kHotKeyWin) modifiers |= MOD_WIN;
  return modifiers;
}

}  // namespace

std::string TSystemKeyNames::KeyName(std::uint8_t virtualKey, bool extended) const {
  const UINT scanCode = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  LONG keyParam = static_cast<LONG>(scanCode << 16);
  if (extended) keyParam |= 1 << 24;
  wchar_t name[128];
  const int length = ::GetKeyNameTextW(keyParam, name, 128);
  return length > 0 ? Narrow(std::wstring_view(name, static_cast<std::size_t>(length)))
                    : std::string();
}

THotKeyManager::THotKeyManager() {
  RegisterWindowClass(kClassName, nullptr);
  // A message-only window: never shown, never enumerated, receives WM_HOTKEY.
  CreateHandle(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE);
}

THotKeyManager::~THotKeyManager() {
  RemoveAllHotKeys();
  DestroyHandle();
}

int THotKeyManager::AddHotKey(std::uint32_t value) {
  const UINT virtualKey = value & kHotKeyCodeMask;
  if (Handle() == nullptr || virtualKey == 0) return 0;
  // Held already (a second registration, or the same key twice in a
  // table): the system would refuse it as taken, by us.
  auto held = std::find_if(registered_.begin(), registered_.end(),
                           [&](const Registered& r) { return r.value == value; });
  if (held != registered_.end()) return held->identifier;
  if (nextIdentifier_ > kLastIdentifier) return 0;
  const int identifier = nextIdentifier_;
  if (!::RegisterHotKey(Handle(), identifier, SystemModifiers(value), virtualKey)) return 0;
  ++nextIdentifier_;
  registered_.push_back({identifier, value});
  return identifier;
}

bool THotKeyManager::RemoveHotKey(int identifier) {
  auto it = std::find_if(registered_.begin(), registered_.end(),
                         [&](const Registered& r) { return r.identifier == identifier; });
  if (it == registered_.end()) return false;
  ::UnregisterHotKey(Handle(), identifier);
  registered_.erase(it);
  return true;
}

void THotKeyManager::RemoveAllHotKeys() {
  for (const Registered& r : registered_) ::UnregisterHotKey(Handle(), r.identifier);
  registered_.clear();
  nextIdentifier_ = 1;
}

std::string THotKeyManager::HotKeyText(std::uint32_t value, bool localized) {
  return vxl::HotKeyText(value, TSystemKeyNames(), localized);
}

LRESULT THotKeyManager::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HOTKEY: OnHotKey(static_cast<int>(wParam)); return 0;
  }
  return Default(message, wParam, lParam);
}

void THotKeyManager::OnHotKey(int identifier) {
  auto it = std::find_if(registered_.begin(), registered_.end(),
                         [&](const Registered& r) { return r.identifier == identifier; });
  if (it != registered_.end() && OnHotKeyPressed) OnHotKeyPressed(it->value, identifier);
}

}  // namespace vxl::win
