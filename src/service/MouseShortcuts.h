// Which mouse messages of the desktop are the record's mouse shortcuts: runs
// their actions and decides which messages the applications never see. The
// press of a bound combination is swallowed and its action runs on the
// release, swallowed too; buttons held as modifiers (right, "previous") have
// their own release swallowed, and a right click delayed for a possible
// right-held combination is replayed when none came.
#pragma once

#include <cstdint>

#include "common/Geometry.h"
#include "service/HookMouseXP.h"
#include "service/ServiceHost.h"
#include "service/uActions.h"
#include "service/uUtils.h"
#include "service/uformMain.h"

namespace vxl {

// Hit-test code of a window's system-menu icon.
constexpr std::uint32_t kHitTestSysMenu = 3;

class TMouseShortcuts {
 public:
  TMouseShortcuts(TServiceCore& core, IShortcutRunner& actions, IServiceHost& host,
                  ISystemUtilities& system);

  // stop is the message's swallow flag; handlers only ever set it. A press
  // with ssDouble (the second click of a double click) follows the rules of
  // a press.
  void MouseDown(TMouseButtonEx button, TShiftStateEx shift, WindowRef window,
                 std::uint32_t hitTestCode, bool clientArea, bool& stop);
  void MouseUp(TMouseButtonEx button, TShiftStateEx shift, Point position, WindowRef window,
               bool& stop);
  void WheelUp(TShiftStateEx shift, WindowRef window, bool& stop);
  void WheelDown(TShiftStateEx shift, WindowRef window, bool& stop);
  void MouseMove(Point position, WindowRef window);

  bool PendingRightClick() const { return pendingRightClick_; }
  bool SyntheticRightClick() const { return syntheticRightClick_; }
  bool PreviousChordUsed() const { return previousChordUsed_; }

 private:
  void Wheel(bool up, TShiftStateEx shift, WindowRef window, bool& stop);
  void RightUp(TShiftStateEx shift, Point position, WindowRef window, bool& stop);
  void ReplayRightClick(Point position);

  TServiceCore& core_;
  IShortcutRunner& actions_;
  IServiceHost& host_;
  ISystemUtilities& system_;
  bool pendingRightClick_ = false;
  bool syntheticRightClick_ = false;
  bool previousChordUsed_ = false;
  // The system pairs clicks for double clicks even when it never delivered
  // the first press: the press held back and the replayed one, at the same
  // place and within the double-click time, make a double click of a
  // single one. The replay must reach the application as the user's own
  // click did (a press, or the second click of a double click), so a
  // replayed press of the other kind is swallowed with its release and the
  // click replayed once more: the system's pairing alternates, and the
  // next press has the kind wanted.
  bool pendingWasDouble_ = false;  // the held-back press was a double click
  bool replayAgain_ = false;       // swallow the replayed release, replay anew
  bool replayRetried_ = false;     // one more replay per click at most
};

}  // namespace vxl
