// Where an action code becomes an effect. Every mouse shortcut and hot key
// of the service ends here.
#pragma once

#include <cstdint>

#include "service/ServiceHost.h"
#include "service/uUtils.h"
#include "service/uformMain.h"

namespace vxl {

// Elements of mouseShortcuts made while the right button is held.
constexpr int kRightHeldElements[] = {0, 5, 24, 32};

// What the mouse shortcut rules ask of the actions.
class IShortcutRunner {
 public:
  virtual ~IShortcutRunner() = default;
  // Runs the element's action; true when an action ran (any non-zero code).
  virtual bool RunShortcut(int element, WindowRef window) = 0;
  // The element holds a positive action code.
  virtual bool ShortcutAssigned(int element) const = 0;
  virtual bool AnyRightHeldShortcut() const = 0;
};

class TActions final : public IShortcutRunner {
 public:
  TActions(TServiceCore& core, IServiceHost& host, ISystemUtilities& system);

  // Runs the action; false only for code 0. Unknown codes do nothing and
  // still count as handled. window is the window under the pointer for a
  // mouse shortcut, 0 for a hot key; no action uses it.
  bool RunAction(std::int32_t actionCode, WindowRef window);
  bool RunShortcut(int element, WindowRef window) override;
  bool ShortcutAssigned(int element) const override;
  bool AnyRightHeldShortcut() const override;

 private:
  struct ActionRange;
  static const ActionRange kActions[];

  void TogglePointerLocator(std::int32_t);
  void ToggleAutomaticTracking(std::int32_t);
  void ToggleFilterFrame(std::int32_t);
  void OpenFilterTemplates(std::int32_t);
  void OpenFilterSettings(std::int32_t);
  void TogglePerformanceMonitor(std::int32_t);
  void ToggleCaretLocator(std::int32_t);
  void NextCaretBarType(std::int32_t);
  void PointToKeypadPosition(std::int32_t code);
  void PointToTaskbarPart(std::int32_t code);
  void PointToForegroundCorner(std::int32_t code);
  void CloseWindowUnderPointer(std::int32_t);
  void MaximiseWindowUnderPointer(std::int32_t);
  void MoveForegroundWindow(std::int32_t code);
  void InsertDate(std::int32_t code);
  void CaptureColour(std::int32_t code);
  void EndSession(std::int32_t code);
  void Suspend(std::int32_t code);
  void StartConfiguration(std::int32_t);
  void ShowHelp(std::int32_t);
  void Quit(std::int32_t);

  TServiceCore& core_;
  IServiceHost& host_;
  ISystemUtilities& system_;
};

}  // namespace vxl
