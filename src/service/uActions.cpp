#include "service/uActions.h"

#include "service/ActionPlaces.h"

namespace vxl {

struct TActions::ActionRange {
  std::int32_t first;
  std::int32_t last;
  void (TActions::*run)(std::int32_t code);
};

// Codes missing here (104, 200, 212, ...) do nothing.
const TActions::ActionRange TActions::kActions[] = {
    {100, 100, &TActions::TogglePointerLocator},
    {101, 101, &TActions::ToggleAutomaticTracking},
    {103, 103, &TActions::ToggleFilterFrame},
    {105, 105, &TActions::OpenFilterTemplates},
    {106, 106, &TActions::OpenFilterSettings},
    {107, 107, &TActions::TogglePerformanceMonitor},
    {180, 180, &TActions::ToggleCaretLocator},
    {181, 181, &TActions::NextCaretBarType},
    {201, 209, &TActions::PointToKeypadPosition},
    {210, 211, &TActions::PointToTaskbarPart},
    {213, 214, &TActions::PointToForegroundCorner},
    {300, 300, &TActions::CloseWindowUnderPointer},
    {302, 302, &TActions::MaximiseWindowUnderPointer},
    {304, 305, &TActions::MoveForegroundWindow},
    {400, 403, &TActions::InsertDate},
    {498, 499, &TActions::CaptureColour},
    {901, 903, &TActions::EndSession},
    {904, 905, &TActions::Suspend},
    {950, 950, &TActions::StartConfiguration},
    {951, 951, &TActions::ShowHelp},
    {952, 952, &TActions::Quit},
};

TActions::TActions(TServiceCore& core, IServiceHost& host, ISystemUtilities& system)
    : core_(core), host_(host), system_(system) {}

bool TActions::RunAction(std::int32_t actionCode, WindowRef /*window*/) {
  if (actionCode == 0) return false;
  for (const ActionRange& action : kActions) {
    if (actionCode >= action.first && actionCode <= action.last) {
      (this->*action.run)(actionCode);
      break;
    }
  }
  return true;
}

bool TActions::RunShortcut(int element, WindowRef window) {
  if (element < 0 || element >= kMouseShortcutCount) return false;
  return RunAction(core_.Config().mouseShortcuts[element], window);
}

bool TActions::ShortcutAssigned(int element) const {
  return element >= 0 && element < kMouseShortcutCount &&
         core_.Config().mouseShortcuts[element] > 0;
}

bool TActions::AnyRightHeldShortcut() const {
  for (int element : kRightHeldElements) {
    if (ShortcutAssigned(element)) return true;
  }
  return false;
}

void TActions::TogglePointerLocator(std::int32_t) {
  if (host_.LocatorOnScreen()) {
    host_.ShowPointerLocator(0, 0, false);
  } else {
    const Point pointer = system_.CursorPos();
    host_.ShowPointerLocator(pointer.x, pointer.y, true);
  }
}

void TActions::ToggleAutomaticTracking(std::int32_t) {
  TConfigRecord& config = core_.Config();
  if (config.autoShowOnMove || config.autoHideOnIdle) {
    // In memory only: the saved profile brings them back.
    config.autoShowOnMove = false;
    config.autoHideOnIdle = false;
    host_.ShowPointerLocator(0, 0, false);
  } else {
    host_.LoadDefaultProfile();
    const Point pointer = system_.CursorPos();
    host_.ShowPointerLocator(pointer.x, pointer.y, true);
  }
}

void TActions::ToggleFilterFrame(std::int32_t) {
  host_.PostFiltersMessage(
      host_.FilterWindowExists(FilterWindowKind::Frame) ? Filters::CloseFrame : Filters::OpenFrame, 0);
}

void TActions::OpenFilterTemplates(std::int32_t) {
  host_.PostFiltersMessage(Filters::OpenTemplates, 0);
}

void TActions::OpenFilterSettings(std::int32_t) {
  // The frame must exist before the dialog is asked for.
  host_.SendFiltersMessage(Filters::OpenFrame, 0);
  host_.PostFiltersMessage(Filters::OpenSettings, 0);
}

void TActions::TogglePerformanceMonitor(std::int32_t) {
  host_.TogglePerformanceMonitor();
  if (!host_.LocatorOnScreen()) return;
  // The panel sits at the top left: bring the pointer where the arrow and
  // panel are both in view.
  if (host_.PerformanceMonitorOn()) system_.SetCursorPos({760, 560});
  host_.RepaintLocator();
}

void TActions::ToggleCaretLocator(std::int32_t) { core_.SwitchCaretLocator(CaretSwitch::Toggle); }

void TActions::NextCaretBarType(std::int32_t) { core_.NextCaretBarType(); }

void TActions::PointToKeypadPosition(std::int32_t code) {
  const Point screen = system_.ScreenSize();
  if (auto point = KeypadPosition(code, screen.x, screen.y)) system_.SetCursorPos(*point);
}

void TActions::PointToTaskbarPart(std::int32_t code) {
  Rect part;
  if (system_.TaskbarPartRect(code == 210 ? 's' : 'n', part)) {
    system_.SetCursorPos(RectCentre(part));
  }
}

void TActions::PointToForegroundCorner(std::int32_t code) {
  Rect window;
  if (system_.ForegroundWindowRect(window)) {
    system_.SetCursorPos(ForegroundCorner(window, code == 213 ? 'L' : 'R'));
  }
}

void TActions::CloseWindowUnderPointer(std::int32_t) {
  const WindowRef under = system_.WindowAtPoint(system_.CursorPos());
  if (under != 0) system_.PostSysCommandClose(system_.TopLevelWindow(under));
}

void TActions::MaximiseWindowUnderPointer(std::int32_t) {
  const WindowRef under = system_.WindowAtPoint(system_.CursorPos());
  if (under == 0) return;
  const WindowRef topLevel = system_.TopLevelWindow(under);
  if (system_.IsMaximised(topLevel)) {
    system_.Restore(topLevel);
  } else {
    system_.ShowMaximised(topLevel);
    if (under != topLevel) system_.ShowMaximised(under);
  }
}

void TActions::MoveForegroundWindow(std::int32_t code) {
  system_.MoveForegroundWindowBy(code == 304 ? -10 : 10);
}

void TActions::InsertDate(std::int32_t code) {
  const std::string text = DateText(code, system_.Today(), system_.DateSeparator());
  // The caret marker would be typed over: take it away while typing.
  const bool caretWasShown = core_.CaretLocatorShown();
  if (caretWasShown) {
    core_.SwitchCaretLocator(CaretSwitch::Toggle);
    system_.ProcessPendingMessages();
  }
  system_.TypeIntoFocusedWindow(text);
  if (caretWasShown) core_.SwitchCaretLocator(CaretSwitch::Toggle);
}

void TActions::CaptureColour(std::int32_t code) {
  if (host_.FilterWindowExists(FilterWindowKind::Settings)) {
    host_.CaptureFilterColour(code == 498 ? 1 : 2);
  } else {
    system_.Beep();
  }
}

void TActions::EndSession(std::int32_t code) {
  static constexpr unsigned kFlags[] = {kExitShutdown, kExitReboot, kExitLogOff};
  system_.ExitSession(kFlags[code - 901]);
}

void TActions::Suspend(std::int32_t code) {
  system_.Suspend(/*hibernate=*/code == 904, /*force=*/false, /*disableWakeEvents=*/false);
}

void TActions::StartConfiguration(std::int32_t) {
  static constexpr const char* kConfigProgram = "Vexilor2Config.exe";
  if (!system_.StartProgram(kConfigProgram)) system_.ShowProgramNotFound(kConfigProgram);
}

void TActions::ShowHelp(std::int32_t) { system_.ShowHelp("tocVxl"); }

void TActions::Quit(std::int32_t) { system_.Quit(); }

}  // namespace vxl
