// Components and system helpers that do nothing, for the benchmarks (which
// measure the service's own decisions, not the system calls they end in) and
// the unit tests that need a host but look at none of its calls.
#pragma once

#include <cstddef>
#include <string>

#include "hook/ZartHookRecords.h"
#include "service/HookMouseXP.h"
#include "service/ServiceHost.h"
#include "service/uUtils.h"

namespace vxl::null {

class NullFilterWindows final : public IFilterWindows {
 public:
  bool Exists(FilterWindowKind) override { return false; }
  void Close(FilterWindowKind) override {}
  void Free(FilterWindowKind) override {}
  void Open(FilterWindowKind) override {}
  void RaiseFrame() override {}
  void RaiseLensTopmost() override {}
  void CaptureColour(int) override {}
  void ShowPixelColour(Point, WindowRef) override {}
  const FilterOrigins& Origins() const override { return origins_; }

 private:
  FilterOrigins origins_;
};

class NullServiceHost final : public IServiceHost {
 public:
  void LoadDefaultProfile() override {}
  void CreatePointerLocator() override {}
  void EnableMouseHook() override {}
  void ReloadLanguage() override {}
  void RegisterHotKeys() override {}
  void UnregisterAllHotKeys() override {}
  bool ForegroundWindowRect(WindowRef, Rect&) override { return false; }
  bool ConfigurationProgramPresent(WindowRef) override { return true; }
  void WatchConfigurationProgram(bool) override {}
  void ApplyLocatorSettings() override {}
  bool LocatorOnScreen() override { return false; }
  void RepaintLocator() override {}
  void EnableInactivityTimer(bool) override {}
  void TogglePerformanceMonitor() override {}
  bool PerformanceMonitorOn() override { return false; }
  void ShowPointerLocator(int, int, bool) override {}
  bool CaretLocatorExists() override { return false; }
  bool CaretLocatorVisible() override { return false; }
  void CreateCaretLocator() override {}
  void FreeCaretLocator() override {}
  void SetCaretLocatorState(CaretLocatorState) override {}
  void ShowCaretLocator() override {}
  void PreviewCaretAt(int, int) override {}
  void SetCaretOpacity(std::uint8_t) override {}
  void NextCaretBarType() override {}
  bool WinEventHookExists() override { return false; }
  void CreateWinEventHook() override {}
  void SetToolTipsMinTop(bool) override {}
  void StartWinEventHook() override {}
  void StopWinEventHook() override {}
  void FreeWinEventHook() override {}
  IFilterWindows& Filters() override { return filters_; }
  void PostFiltersMessage(std::uintptr_t, std::intptr_t) override {}
  void SendFiltersMessage(std::uintptr_t, std::intptr_t) override {}
  void BringApplicationToFront() override {}
  void RaiseCaretLocatorTopmost() override {}

 private:
  NullFilterWindows filters_;
};

class NullSystemUtilities final : public ISystemUtilities {
 public:
  Point CursorPos() override { return {}; }
  void SetCursorPos(Point) override {}
  Size ScreenSize() override { return {1280, 1024}; }
  bool ForegroundWindowRect(Rect&) override { return false; }
  bool TaskbarPartRect(char, Rect&) override { return false; }
  WindowRef WindowAtPoint(Point) override { return 0; }
  WindowRef TopLevelWindow(WindowRef wnd) override { return wnd; }
  void PostClose(WindowRef) override {}
  void PostSysCommandClose(WindowRef) override {}
  bool IsMaximised(WindowRef) override { return false; }
  void Restore(WindowRef) override {}
  void ShowMaximised(WindowRef) override {}
  void MoveForegroundWindowBy(int) override {}
  CivilDate Today() override { return {2024, 4, 9}; }
  std::string DateSeparator() override { return "/"; }
  void ProcessPendingMessages() override {}
  void TypeIntoFocusedWindow(const std::string&) override {}
  void Beep() override {}
  void InjectRightClick(Point) override {}
  bool ExitSession(unsigned) override { return false; }
  bool Suspend(bool, bool, bool) override { return false; }
  bool StartProgram(const std::string&) override { return true; }
  void ShowProgramNotFound(const std::string&) override {}
  void ShowHelp(const std::string&) override {}
  void Quit() override {}
};

class NullHookLibrary final : public IHookLibrarySystem {
 public:
  bool LoadHookLibrary(const std::string&) override { return false; }
  bool BindInitialisationHook() override { return false; }
  bool BindFinalisationHook() override { return false; }
  bool CallInitialisationHook() override { return false; }
  void CallFinalisationHook() override {}
  void FreeHookLibrary() override {}
  void ShowMessage(const std::string&) override {}
};

// A realistic mix of forwarded records: mostly moves, some buttons, a wheel
// notch, a non-client move, an extra button, a double click.
inline constexpr TMouseHookData kMouseMix[] = {
    {0x0200, 10, 20, 0x1234, 1, 0, 0}, {0x0200, 11, 20, 0x1234, 1, 0, 0},
    {0x0201, 11, 20, 0x1234, 1, 0, 0}, {0x0200, 12, 21, 0x1234, 1, 0, 0},
    {0x0202, 12, 21, 0x1234, 1, 0, 0}, {0x020A, 12, 21, 0x1234, 1, 0, 0xFF880000},
    {0x00A0, 12, 21, 0x1234, 2, 0, 0}, {0x020B, 12, 21, 0x1234, 1, 0, 0x00010020},
    {0x0203, 12, 21, 0x1234, 1, 0, 0}, {0x0200, 13, 22, 0x1234, 1, 0, 0},
    {0x0207, 13, 22, 0x1234, 1, 0, 0},
};
inline constexpr std::size_t kMouseMixSize = sizeof kMouseMix / sizeof kMouseMix[0];

}  // namespace vxl::null
