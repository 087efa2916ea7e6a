// TVexilor2Wnd: the service's invisible, click-through main window. It owns
// the service's components, decodes its messages and hands every decision to
// TServiceCore.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "common/uCommons_win.h"
#include "common/uclMsgLoc.h"
#include "service/FilterWindows_win.h"
#include "service/HookMouseXP_win.h"
#include "service/MouseShortcuts.h"
#include "service/ServiceHost.h"
#include "service/uActions.h"
#include "service/uUtils_win.h"
#include "service/uclWinEvent_win.h"
#include "service/uformCaretLoc_win.h"
#include "service/uformMain.h"
#include "service/uformMouseLoc_win.h"
#include "ui/BaseWindow_win.h"
#include "ui/HotKeyManager_win.h"
#include "ui/SimpleTimer_win.h"

namespace vxl {

// Tells the user that the desktop's colour depth is too low to run.
void ShowColourDepthError(int bitsPerPixel);

class TVexilor2Wnd final : public win::TBaseWindow<TVexilor2Wnd>, private IServiceHost {
 public:
  static constexpr const wchar_t* kClassName = kServiceWindowClass;
  static constexpr const wchar_t* kCaption = L"Vexilor 2.00";
  static constexpr int kClientWidth = 128;
  static constexpr int kClientHeight = 59;

  TVexilor2Wnd()
      : core_(*this),
        system_(foundation_),
        actions_(core_, *this, system_),
        shortcuts_(core_, actions_, *this, system_),
        configurationWatch_(kConfigurationWatchMs, [this] { core_.CheckConfigurationProgram(); }) {}
  ~TVexilor2Wnd() override;

  // Creates the window and runs the start-up; false when the window could
  // not be created.
  bool Create(bool startedByConfig);
  void Show();

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  // Posted to itself: refused hot keys are told outside the handler that
  // registered them, so that no private message ever waits on a box.
  static constexpr UINT kShowRefusedHotKeys = WM_APP + 1;
  static constexpr std::uint32_t kConfigurationWatchMs = 1000;

  LRESULT OnCopyData(const COPYDATASTRUCT* data);
  void OnActivateApp(bool active);
  void OnDestroy();

  // The mouse hook component, created disabled and bound to the handlers
  // below; start-up enables it.
  void CreateHookMouseXP();
  void HotKeyMgrHotKeyPressed(std::uint32_t HotKey, int Index);
  void OnShowRefusedHotKeys();
  void HookMouseXPMouseDown(THookMouseXP& Sender, TMouseButtonEx Button, TShiftStateEx Shift,
                            std::int32_t X, std::int32_t Y, WindowRef HandleWindow,
                            std::uint32_t HitTestCode, std::uint32_t ExtraInfo,
                            std::uint32_t MouseData, bool ClientArea, bool& StopMsg);
  void HookMouseXPMouseUp(THookMouseXP& Sender, TMouseButtonEx Button, TShiftStateEx Shift,
                          std::int32_t X, std::int32_t Y, WindowRef HandleWindow,
                          std::uint32_t HitTestCode, std::uint32_t ExtraInfo,
                          std::uint32_t MouseData, bool ClientArea, bool& StopMsg);
  void HookMouseXPMouseMove(THookMouseXP& Sender, TShiftStateEx Shift, std::int32_t X,
                            std::int32_t Y, WindowRef HandleWindow, std::uint32_t HitTestCode,
                            std::uint32_t ExtraInfo, bool ClientArea, bool& StopMsg);
  void HookMouseXPMouseWheelUp(THookMouseXP& Sender, TShiftStateEx Shift, Point MousePos,
                               WindowRef HandleWindow, bool& StopMsg);
  void HookMouseXPMouseWheelDown(THookMouseXP& Sender, TShiftStateEx Shift, Point MousePos,
                                 WindowRef HandleWindow, bool& StopMsg);

  // IServiceHost
  void LoadDefaultProfile() override;
  void CreatePointerLocator() override;
  void EnableMouseHook() override;
  void ReloadLanguage() override;
  void RegisterHotKeys() override;
  void UnregisterAllHotKeys() override;
  bool ForegroundWindowRect(WindowRef wnd, Rect& rect) override;
  bool ConfigurationProgramPresent(WindowRef configWindow) override;
  void WatchConfigurationProgram(bool enabled) override;
  void ApplyLocatorSettings() override;
  bool LocatorOnScreen() override;
  void RepaintLocator() override;
  void EnableInactivityTimer(bool enabled) override;
  void TogglePerformanceMonitor() override;
  bool PerformanceMonitorOn() override;
  void ShowPointerLocator(int x, int y, bool show) override;
  bool CaretLocatorExists() override;
  bool CaretLocatorVisible() override;
  void CreateCaretLocator() override;
  void FreeCaretLocator() override;
  void SetCaretLocatorState(CaretLocatorState state) override;
  void ShowCaretLocator() override;
  void PreviewCaretAt(int x, int y) override;
  void SetCaretOpacity(std::uint8_t opacity) override;
  void NextCaretBarType() override;
  bool WinEventHookExists() override;
  void CreateWinEventHook() override;
  void SetToolTipsMinTop(bool enabled) override;
  void StartWinEventHook() override;
  void StopWinEventHook() override;
  void FreeWinEventHook() override;
  IFilterWindows& Filters() override { return filters_; }
  void PostFiltersMessage(std::uintptr_t wParam, std::intptr_t lParam) override;
  void SendFiltersMessage(std::uintptr_t wParam, std::intptr_t lParam) override;
  void BringApplicationToFront() override;
  void RaiseCaretLocatorTopmost() override;

  win::TSharedFoundation foundation_;
  // Before the locator, which reads its origins.
  win::TFilterWindows filters_;
  // The "Vexilor" catalogue, created first at start and kept to the end.
  std::unique_ptr<TMsgLocalizer> catalogue_;
  TServiceCore core_;
  std::unique_ptr<TVexilorLocWnd> locator_;
  // The caret locator refers to the hook's slot: it is declared after it,
  // so that it goes first.
  std::unique_ptr<win::TWinEventHook> winEventHook_;
  std::unique_ptr<TVXLCaretLocWnd> caretLocator_;
  win::TSystemUtilities system_;
  TActions actions_;
  TMouseShortcuts shortcuts_;
  win::THotKeyManager hotKeyMgr_;
  // The latest refusals not yet told, and whether telling them is under
  // way (posted, or its box open): one box at a time, never nested.
  std::vector<std::uint32_t> refusedHotKeys_;
  bool refusedHotKeysQueued_ = false;
  win::TSimpleTimer configurationWatch_;
  std::unique_ptr<TWinHookMouseXP> hookMouseXP_;  // exists while the window does
};

}  // namespace vxl
