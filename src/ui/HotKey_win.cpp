#include "ui/HotKey_win.h"

#include "ui/HotKeyText.h"

namespace vxl::ui {

std::uint32_t HotKeyFromControl(WORD value) {
  const BYTE flags = HIBYTE(value);
  std::uint32_t hotKey = LOBYTE(value);
  if (flags & HOTKEYF_SHIFT) hotKey |= kHotKeyShift;
  if (flags & HOTKEYF_CONTROL) hotKey |= kHotKeyCtrl;
  if (flags & HOTKEYF_ALT) hotKey |= kHotKeyAlt;
  return hotKey;
}

WORD HotKeyToControl(std::uint32_t hotKey) {
  BYTE flags = 0;
  if (hotKey & kHotKeyShift) flags |= HOTKEYF_SHIFT;
  if (hotKey & kHotKeyCtrl) flags |= HOTKEYF_CONTROL;
  if (hotKey & kHotKeyAlt) flags |= HOTKEYF_ALT;
  return MAKEWORD(static_cast<BYTE>(hotKey & kHotKeyCodeMask), flags);
}

void THotKey::SetHotKey(std::uint32_t hotKey) {
  ::SendMessageW(Handle(), HKM_SETHOTKEY, HotKeyToControl(hotKey), 0);
  CheckChange();
}

void THotKey::CheckChange() {
  const auto now =
      HotKeyFromControl(static_cast<WORD>(::SendMessageW(Handle(), HKM_GETHOTKEY, 0, 0)));
  if (now == value_) return;
  value_ = now;
  Fire(Event::Change, static_cast<int>(value_));
}

bool THotKey::OnCommand(WORD code) {
  if (code != EN_CHANGE) return false;
  CheckChange();
  return true;
}

}  // namespace vxl::ui
