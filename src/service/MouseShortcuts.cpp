#include "service/MouseShortcuts.h"

#include <iterator>

#include "common/MouseElements.h"
#include "service/ActionPlaces.h"

namespace vxl {
namespace {

// A modifier condition: Shift exactly equal to a set, or merely holding one
// element whatever else is held.
struct Condition {
  enum Kind { Exactly, Holds } kind;
  TShiftStateEx set;
  TShiftElement element;

  bool Matches(TShiftStateEx shift) const {
    return kind == Exactly ? shift == set : shift.Contains(element);
  }
};

constexpr Condition Exactly(TShiftStateEx set) { return {Condition::Exactly, set, ssShift}; }
constexpr Condition Holds(TShiftElement element) { return {Condition::Holds, {}, element}; }

constexpr TShiftStateEx kNone{};
constexpr TShiftStateEx kShift{ssShift};
constexpr TShiftStateEx kCtrl{ssCtrl};
constexpr TShiftStateEx kAlt{ssAlt};
constexpr TShiftStateEx kShiftCtrl{ssShift, ssCtrl};
constexpr TShiftStateEx kAltCtrl{ssAlt, ssCtrl};

using T = MouseTrigger;
using M = MouseModifier;
constexpr int E(MouseTrigger trigger, MouseModifier modifier) {
  return ElementOf(trigger, modifier);
}

// Presses: the first rule whose element is assigned and whose condition
// holds swallows the press; no action runs yet.
struct PressRule {
  int element;
  Condition condition;
  bool endsPendingRightClick;
};

// clang-format off
constexpr PressRule kLeftPress[] = {
    {E(T::Left, M::RightHeld),    Holds(ssRight),     true},
    {E(T::Left, M::PreviousHeld), Holds(ssPrevious),  false},
    {E(T::Left, M::Alt),          Exactly(kAlt),      false},
    {E(T::Left, M::AltCtrl),      Exactly(kAltCtrl),  false},
};
constexpr PressRule kMiddlePress[] = {
    {E(T::Middle, M::RightHeld),    Holds(ssRight),      true},
    {E(T::Middle, M::PreviousHeld), Holds(ssPrevious),   false},
    {E(T::Middle, M::None),         Exactly(kNone),      false},
    {E(T::Middle, M::Shift),        Exactly(kShift),     false},
    {E(T::Middle, M::ShiftCtrl),    Exactly(kShiftCtrl), false},
    {E(T::Middle, M::Ctrl),         Exactly(kCtrl),      false},
    {E(T::Middle, M::Alt),          Exactly(kAlt),       false},
    {E(T::Middle, M::AltCtrl),      Exactly(kAltCtrl),   false},
};
// After the built-in chord and the delayed right click.
constexpr PressRule kRightPress[] = {
    {E(T::Right, M::PreviousHeld), Holds(ssPrevious),   false},
    {E(T::Right, M::Shift),        Exactly(kShift),     false},
    {E(T::Right, M::ShiftCtrl),    Exactly(kShiftCtrl), false},
    {E(T::Right, M::Ctrl),         Exactly(kCtrl),      false},
    {E(T::Right, M::Alt),          Exactly(kAlt),       false},
    {E(T::Right, M::AltCtrl),      Exactly(kAltCtrl),   false},
};
constexpr PressRule kPreviousPress[] = {
    {E(T::Previous, M::Shift),     Exactly(kShift),     false},
    {E(T::Previous, M::ShiftCtrl), Exactly(kShiftCtrl), false},
    {E(T::Previous, M::Ctrl),      Exactly(kCtrl),      false},
    {E(T::Previous, M::Alt),       Exactly(kAlt),       false},
    {E(T::Previous, M::AltCtrl),   Exactly(kAltCtrl),   false},
};
// clang-format on

// Releases: the first rule whose condition holds runs its element.
// Combinations made with a held button need their element assigned and
// always swallow the release; the others swallow it when an action ran.
struct ReleaseRule {
  int element;
  Condition condition;
  bool heldButtonChord;
  bool usesPreviousButton;
};

// clang-format off
constexpr ReleaseRule kLeftRelease[] = {
    {E(T::Left, M::RightHeld),    Exactly(TShiftStateEx{ssRight}),    true,  false},
    {E(T::Left, M::PreviousHeld), Exactly(TShiftStateEx{ssPrevious}), true,  true},
    {E(T::Left, M::Alt),          Exactly(kAlt),                      false, false},
    {E(T::Left, M::AltCtrl),      Exactly(kAltCtrl),                  false, false},
};
constexpr ReleaseRule kMiddleRelease[] = {
    {E(T::Middle, M::RightHeld),    Exactly(TShiftStateEx{ssRight}), true,  false},
    {E(T::Middle, M::PreviousHeld), Holds(ssPrevious),               true,  true},
    {E(T::Middle, M::None),         Exactly(kNone),                  false, false},
    {E(T::Middle, M::Shift),        Exactly(kShift),                 false, false},
    {E(T::Middle, M::ShiftCtrl),    Exactly(kShiftCtrl),             false, false},
    {E(T::Middle, M::Ctrl),         Exactly(kCtrl),                  false, false},
    {E(T::Middle, M::Alt),          Exactly(kAlt),                   false, false},
    {E(T::Middle, M::AltCtrl),      Exactly(kAltCtrl),               false, false},
};
constexpr ReleaseRule kRightModifierRelease[] = {
    {E(T::Right, M::Shift),     Exactly(kShift),     false, false},
    {E(T::Right, M::ShiftCtrl), Exactly(kShiftCtrl), false, false},
    {E(T::Right, M::Ctrl),      Exactly(kCtrl),      false, false},
    {E(T::Right, M::Alt),       Exactly(kAlt),       false, false},
    {E(T::Right, M::AltCtrl),   Exactly(kAltCtrl),   false, false},
};
constexpr ReleaseRule kPreviousRelease[] = {
    {E(T::Previous, M::Shift),     Exactly(kShift),     false, false},
    {E(T::Previous, M::ShiftCtrl), Exactly(kShiftCtrl), false, false},
    {E(T::Previous, M::Ctrl),      Exactly(kCtrl),      false, false},
    {E(T::Previous, M::Alt),       Exactly(kAlt),       false, false},
    {E(T::Previous, M::AltCtrl),   Exactly(kAltCtrl),   false, false},
};
// clang-format on

// Wheel notches: the shift set and its elements for (up, down); the plain
// wheel is never run.
struct WheelRule {
  TShiftStateEx shift;
  int up;
  int down;
};
constexpr WheelRule Wheel(TShiftStateEx shift, MouseModifier modifier) {
  return {shift, E(T::WheelUp, modifier), E(T::WheelDown, modifier)};
}
constexpr WheelRule kWheel[] = {
    Wheel(TShiftStateEx{ssRight}, M::RightHeld),
    Wheel(TShiftStateEx{ssPrevious}, M::PreviousHeld),
    Wheel(kShift, M::Shift),
    Wheel(kShiftCtrl, M::ShiftCtrl),
    Wheel(kCtrl, M::Ctrl),
    Wheel(kAlt, M::Alt),
    Wheel(kAltCtrl, M::AltCtrl),
};

// A rule naming a combination the element table lacks would silently never
// match: every element a rule names exists.
template <typename Rules>
constexpr bool AllElementsExist(const Rules& rules) {
  for (const auto& rule : rules) {
    if (rule.element < 0) return false;
  }
  return true;
}
constexpr bool WheelElementsExist() {
  for (const WheelRule& rule : kWheel) {
    if (rule.up < 0 || rule.down < 0) return false;
  }
  return true;
}
static_assert(AllElementsExist(kLeftPress) && AllElementsExist(kMiddlePress) &&
              AllElementsExist(kRightPress) && AllElementsExist(kPreviousPress) &&
              AllElementsExist(kLeftRelease) && AllElementsExist(kMiddleRelease) &&
              AllElementsExist(kRightModifierRelease) && AllElementsExist(kPreviousRelease) &&
              WheelElementsExist());

constexpr int kPreviousHeldRightElement = E(T::Right, M::PreviousHeld);

template <typename Rules>
const PressRule* FirstPressRule(const Rules& rules, const IShortcutRunner& actions,
                                TShiftStateEx shift) {
  for (const PressRule& rule : rules) {
    if (actions.ShortcutAssigned(rule.element) && rule.condition.Matches(shift)) return &rule;
  }
  return nullptr;
}

template <typename Rules>
const ReleaseRule* FirstReleaseRule(const Rules& rules, const IShortcutRunner& actions,
                                    TShiftStateEx shift) {
  for (const ReleaseRule& rule : rules) {
    if (rule.heldButtonChord && !actions.ShortcutAssigned(rule.element)) continue;
    if (rule.condition.Matches(shift)) return &rule;
  }
  return nullptr;
}

}  // namespace

TMouseShortcuts::TMouseShortcuts(TServiceCore& core, IShortcutRunner& actions, IServiceHost& host,
                                 ISystemUtilities& system)
    : core_(core), actions_(actions), host_(host), system_(system) {}

void TMouseShortcuts::MouseDown(TMouseButtonEx button, TShiftStateEx shift, WindowRef window,
                                std::uint32_t hitTestCode, bool clientArea, bool& stop) {
  const bool doubleClick = shift.Contains(ssDouble);
  shift = shift.Without(TShiftStateEx{ssDouble});
  const PressRule* rule = nullptr;
  switch (button) {
    case mbxLeft: rule = FirstPressRule(kLeftPress, actions_, shift); break;
    case mbxMiddle: rule = FirstPressRule(kMiddlePress, actions_, shift); break;
    case mbxPrevious: rule = FirstPressRule(kPreviousPress, actions_, shift); break;
    case mbxRight:
      // Built-in chord: hold the left button and click the right one.
      if (shift.Contains(ssLeft)) {
        stop = true;
        pendingRightClick_ = false;
        return;
      }
      if (syntheticRightClick_ && !replayRetried_ && doubleClick != pendingWasDouble_) {
        stop = true;
        replayAgain_ = true;
        return;
      }
      // A right-held combination may follow: hold the click back.
      if (actions_.AnyRightHeldShortcut() && !syntheticRightClick_) {
        stop = true;
        pendingRightClick_ = true;
        pendingWasDouble_ = doubleClick;
        return;
      }
      rule = FirstPressRule(kRightPress, actions_, shift);
      if (rule == nullptr && shift == kNone && !clientArea && hitTestCode == kHitTestSysMenu) {
        // Built-in: a right click on the system-menu icon closes the window.
        stop = true;
        system_.PostClose(window);
        return;
      }
      break;
    default: return;
  }
  if (rule == nullptr) return;
  stop = true;
  if (rule->endsPendingRightClick) pendingRightClick_ = false;
}

void TMouseShortcuts::MouseUp(TMouseButtonEx button, TShiftStateEx shift, Point position,
                              WindowRef window, bool& stop) {
  const ReleaseRule* rule = nullptr;
  switch (button) {
    case mbxLeft: rule = FirstReleaseRule(kLeftRelease, actions_, shift); break;
    case mbxMiddle: rule = FirstReleaseRule(kMiddleRelease, actions_, shift); break;
    case mbxRight: RightUp(shift, position, window, stop); return;
    case mbxPrevious:
      if (previousChordUsed_) {
        previousChordUsed_ = false;
        stop = true;
        return;
      }
      rule = FirstReleaseRule(kPreviousRelease, actions_, shift);
      break;
    default: return;
  }
  if (rule == nullptr) return;
  const bool ran = actions_.RunShortcut(rule->element, window);
  if (rule->usesPreviousButton) previousChordUsed_ = true;
  stop = rule->heldButtonChord || ran;
}

void TMouseShortcuts::RightUp(TShiftStateEx shift, Point position, WindowRef window, bool& stop) {
  if (replayAgain_) {
    replayAgain_ = false;
    replayRetried_ = true;
    stop = true;
    ReplayRightClick(position);
    return;
  }
  if (shift.Contains(ssLeft)) {
    stop = true;
    pendingRightClick_ = false;
    host_.ShowPointerLocator(position.x, position.y, !host_.LocatorOnScreen());
    return;
  }
  if (actions_.ShortcutAssigned(kPreviousHeldRightElement) && shift.Contains(ssPrevious)) {
    actions_.RunShortcut(kPreviousHeldRightElement, window);
    previousChordUsed_ = true;
    stop = true;
  }
  if (actions_.AnyRightHeldShortcut()) {
    if (shift == kNone && !syntheticRightClick_) {
      stop = true;
      if (pendingRightClick_) {
        ReplayRightClick(position);
        syntheticRightClick_ = true;
        pendingRightClick_ = false;
        replayRetried_ = false;
      }
      return;
    }
    syntheticRightClick_ = false;
  }
  if (const ReleaseRule* rule = FirstReleaseRule(kRightModifierRelease, actions_, shift)) {
    stop = actions_.RunShortcut(rule->element, window);
  }
}

void TMouseShortcuts::ReplayRightClick(Point position) {
  const Size screen = system_.ScreenSize();
  system_.InjectRightClick(AbsoluteInputPoint(position, screen.width, screen.height));
}

void TMouseShortcuts::WheelUp(TShiftStateEx shift, WindowRef window, bool& stop) {
  Wheel(true, shift, window, stop);
}

void TMouseShortcuts::WheelDown(TShiftStateEx shift, WindowRef window, bool& stop) {
  Wheel(false, shift, window, stop);
}

void TMouseShortcuts::Wheel(bool up, TShiftStateEx shift, WindowRef window, bool& stop) {
  for (const WheelRule& rule : kWheel) {
    if (shift != rule.shift) continue;
    if (shift.Contains(ssRight)) pendingRightClick_ = false;
    stop = actions_.RunShortcut(up ? rule.up : rule.down, window);
    if (shift.Contains(ssPrevious)) previousChordUsed_ = true;
    return;
  }
}

void TMouseShortcuts::MouseMove(Point position, WindowRef window) {
  if (core_.State().serviceMode != kServiceModeNormal) return;
  core_.MovementTest(position);
  IFilterWindows& filters = host_.Filters();
  if (filters.Exists(FilterWindowKind::Settings)) filters.ShowPixelColour(position, window);
}

}  // namespace vxl
