// The decisions of the service's main window: start-up order, service mode,
// and what each private and copy-data message does and answers. The Win32
// window (uformMain_win) only decodes messages and calls in here.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ConfigRecord.h"
#include "common/ServiceProtocol.h"
#include "service/LocatorPositions.h"
#include "service/ServiceHost.h"

namespace vxl {

constexpr std::uintptr_t kPowerSuspend = 4;  // PBT_APMSUSPEND

// Read by the frame timer thread too, hence atomic words.
struct ServiceState {
  std::atomic<std::int32_t> serviceMode{kServiceModeNormal};
  std::atomic<WindowRef> configWindow{0};
};

// True when the service was started by the configuration program: the first
// argument is exactly "/config" (case matters).
bool IsConfigSwitch(const std::vector<std::string>& arguments);

struct MessageBoxText {
  std::string caption;
  std::string text;
};

// The box shown when the desktop has fewer than 32 bits per pixel.
MessageBoxText ColourDepthError(const MessageLookup& getMsg, int bitsPerPixel);

// The point the locator previews at in configuration mode: 100 pixels in and
// 5 down from the configuration window's corner while it is in the
// foreground, else the screen corner.
Point ConfigPreviewPoint(IServiceHost& host, WindowRef configWindow);

class TServiceCore {
 public:
  explicit TServiceCore(IServiceHost& host);

  TConfigRecord& Config() { return config_; }
  ServiceState& State() { return state_; }
  LocatorPositions& Positions() { return positions_; }

  // Start-up after the catalogue exists: defaults, profile, hooks, locator,
  // hot keys (unless started by the configuration program), mouse hook.
  void Start(bool startedByConfig);

  std::intptr_t OnSetMode(std::uintptr_t wParam, std::intptr_t lParam);
  std::intptr_t OnReload(std::uintptr_t wParam);
  std::intptr_t OnPreview(std::uintptr_t wParam, std::intptr_t lParam);
  std::intptr_t OnFilters(std::uintptr_t wParam, std::intptr_t lParam);
  // A block shorter than a record is ignored; a longer one gives its first
  // 612 bytes.
  std::intptr_t OnCopyData(const void* data, std::size_t size);
  std::intptr_t OnPowerBroadcast(std::uintptr_t wParam);

  // Turns the caret locator on (tracking in normal mode, preview in
  // configuration mode) or off; the toggle turns it on exactly when no caret
  // locator window exists. Action 180 and the date insertion use the toggle.
  void SwitchCaretLocator(CaretSwitch form);
  // Action 181: the next bar type, when a caret locator window exists.
  void NextCaretBarType();
  // The date insertion hides a shown caret marker while it types.
  bool CaretLocatorShown();

  // Configuration mode lasts while the configuration program does: one that
  // ended without saying so (or a mode asked for by some other process)
  // must not leave the service without hot keys and with the locator stuck
  // on its preview point.
  void CheckConfigurationProgram();

  // Another program became active: keep the floating windows in front.
  void RaiseFloatingWindows();

  // Automatic showing, for every mouse move the hook reports (client and
  // non-client alike): shows the hidden locator at the pointer once it is
  // far enough from where the locator last pointed. Never swallows the move.
  void MovementTest(Point pointer);

 private:
  void EnterConfigurationMode(WindowRef configWindow);
  void LeaveConfigurationMode();
  // Creates the hook when none exists and sets its tooltip rule.
  void EnsureWinEventHook(bool toolTipsMinTop);

  IServiceHost& host_;
  TConfigRecord config_;
  ServiceState state_;
  LocatorPositions positions_;
  // The record's hot keys are registered: leaving configuration mode again
  // while they are is nothing to do.
  bool hotKeysHeld_ = false;
};

}  // namespace vxl
