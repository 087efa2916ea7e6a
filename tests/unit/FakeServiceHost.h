// A recording fake of the components the service's decisions act on.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "service/ServiceHost.h"

namespace vxl {

using Calls = std::vector<std::string>;

// Records what the decisions ask of the components; the queries answer from
// plain fields the tests set.
class FakeHost : public IServiceHost {
 public:
  std::vector<std::string> calls;
  std::set<FilterWindowKind> openFilterWindows;
  bool caretExists = false;
  bool caretVisible = false;
  bool hookExists = false;
  bool locatorOnScreen = false;
  bool monitorOn = false;
  WindowRef foreground = 0;
  Rect foregroundRect{};
  bool configurationProgramPresent = true;
  bool watchingConfigurationProgram = false;
  // Applied to the record when the profile is "loaded".
  std::function<void()> onLoadProfile;

  void LoadDefaultProfile() override {
    Log("LoadDefaultProfile");
    if (onLoadProfile) onLoadProfile();
  }
  void CreatePointerLocator() override { Log("CreatePointerLocator"); }
  void EnableMouseHook() override { Log("EnableMouseHook"); }
  void ReloadLanguage() override { Log("ReloadLanguage"); }
  void RegisterHotKeys() override { Log("RegisterHotKeys"); }
  void UnregisterAllHotKeys() override { Log("UnregisterAllHotKeys"); }
  bool ForegroundWindowRect(WindowRef wnd, Rect& rect) override {
    if (wnd != foreground) return false;
    rect = foregroundRect;
    return true;
  }
  bool ConfigurationProgramPresent(WindowRef) override { return configurationProgramPresent; }
  void WatchConfigurationProgram(bool enabled) override { watchingConfigurationProgram = enabled; }
  void ApplyLocatorSettings() override { Log("ApplyLocatorSettings"); }
  bool LocatorOnScreen() override { return locatorOnScreen; }
  void RepaintLocator() override { Log("RepaintLocator"); }
  void EnableInactivityTimer(bool enabled) override {
    Log(std::string("EnableInactivityTimer ") + (enabled ? "on" : "off"));
  }
  void TogglePerformanceMonitor() override {
    Log("TogglePerformanceMonitor");
    monitorOn = !monitorOn;
  }
  bool PerformanceMonitorOn() override { return monitorOn; }
  void ShowPointerLocator(int x, int y, bool show) override {
    Log("ShowPointerLocator " + std::to_string(x) + "," + std::to_string(y) +
        (show ? " show" : " hide"));
    locatorOnScreen = show;
  }
  bool CaretLocatorExists() override { return caretExists; }
  bool CaretLocatorVisible() override { return caretExists && caretVisible; }
  void CreateCaretLocator() override {
    Log("CreateCaretLocator");
    caretExists = true;
  }
  void FreeCaretLocator() override {
    Log("FreeCaretLocator");
    caretExists = false;
    caretVisible = false;
  }
  void SetCaretLocatorState(CaretLocatorState state) override {
    Log("SetCaretLocatorState " + std::to_string(static_cast<int>(state)));
    caretVisible = true;
  }
  void ShowCaretLocator() override {
    Log("ShowCaretLocator");
    caretVisible = true;
  }
  void PreviewCaretAt(int x, int y) override {
    Log("PreviewCaretAt " + std::to_string(x) + "," + std::to_string(y));
  }
  void SetCaretOpacity(std::uint8_t opacity) override {
    Log("SetCaretOpacity " + std::to_string(opacity));
  }
  void NextCaretBarType() override { Log("NextCaretBarType"); }
  bool WinEventHookExists() override { return hookExists; }
  void CreateWinEventHook() override {
    Log("CreateWinEventHook");
    hookExists = true;
  }
  void SetToolTipsMinTop(bool enabled) override {
    Log(std::string("SetToolTipsMinTop ") + (enabled ? "on" : "off"));
  }
  void StopWinEventHook() override { Log("StopWinEventHook"); }
  void FreeWinEventHook() override {
    Log("FreeWinEventHook");
    hookExists = false;
  }
  void StartWinEventHook() override { Log("StartWinEventHook"); }
  void SendFiltersMessage(std::uintptr_t wParam, std::intptr_t lParam) override {
    Log("SendFilters " + std::to_string(wParam) + "," + std::to_string(lParam));
  }
  void PostFiltersMessage(std::uintptr_t wParam, std::intptr_t lParam) override {
    Log("PostFilters " + std::to_string(wParam) + "," + std::to_string(lParam));
  }
  IFilterWindows& Filters() override { return filters_; }
  void BringApplicationToFront() override { Log("BringApplicationToFront"); }
  void RaiseCaretLocatorTopmost() override { Log("RaiseCaretLocatorTopmost"); }

 private:
  // The filter component, answering from openFilterWindows and logging into
  // the same calls.
  class FakeFilters final : public IFilterWindows {
   public:
    explicit FakeFilters(FakeHost& host) : host_(host) {}
    bool Exists(FilterWindowKind kind) override { return host_.openFilterWindows.count(kind) != 0; }
    void Close(FilterWindowKind kind) override { host_.Log("Close " + Name(kind)); }
    void Free(FilterWindowKind kind) override {
      host_.Log("Free " + Name(kind));
      host_.openFilterWindows.erase(kind);
    }
    void Open(FilterWindowKind kind) override {
      host_.Log("Open " + Name(kind));
      host_.openFilterWindows.insert(kind);
    }
    void RaiseFrame() override { host_.Log("RaiseFilterFrame"); }
    void RaiseLensTopmost() override { host_.Log("RaiseFilterLensTopmost"); }
    void CaptureColour(int which) override {
      host_.Log("CaptureFilterColour " + std::to_string(which));
    }
    void ShowPixelColour(Point p, WindowRef) override {
      host_.Log("ShowPixelColour " + std::to_string(p.x) + "," + std::to_string(p.y));
    }
    const FilterOrigins& Origins() const override { return origins_; }

   private:
    static std::string Name(FilterWindowKind kind) {
      static const char* names[] = {"Frame", "Lens", "Settings", "Templates"};
      return names[static_cast<int>(kind)];
    }
    FakeHost& host_;
    FilterOrigins origins_;
  };

  void Log(std::string call) { calls.push_back(std::move(call)); }
  FakeFilters filters_{*this};
};

}  // namespace vxl
