// What the service's main-window decisions act on: the components the main
// window owns (locator windows, hooks, hot keys, the filter component) and the few
// system queries the decisions need. The Win32 main window implements it over
// the real components; unit tests give a recording fake.
#pragma once

#include <cstdint>

#include "common/Geometry.h"
#include "common/MessageBoxes.h"  // WindowRef
#include "common/ServiceProtocol.h"
#include "service/FilterWindows.h"

namespace vxl {

enum class CaretSwitch { Toggle, Preview, Off };

class IServiceHost {
 public:
  virtual ~IServiceHost() = default;

  // Start-up.
  virtual void LoadDefaultProfile() = 0;
  virtual void CreatePointerLocator() = 0;
  virtual void EnableMouseHook() = 0;
  virtual void ReloadLanguage() = 0;

  // Keyboard hot keys of the record.
  virtual void RegisterHotKeys() = 0;
  virtual void UnregisterAllHotKeys() = 0;

  // True when wnd is the foreground window; its window rectangle in rect.
  virtual bool ForegroundWindowRect(WindowRef wnd, Rect& rect) = 0;

  // Whether the configuration program that put the service into
  // configuration mode still runs: configWindow is a live window, or, when
  // it is 0, a configuration program's window exists.
  virtual bool ConfigurationProgramPresent(WindowRef configWindow) = 0;
  // Calls TServiceCore::CheckConfigurationProgram about once a second while
  // enabled.
  virtual void WatchConfigurationProgram(bool enabled) = 0;

  // Pointer locator.
  virtual void ApplyLocatorSettings() = 0;
  virtual bool LocatorOnScreen() = 0;
  virtual void RepaintLocator() = 0;
  virtual void EnableInactivityTimer(bool enabled) = 0;
  virtual void TogglePerformanceMonitor() = 0;
  virtual bool PerformanceMonitorOn() = 0;
  virtual void ShowPointerLocator(int x, int y, bool show) = 0;

  // Caret locator window (at most one, owned by the main window).
  virtual bool CaretLocatorExists() = 0;
  // Exists and is shown. Once shown it stays so: a faded marker is a shown
  // window at opacity 0.
  virtual bool CaretLocatorVisible() = 0;
  // Creates it, not yet shown, when none exists.
  virtual void CreateCaretLocator() = 0;
  // Closes and destroys it and marks it absent.
  virtual void FreeCaretLocator() = 0;
  virtual void SetCaretLocatorState(CaretLocatorState state) = 0;
  virtual void ShowCaretLocator() = 0;
  virtual void PreviewCaretAt(int x, int y) = 0;
  virtual void SetCaretOpacity(std::uint8_t opacity) = 0;
  // Steps the record's bar type and draws the marker again.
  virtual void NextCaretBarType() = 0;

  // The accessibility event hook (at most one).
  virtual bool WinEventHookExists() = 0;
  // A new hook is not hooked and does not move tooltips.
  virtual void CreateWinEventHook() = 0;
  virtual void SetToolTipsMinTop(bool enabled) = 0;
  virtual void StartWinEventHook() = 0;
  virtual void StopWinEventHook() = 0;
  // Stops it, frees it and marks it absent.
  virtual void FreeWinEventHook() = 0;

  // The colour filter windows.
  virtual IFilterWindows& Filters() = 0;
  // WM_VXL_FILTERS to the main window, posted, or handled at once on this
  // thread before the call returns.
  virtual void PostFiltersMessage(std::uintptr_t wParam, std::intptr_t lParam) = 0;
  virtual void SendFiltersMessage(std::uintptr_t wParam, std::intptr_t lParam) = 0;

  // Application-level window order.
  virtual void BringApplicationToFront() = 0;
  virtual void RaiseCaretLocatorTopmost() = 0;
};

}  // namespace vxl
