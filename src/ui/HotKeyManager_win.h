// THotKeyManager: registers system-wide hot keys for its own hidden window
// and reports them on the user-interface thread. Values use the record's
// format (virtual-key code in bits 0..7, 0x2000 Shift, 0x4000 Ctrl,
// 0x8000 Alt, 0x10000 Win).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/BaseWindow_win.h"
#include "ui/HotKeyText.h"

namespace vxl::win {

// The current keyboard layout's key names.
class TSystemKeyNames final : public IKeyboardLayoutNames {
 public:
  std::string KeyName(std::uint8_t virtualKey, bool extended) const override;
};

class THotKeyManager final : public TBaseWindow<THotKeyManager> {
 public:
  using HotKeyPressed = std::function<void(std::uint32_t hotKey, int index)>;

  THotKeyManager();
  ~THotKeyManager() override;

  // Registers the combination; returns its identifier, or 0 when the
  // system refuses it (another program holds it, or the value is empty).
  // A value already held is not registered again: its identifier returns.
  int AddHotKey(std::uint32_t value);
  bool RemoveHotKey(int identifier);
  void RemoveAllHotKeys();
  std::size_t Count() const { return registered_.size(); }

  // Raised on the user-interface thread for each press of a registered key.
  HotKeyPressed OnHotKeyPressed;

  static std::string HotKeyText(std::uint32_t value, bool localized);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  struct Registered {
    int identifier;
    std::uint32_t value;
  };
  void OnHotKey(int identifier);

  std::vector<Registered> registered_;
  int nextIdentifier_ = 1;
};

}  // namespace vxl::win
