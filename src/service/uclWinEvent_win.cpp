#include "service/uclWinEvent_win.h"

#include <utility>

#include "ui/CallbackGuard_win.h"
#include "ui/WinGeometry_win.h"

namespace vxl::win {

TWinEventHook* TWinEventHook::instance_ = nullptr;

TWinEventHook::TWinEventHook() { instance_ = this; }

TWinEventHook::~TWinEventHook() {
  Stop();
  if (instance_ == this) instance_ = nullptr;
}

bool TWinEventHook::Start() {
  if (hook_) return true;
  hook_ = ::SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_MAX, ::GetModuleHandleW(nullptr),
                            &TWinEventHook::Callback, 0, 0,
                            WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
  return hook_ != nullptr;
}

void TWinEventHook::Stop() {
  if (hook_) ::UnhookWinEvent(std::exchange(hook_, nullptr));
}

void CALLBACK TWinEventHook::Callback(HWINEVENTHOOK, DWORD event, HWND wnd, LONG object, LONG child,
                                      DWORD, DWORD) noexcept {
  GuardCallback(
      [&] {
        // An event already queued when the hook was removed still arrives once.
        TWinEventHook* self = instance_;
        if (self == nullptr || self->hook_ == nullptr) return;
        self->dispatcher_.HandleEvent(event, ToWindowRef(wnd), object, child);
      },
      [] {});
}

}  // namespace vxl::win
