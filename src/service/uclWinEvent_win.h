// TWinEventHook: the service's one out-of-context WinEvent hook. The system
// calls it on the thread that started it (the UI thread) through that
// thread's message loop; every event goes to the portable dispatcher.
#pragma once

#include <windows.h>

#include "service/uOleAcc_win.h"
#include "service/uclWinEvent.h"

namespace vxl::win {

class TWinEventHook {
 public:
  // At most one exists; it becomes the instance the callback serves.
  TWinEventHook();
  ~TWinEventHook();
  TWinEventHook(const TWinEventHook&) = delete;
  TWinEventHook& operator=(const TWinEventHook&) = delete;

  // Hooks every event from the foreground event up, of every process but
  // the service's own; true when hooked (also when it already was).
  bool Start();
  // Unhooks; the handler slots stay as they are.
  void Stop();
  bool Hooked() const { return hook_ != nullptr; }

  // ForegroundWnd, CaretWnd, ToolTipsMinTop and the handler slots.
  TWinEventDispatcher& Events() { return dispatcher_; }

 private:
  // Runs through GuardCallback: nothing unwinds into the system.
  static void CALLBACK Callback(HWINEVENTHOOK hook, DWORD event, HWND wnd, LONG object, LONG child,
                                DWORD thread, DWORD time) noexcept;
  // The WinEvent callback receives no user pointer.
  static TWinEventHook* instance_;

  TComApartment com_;  // first in, last out: the source's objects need it
  TOleAccSource source_;
  TWinEventDispatcher dispatcher_{source_};
  HWINEVENTHOOK hook_ = nullptr;
};

}  // namespace vxl::win
