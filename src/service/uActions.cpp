#include "service/uActions.h"

#include "service/ActionPlaces.h"

namespace vxl {

// One row per code or range of codes: what runs and with which argument.
// Codes of a range that differ only by a computation (keypad places, date
// formats) get the code itself.
struct TActions::ActionRange {
  std::int32_t first;
  std::int32_t last;
  void (TActions::*run)(int argument);
  int argument;
};

namespace {
constexpr int kTheCode = -1;
}  // namespace

// Codes missing here (104, 200, 212, ...) do nothing.
// clang-format off
const TActions::ActionRange TActions::kActions[] = {
    {Action::TogglePointerLocator, Action::TogglePointerLocator, &TActions::TogglePointerLocator, 0},
    {Action::ToggleAutomaticTracking, Action::ToggleAutomaticTracking, &TActions::ToggleAutomaticTracking, 0},
    {Action::ToggleFilterFrame, Action::ToggleFilterFrame, &TActions::ToggleFilterFrame, 0},
    {Action::OpenFilterTemplates, Action::OpenFilterTemplates, &TActions::OpenFilterTemplates, 0},
    {Action::OpenFilterSettings, Action::OpenFilterSettings, &TActions::OpenFilterSettings, 0},
    {Action::TogglePerformanceMonitor, Action::TogglePerformanceMonitor, &TActions::TogglePerformanceMonitor, 0},
    {Action::ToggleCaretLocator, Action::ToggleCaretLocator, &TActions::ToggleCaretLocator, 0},
    {Action::NextCaretBarType, Action::NextCaretBarType, &TActions::NextCaretBarType, 0},
    {Action::PointToKeypad1, Action::PointToKeypad9, &TActions::PointToKeypadPosition, kTheCode},
    {Action::PointToTaskbarStart, Action::PointToTaskbarStart, &TActions::PointToTaskbarPart, 's'},
    {Action::PointToTaskbarNotification, Action::PointToTaskbarNotification, &TActions::PointToTaskbarPart, 'n'},
    {Action::PointToForegroundLeft, Action::PointToForegroundLeft, &TActions::PointToForegroundCorner, 'L'},
    {Action::PointToForegroundRight, Action::PointToForegroundRight, &TActions::PointToForegroundCorner, 'R'},
    {Action::CloseWindowUnderPointer, Action::CloseWindowUnderPointer, &TActions::CloseWindowUnderPointer, 0},
    {Action::MaximiseWindowUnderPointer, Action::MaximiseWindowUnderPointer, &TActions::MaximiseWindowUnderPointer, 0},
    {Action::MoveForegroundUp, Action::MoveForegroundUp, &TActions::MoveForegroundWindow, -10},
    {Action::MoveForegroundDown, Action::MoveForegroundDown, &TActions::MoveForegroundWindow, 10},
    {Action::InsertDateShortYear, Action::InsertDateRegional, &TActions::InsertDate, kTheCode},
    {Action::CaptureFilterColour1, Action::CaptureFilterColour1, &TActions::CaptureColour, 1},
    {Action::CaptureFilterColour2, Action::CaptureFilterColour2, &TActions::CaptureColour, 2},
    {Action::ShutDown, Action::ShutDown, &TActions::EndSession, kExitShutdown},
    {Action::Restart, Action::Restart, &TActions::EndSession, kExitReboot},
    {Action::LogOff, Action::LogOff, &TActions::EndSession, kExitLogOff},
    {Action::Hibernate, Action::Hibernate, &TActions::Suspend, /*hibernate=*/1},
    {Action::StandBy, Action::StandBy, &TActions::Suspend, /*hibernate=*/0},
    {Action::StartConfiguration, Action::StartConfiguration, &TActions::StartConfiguration, 0},
    {Action::ShowHelp, Action::ShowHelp, &TActions::ShowHelp, 0},
    {Action::Quit, Action::Quit, &TActions::Quit, 0},
};
// clang-format on

TActions::TActions(TServiceCore& core, IServiceHost& host, ISystemUtilities& system)
    : core_(core), host_(host), system_(system) {}

bool TActions::RunAction(std::int32_t actionCode, WindowRef /*window*/) {
  if (actionCode == 0) return false;
  for (const ActionRange& action : kActions) {
    if (actionCode >= action.first && actionCode <= action.last) {
      (this->*action.run)(action.argument == kTheCode ? actionCode : action.argument);
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

void TActions::TogglePointerLocator(int) {
  if (host_.LocatorOnScreen()) {
    host_.ShowPointerLocator(0, 0, false);
  } else {
    const Point pointer = system_.CursorPos();
    host_.ShowPointerLocator(pointer.x, pointer.y, true);
  }
}

void TActions::ToggleAutomaticTracking(int) {
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

void TActions::ToggleFilterFrame(int) {
  host_.PostFiltersMessage(
      host_.Filters().Exists(FilterWindowKind::Frame) ? Filters::CloseFrame : Filters::OpenFrame,
      0);
}

void TActions::OpenFilterTemplates(int) { host_.PostFiltersMessage(Filters::OpenTemplates, 0); }

void TActions::OpenFilterSettings(int) {
  // The frame must exist before the dialog is asked for.
  host_.SendFiltersMessage(Filters::OpenFrame, 0);
  host_.PostFiltersMessage(Filters::OpenSettings, 0);
}

void TActions::TogglePerformanceMonitor(int) {
  host_.TogglePerformanceMonitor();
  if (!host_.LocatorOnScreen()) return;
  // The panel sits at the top left: bring the pointer where the arrow and
  // panel are both in view.
  if (host_.PerformanceMonitorOn()) system_.SetCursorPos({760, 560});
  host_.RepaintLocator();
}

void TActions::ToggleCaretLocator(int) { core_.SwitchCaretLocator(CaretSwitch::Toggle); }

void TActions::NextCaretBarType(int) { core_.NextCaretBarType(); }

void TActions::PointToKeypadPosition(int code) {
  const Size screen = system_.ScreenSize();
  if (auto point = KeypadPosition(code, screen.width, screen.height)) system_.SetCursorPos(*point);
}

void TActions::PointToTaskbarPart(int part) {
  Rect rect;
  if (system_.TaskbarPartRect(static_cast<char>(part), rect)) {
    system_.SetCursorPos(RectCentre(rect));
  }
}

void TActions::PointToForegroundCorner(int corner) {
  Rect window;
  if (system_.ForegroundWindowRect(window)) {
    system_.SetCursorPos(ForegroundCorner(window, static_cast<char>(corner)));
  }
}

void TActions::CloseWindowUnderPointer(int) {
  const WindowRef under = system_.WindowAtPoint(system_.CursorPos());
  if (under != 0) system_.PostSysCommandClose(system_.TopLevelWindow(under));
}

void TActions::MaximiseWindowUnderPointer(int) {
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

void TActions::MoveForegroundWindow(int dy) { system_.MoveForegroundWindowBy(dy); }

void TActions::InsertDate(int code) {
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

void TActions::CaptureColour(int which) {
  if (host_.Filters().Exists(FilterWindowKind::Settings)) {
    host_.Filters().CaptureColour(which);
  } else {
    system_.Beep();
  }
}

void TActions::EndSession(int flags) { system_.ExitSession(static_cast<unsigned>(flags)); }

void TActions::Suspend(int hibernate) {
  system_.Suspend(hibernate != 0, /*force=*/false, /*disableWakeEvents=*/false);
}

void TActions::StartConfiguration(int) {
  static constexpr const char* kConfigProgram = "Vexilor2Config.exe";
  if (!system_.StartProgram(kConfigProgram)) system_.ShowProgramNotFound(kConfigProgram);
}

void TActions::ShowHelp(int) { system_.ShowHelp("tocVxl"); }

void TActions::Quit(int) { system_.Quit(); }

}  // namespace vxl
