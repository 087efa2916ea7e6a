// Where an action code becomes an effect. Every mouse shortcut and hot key
// of the service ends here.
#pragma once

#include <cstdint>

#include "common/ActionCodes.h"
#include "common/MouseElements.h"
#include "service/ServiceHost.h"
#include "service/uUtils.h"
#include "service/uformMain.h"

namespace vxl {

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

  void TogglePointerLocator(int);
  void ToggleAutomaticTracking(int);
  void ToggleFilterFrame(int);
  void OpenFilterTemplates(int);
  void OpenFilterSettings(int);
  void TogglePerformanceMonitor(int);
  void ToggleCaretLocator(int);
  void NextCaretBarType(int);
  void PointToKeypadPosition(int code);
  void PointToTaskbarPart(int part);
  void PointToForegroundCorner(int corner);
  void CloseWindowUnderPointer(int);
  void MaximiseWindowUnderPointer(int);
  void MoveForegroundWindow(int dy);
  void InsertDate(int code);
  void CaptureColour(int which);
  void EndSession(int flags);
  void Suspend(int hibernate);
  void StartConfiguration(int);
  void ShowHelp(int);
  void Quit(int);

  TServiceCore& core_;
  IServiceHost& host_;
  ISystemUtilities& system_;
};

}  // namespace vxl
