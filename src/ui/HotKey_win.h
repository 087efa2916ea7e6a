// THotKey: the system hot key capture control. Its value is a hot key
// value of the programs (virtual key in bits 0..7, 0x2000 Shift, 0x4000
// Ctrl, 0x8000 Alt); OnChange reports a new combination.
#pragma once

#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include <cstdint>

#include "ui/Control_win.h"

namespace vxl::ui {

// Between the control's word (key, HOTKEYF_ flags above it) and ours.
std::uint32_t HotKeyFromControl(WORD value);
WORD HotKeyToControl(std::uint32_t hotKey);

class THotKey final : public TControl {
 public:
  using TControl::TControl;
  std::uint32_t HotKey() const { return value_; }
  void SetHotKey(std::uint32_t hotKey);
  bool OnCommand(WORD code) override;

 protected:
  const wchar_t* WindowClass() const override { return HOTKEY_CLASSW; }
  DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }

 private:
  void CheckChange();
  std::uint32_t value_ = 0;
};

}  // namespace vxl::ui
