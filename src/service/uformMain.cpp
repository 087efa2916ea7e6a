#include "service/uformMain.h"

#include "service/uformMouseLoc.h"

namespace vxl {

bool IsConfigSwitch(const std::vector<std::string>& arguments) {
  return !arguments.empty() && arguments.front() == kConfigSwitch;
}

MessageBoxText ColourDepthError(const MessageLookup& getMsg, int bitsPerPixel) {
  return {getMsg("rsError"), getMsg("rsBPP1") + std::to_string(bitsPerPixel) + getMsg("rsBPP2") +
                                 "\r\n" + getMsg("rsBPP3") + "\r\n" + getMsg("rsBPP4")};
}

Point ConfigPreviewPoint(IServiceHost& host, WindowRef configWindow) {
  Rect rect;
  if (configWindow != 0 && host.ForegroundWindowRect(configWindow, rect)) {
    return {rect.left + 100, rect.top + 5};
  }
  return {0, 0};
}

TServiceCore::TServiceCore(IServiceHost& host) : host_(host) { ResetToDefaults(config_); }

void TServiceCore::Start(bool startedByConfig) {
  ResetToDefaults(config_);
  host_.LoadDefaultProfile();
  if (config_.keepToolTipsOffTop || config_.caretOnStart) {
    EnsureWinEventHook(config_.keepToolTipsOffTop);
    // No caret locator exists yet, so the toggle switches it on.
    if (config_.caretOnStart) SwitchCaretLocator(CaretSwitch::Toggle);
    host_.StartWinEventHook();
  }
  host_.CreatePointerLocator();
  if (!startedByConfig) {
    host_.RegisterHotKeys();
    hotKeysHeld_ = true;
  }
  host_.EnableMouseHook();
}

std::intptr_t TServiceCore::OnSetMode(std::uintptr_t wParam, std::intptr_t lParam) {
  if (wParam == SetMode::Configuration) {
    EnterConfigurationMode(static_cast<WindowRef>(lParam));
  } else {
    LeaveConfigurationMode();
  }
  if (state_.serviceMode == kServiceModeConfiguration) {
    for (auto kind :
         {FilterWindowKind::Settings, FilterWindowKind::Templates, FilterWindowKind::Frame}) {
      if (host_.Filters().Exists(kind)) host_.Filters().Close(kind);
    }
  }
  return 1;
}

void TServiceCore::EnterConfigurationMode(WindowRef configWindow) {
  host_.UnregisterAllHotKeys();
  hotKeysHeld_ = false;
  state_.serviceMode = kServiceModeConfiguration;
  positions_.previousPosition.Store({0, 0});
  state_.configWindow = configWindow;
  positions_.currentPosition.Store(ConfigPreviewPoint(host_, configWindow));
  if (host_.CaretLocatorExists()) host_.SetCaretLocatorState(CaretLocatorState::Preview);
  host_.WatchConfigurationProgram(true);
}

void TServiceCore::LeaveConfigurationMode() {
  // Already left: registering the hot keys again would only report the
  // refused ones once more.
  if (state_.serviceMode == kServiceModeNormal && hotKeysHeld_) return;
  host_.WatchConfigurationProgram(false);
  state_.configWindow = 0;
  state_.serviceMode = kServiceModeNormal;
  host_.RegisterHotKeys();
  hotKeysHeld_ = true;
  positions_.previousPosition.Store(positions_.currentPosition.Load());
  host_.EnableInactivityTimer(config_.autoHideOnIdle);
  if (host_.LocatorOnScreen()) host_.RepaintLocator();
  if (config_.keepToolTipsOffTop) {
    EnsureWinEventHook(config_.keepToolTipsOffTop);
    host_.StartWinEventHook();
  }
  if (config_.caretOnStart) {
    if (!host_.CaretLocatorExists()) SwitchCaretLocator(CaretSwitch::Toggle);
    if (host_.CaretLocatorExists()) host_.SetCaretLocatorState(CaretLocatorState::Tracking);
  } else if (host_.CaretLocatorExists()) {
    SwitchCaretLocator(CaretSwitch::Off);
  }
}

void TServiceCore::EnsureWinEventHook(bool toolTipsMinTop) {
  if (!host_.WinEventHookExists()) host_.CreateWinEventHook();
  host_.SetToolTipsMinTop(toolTipsMinTop);
}

void TServiceCore::SwitchCaretLocator(CaretSwitch form) {
  bool on = false;
  switch (form) {
    case CaretSwitch::Toggle: on = !host_.CaretLocatorExists(); break;
    case CaretSwitch::Preview:
      state_.serviceMode = kServiceModeConfiguration;
      on = true;
      break;
    case CaretSwitch::Off: on = false; break;
  }
  if (on && state_.serviceMode == kServiceModeNormal) {
    if (!host_.WinEventHookExists()) host_.CreateWinEventHook();
    if (!host_.CaretLocatorExists()) host_.CreateCaretLocator();
    host_.SetCaretLocatorState(CaretLocatorState::Tracking);
    host_.StartWinEventHook();
  } else if (on) {
    if (host_.WinEventHookExists()) host_.StopWinEventHook();
    if (host_.CaretLocatorExists()) return;
    host_.CreateCaretLocator();
    host_.SetCaretLocatorState(CaretLocatorState::Preview);
    host_.ShowCaretLocator();
  } else {
    if (host_.CaretLocatorExists()) host_.FreeCaretLocator();
    if (!host_.WinEventHookExists()) return;
    if (!config_.keepToolTipsOffTop) {
      host_.FreeWinEventHook();
    } else if (state_.serviceMode == kServiceModeNormal) {
      // Closing the locator stopped the hook; the tooltip rule still needs
      // it running.
      host_.StartWinEventHook();
    }
  }
}

void TServiceCore::NextCaretBarType() {
  if (host_.CaretLocatorExists()) host_.NextCaretBarType();
}

bool TServiceCore::CaretLocatorShown() {
  return host_.CaretLocatorExists() && host_.CaretLocatorVisible();
}

std::intptr_t TServiceCore::OnReload(std::uintptr_t wParam) {
  if (wParam == Reload::Language) {
    host_.ReloadLanguage();
  } else if (wParam == Reload::PerformanceMonitor) {
    host_.TogglePerformanceMonitor();
    if (host_.LocatorOnScreen()) host_.RepaintLocator();
  }
  return 1;
}

std::intptr_t TServiceCore::OnPreview(std::uintptr_t wParam, std::intptr_t lParam) {
  switch (wParam) {
    case Preview::Pointer:
      if (lParam == Preview::kShow) {
        host_.ShowPointerLocator(-1, -1, true);
      } else {
        host_.ShowPointerLocator(0, 0, false);
      }
      return 1;
    case Preview::Caret:
      // The caret preview belongs to the configuration program: without it
      // the service would be left in configuration mode with nobody to
      // end it.
      if (lParam == Preview::kShow && state_.serviceMode == kServiceModeConfiguration) {
        SwitchCaretLocator(CaretSwitch::Preview);
      }
      return 1;
    case Preview::CaretPosition: {
      if (!host_.CaretLocatorExists()) return 0;
      const Point at = UnpackPreviewPosition(static_cast<std::uint32_t>(lParam));
      host_.PreviewCaretAt(at.x, at.y);
      return 1;
    }
    default: return 1;
  }
}

std::intptr_t TServiceCore::OnFilters(std::uintptr_t wParam, std::intptr_t lParam) {
  using K = FilterWindowKind;
  IFilterWindows& filters = host_.Filters();
  switch (wParam) {
    case Filters::FrameClosed: filters.Free(K::Frame); return 1;
    case Filters::OpenFrame:
      if (filters.Exists(K::Frame)) return 0;
      filters.Open(K::Frame);
      return 1;
    case Filters::CloseFrame:
      if (filters.Exists(K::Frame)) filters.Close(K::Frame);
      return 1;
    case Filters::OpenTemplates:
      if (filters.Exists(K::Templates)) return 0;
      filters.Open(K::Templates);
      return 1;
    case Filters::OpenSettings:
      if (filters.Exists(K::Templates) || !filters.Exists(K::Frame)) {
        return 0;
      }
      if (!filters.Exists(K::Settings)) filters.Open(K::Settings);
      return 1;
    case Filters::SettingsClosed:
      filters.Free(K::Settings);
      if (lParam == Filters::kThenTemplates) {
        host_.PostFiltersMessage(Filters::OpenTemplates, 0);
      } else if (filters.Exists(K::Frame)) {
        filters.RaiseFrame();
      }
      return 1;
    case Filters::TemplatesClosed:
      filters.Free(K::Templates);
      if (filters.Exists(K::Frame)) filters.RaiseFrame();
      return 1;
    default: return 1;
  }
}

std::intptr_t TServiceCore::OnCopyData(const void* data, std::size_t size) {
  if (!AdoptRecordBytes(config_, data, size)) return 0;
  host_.ApplyLocatorSettings();
  if (host_.LocatorOnScreen()) host_.RepaintLocator();
  if (host_.CaretLocatorExists()) host_.SetCaretOpacity(config_.caretOpacity);
  return 0;
}

std::intptr_t TServiceCore::OnPowerBroadcast(std::uintptr_t wParam) {
  if (wParam != kPowerSuspend) return 0;
  if (host_.LocatorOnScreen()) host_.ShowPointerLocator(0, 0, false);
  if (host_.Filters().Exists(FilterWindowKind::Frame)) {
    host_.Filters().Free(FilterWindowKind::Frame);
  }
  return 1;
}

void TServiceCore::CheckConfigurationProgram() {
  if (state_.serviceMode != kServiceModeConfiguration) return;
  if (!host_.ConfigurationProgramPresent(state_.configWindow)) LeaveConfigurationMode();
}

void TServiceCore::RaiseFloatingWindows() {
  IFilterWindows& filters = host_.Filters();
  if (filters.Exists(FilterWindowKind::Settings) || filters.Exists(FilterWindowKind::Templates)) {
    host_.BringApplicationToFront();
  } else if (filters.Exists(FilterWindowKind::Lens)) {
    filters.RaiseLensTopmost();
  } else if (host_.CaretLocatorExists() && !filters.Exists(FilterWindowKind::Frame)) {
    host_.RaiseCaretLocatorTopmost();
  }
}

void TServiceCore::MovementTest(Point pointer) {
  if (AutoShowWanted(state_.serviceMode, config_, host_.LocatorOnScreen(), pointer,
                     positions_.currentPosition.Load())) {
    host_.ShowPointerLocator(pointer.x, pointer.y, true);
  }
}

}  // namespace vxl
