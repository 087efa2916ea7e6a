// The Win32 half of the mouse hook component: ZARTHOOK.DLL loaded by name and
// bound by its two exports, the child window that receives the forwarded
// copy-data messages, and the key state sampled as each one arrives.
#pragma once

#include <windows.h>

#include <string>

#include "service/HookMouseXP.h"
#include "ui/BaseWindow_win.h"
#include "ui/WinHandles_win.h"

namespace vxl {

// The receiving window: a hidden child of the component's owner whose only
// message is WM_COPYDATA, answered by the component.
class TReceptionMessageCopyData final : public win::TBaseWindow<TReceptionMessageCopyData> {
 public:
  static constexpr const wchar_t* kClassName = L"TReceptionMessageCopyData";

  explicit TReceptionMessageCopyData(THookMouseXP& component) : component_(component) {}
  ~TReceptionMessageCopyData() override { DestroyHandle(); }

  // Creates the window under parent unless it exists; false on failure.
  bool EnsureHandle(HWND parent);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  LRESULT OnCopyData(const COPYDATASTRUCT* data);

  THookMouseXP& component_;
};

// The key state right now, as the desktop's input sees it.
TShiftStateEx SampleDesktopShiftState();

// One hook component with its library and receiver. owner is the windowed
// parent of the receiver (the service's main window); caption titles the
// component's message boxes. Lives on the owner's thread.
class TWinHookMouseXP final : private IHookLibrarySystem {
 public:
  TWinHookMouseXP(HWND owner, std::wstring caption, bool enabled);
  ~TWinHookMouseXP() override = default;

  THookMouseXP& Component() { return component_; }
  HWND ReceiverHandle() const { return receiver_.Handle(); }

 private:
  using InitialisationHookProc = BOOLEAN(WINAPI*)(HWND receiver);
  using FinalisationHookProc = void(WINAPI*)();

  bool LoadHookLibrary(const std::string& path) override;
  bool BindInitialisationHook() override;
  bool BindFinalisationHook() override;
  bool CallInitialisationHook() override;
  void CallFinalisationHook() override;
  void FreeHookLibrary() override;
  void ShowMessage(const std::string& text) override;

  HWND owner_;  // not owned
  std::wstring caption_;
  win::UniqueModule library_;
  InitialisationHookProc initialisationHook_ = nullptr;
  FinalisationHookProc finalisationHook_ = nullptr;
  // The receiver keeps a reference to the component declared after it; it
  // only uses it while handling a message, never during construction.
  TReceptionMessageCopyData receiver_;
  // Last, so that its destruction removes the hook while the receiver and
  // the library still exist.
  THookMouseXP component_;
};

}  // namespace vxl
