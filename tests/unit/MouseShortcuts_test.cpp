#include "service/MouseShortcuts.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "FakeServiceHost.h"
#include "FakeSystemUtilities.h"

namespace vxl {
namespace {

// Elements are assigned or not; running one records it and reports whether
// an action ran.
class FakeRunner : public IShortcutRunner {
 public:
  std::set<int> assigned;
  std::vector<int> ran;
  bool RunShortcut(int element, WindowRef) override {
    ran.push_back(element);
    return assigned.count(element) != 0;
  }
  bool ShortcutAssigned(int element) const override { return assigned.count(element) != 0; }
  bool AnyRightHeldShortcut() const override {
    for (int e : kRightHeldElements) {
      if (assigned.count(e)) return true;
    }
    return false;
  }
};

enum Kind { Down, Up, WheelUp, WheelDown };

struct Flags {
  bool pending = false;
  bool synthetic = false;
  bool previous = false;
  friend bool operator==(const Flags&, const Flags&) = default;
};

struct Step {
  Kind kind;
  TMouseButtonEx button;
  TShiftStateEx shift;
  bool swallow;
  std::vector<int> run;
  Flags after;
};

struct Scenario {
  const char* name;
  std::set<int> assigned;
  std::vector<Step> steps;
};

// The elements bound in the default record.
const std::set<int> kDefaults = {0, 1, 2, 3, 4, 5, 9, 14, 15, 17, 28, 36};

constexpr TShiftStateEx kNone{};
constexpr Flags kClear{};
constexpr Flags kPending{true, false, false};
constexpr Flags kSynthetic{false, true, false};
constexpr Flags kPrevious{false, false, true};

// clang-format off
const Scenario kScenarios[] = {
    // Left button.
    {"left with right held", {0},
     {{Down, mbxRight, kNone, true, {}, kPending},
      {Down, mbxLeft, {ssRight, ssCtrl}, true, {}, kClear},
      {Up, mbxLeft, {ssRight, ssCtrl}, false, {}, kClear},
      {Up, mbxLeft, {ssRight}, true, {0}, kClear}}},
    {"left with previous held", {1},
     {{Down, mbxLeft, {ssPrevious, ssShift}, true, {}, kClear},
      {Up, mbxLeft, {ssPrevious}, true, {1}, kPrevious},
      {Up, mbxPrevious, {ssShift}, true, {}, kClear}}},
    {"alt and alt+ctrl left", {2, 3},
     {{Down, mbxLeft, {ssAlt}, true, {}, kClear},
      {Down, mbxLeft, {ssAlt, ssShift}, false, {}, kClear},
      {Up, mbxLeft, {ssAlt}, true, {2}, kClear},
      {Down, mbxLeft, {ssAlt, ssCtrl}, true, {}, kClear},
      {Up, mbxLeft, {ssAlt, ssCtrl}, true, {3}, kClear}}},
    {"unbound alt left still tries its element on release", {},
     {{Down, mbxLeft, {ssAlt}, false, {}, kClear},
      {Up, mbxLeft, {ssAlt}, false, {2}, kClear},
      {Up, mbxLeft, {ssRight}, false, {}, kClear}}},
    {"plain left passes", kDefaults,
     {{Down, mbxLeft, kNone, false, {}, kClear}, {Up, mbxLeft, kNone, false, {}, kClear}}},
    // Middle button.
    {"middle with right held", {5},
     {{Down, mbxRight, kNone, true, {}, kPending},
      {Down, mbxMiddle, {ssRight, ssShift}, true, {}, kClear},
      {Up, mbxMiddle, {ssRight}, true, {5}, kClear}}},
    {"middle with previous held", {6},
     {{Down, mbxMiddle, {ssPrevious}, true, {}, kClear},
      {Up, mbxMiddle, {ssPrevious, ssAlt}, true, {6}, kPrevious}}},
    {"middle with each modifier set", {4, 7, 8, 9, 10, 11},
     {{Down, mbxMiddle, kNone, true, {}, kClear},
      {Up, mbxMiddle, kNone, true, {4}, kClear},
      {Down, mbxMiddle, {ssShift}, true, {}, kClear},
      {Up, mbxMiddle, {ssShift}, true, {7}, kClear},
      {Down, mbxMiddle, {ssShift, ssCtrl}, true, {}, kClear},
      {Up, mbxMiddle, {ssShift, ssCtrl}, true, {10}, kClear},
      {Down, mbxMiddle, {ssCtrl}, true, {}, kClear},
      {Up, mbxMiddle, {ssCtrl}, true, {8}, kClear},
      {Down, mbxMiddle, {ssAlt}, true, {}, kClear},
      {Up, mbxMiddle, {ssAlt}, true, {9}, kClear},
      {Down, mbxMiddle, {ssAlt, ssCtrl}, true, {}, kClear},
      {Up, mbxMiddle, {ssAlt, ssCtrl}, true, {11}, kClear},
      {Down, mbxMiddle, {ssAlt, ssWin}, false, {}, kClear},
      {Up, mbxMiddle, {ssAlt, ssWin}, false, {}, kClear}}},
    {"unbound middle passes", {},
     {{Down, mbxMiddle, kNone, false, {}, kClear}, {Up, mbxMiddle, kNone, false, {4}, kClear}}},
    // Right button.
    {"defaults: plain right click is held back and replayed", kDefaults,
     {{Down, mbxRight, kNone, true, {}, kPending},
      {Up, mbxRight, kNone, true, {}, kSynthetic},
      // The replayed click comes back through the hook and passes.
      {Down, mbxRight, kNone, false, {}, kSynthetic},
      {Up, mbxRight, kNone, false, {}, kClear}}},
    {"defaults: a replay the system pairs with the held-back press is made again", kDefaults,
     {{Down, mbxRight, kNone, true, {}, kPending},
      {Up, mbxRight, kNone, true, {}, kSynthetic},
      // The replayed press arrives as the second click of a double click:
      // neither it nor its release may reach the application.
      {Down, mbxRight, {ssDouble}, true, {}, kSynthetic},
      {Up, mbxRight, kNone, true, {}, kSynthetic},
      {Down, mbxRight, kNone, false, {}, kSynthetic},
      {Up, mbxRight, kNone, false, {}, kClear}}},
    {"defaults: the user's double right click arrives as a double click", kDefaults,
     {{Down, mbxRight, kNone, true, {}, kPending},
      {Up, mbxRight, kNone, true, {}, kSynthetic},
      {Down, mbxRight, kNone, false, {}, kSynthetic},
      {Up, mbxRight, kNone, false, {}, kClear},
      {Down, mbxRight, {ssDouble}, true, {}, kPending},
      {Up, mbxRight, kNone, true, {}, kSynthetic},
      // Replayed as a plain press: made again, so that it pairs.
      {Down, mbxRight, kNone, true, {}, kSynthetic},
      {Up, mbxRight, kNone, true, {}, kSynthetic},
      {Down, mbxRight, {ssDouble}, false, {}, kSynthetic},
      {Up, mbxRight, kNone, false, {}, kClear}}},
    {"defaults: a click is replayed twice at most", kDefaults,
     {{Down, mbxRight, kNone, true, {}, kPending},
      {Up, mbxRight, kNone, true, {}, kSynthetic},
      {Down, mbxRight, {ssDouble}, true, {}, kSynthetic},
      {Up, mbxRight, kNone, true, {}, kSynthetic},
      {Down, mbxRight, {ssDouble}, false, {}, kSynthetic},
      {Up, mbxRight, kNone, false, {}, kClear}}},
    {"the second click of a bound double click is swallowed like the first", kDefaults,
     {{Down, mbxMiddle, kNone, true, {}, kClear},
      {Up, mbxMiddle, kNone, true, {4}, kClear},
      {Down, mbxMiddle, {ssDouble}, true, {}, kClear},
      {Up, mbxMiddle, kNone, true, {4}, kClear},
      {Down, mbxLeft, {ssAlt, ssDouble}, true, {}, kClear},
      {Down, mbxLeft, {ssDouble}, false, {}, kClear}}},
    {"left held, right click: the built-in chord", {},
     {{Down, mbxRight, {ssLeft}, true, {}, kClear}, {Up, mbxRight, {ssLeft}, true, {}, kClear}}},
    {"right with modifiers, nothing right-held", {12, 13, 14, 15, 16, 17},
     {{Down, mbxRight, {ssPrevious}, true, {}, kClear},
      {Up, mbxRight, {ssPrevious}, true, {12}, kPrevious},
      {Up, mbxPrevious, kNone, true, {}, kClear},
      {Down, mbxRight, {ssShift}, true, {}, kClear},
      {Up, mbxRight, {ssShift}, true, {13}, kClear},
      {Down, mbxRight, {ssShift, ssCtrl}, true, {}, kClear},
      {Up, mbxRight, {ssShift, ssCtrl}, true, {16}, kClear},
      {Down, mbxRight, {ssCtrl}, true, {}, kClear},
      {Up, mbxRight, {ssCtrl}, true, {14}, kClear},
      {Down, mbxRight, {ssAlt}, true, {}, kClear},
      {Up, mbxRight, {ssAlt}, true, {15}, kClear},
      {Down, mbxRight, {ssAlt, ssCtrl}, true, {}, kClear},
      {Up, mbxRight, {ssAlt, ssCtrl}, true, {17}, kClear},
      {Down, mbxRight, kNone, false, {}, kClear},
      {Up, mbxRight, kNone, false, {}, kClear}}},
    {"right-held bound: a modifier right click is held back but runs on release", {0, 14},
     {{Down, mbxRight, {ssCtrl}, true, {}, kPending},
      {Up, mbxRight, {ssCtrl}, true, {14}, kPending}}},
    {"right-held bound: an unbound modifier right click is neither replayed nor run", {0},
     {{Down, mbxRight, {ssShift}, true, {}, kPending},
      {Up, mbxRight, {ssShift}, false, {13}, kPending}}},
    // "Previous" button.
    {"previous with modifiers", {18, 19, 20, 21, 22},
     {{Down, mbxPrevious, kNone, false, {}, kClear},
      {Up, mbxPrevious, kNone, false, {}, kClear},
      {Down, mbxPrevious, {ssShift}, true, {}, kClear},
      {Up, mbxPrevious, {ssShift}, true, {18}, kClear},
      {Down, mbxPrevious, {ssShift, ssCtrl}, true, {}, kClear},
      {Up, mbxPrevious, {ssShift, ssCtrl}, true, {21}, kClear},
      {Down, mbxPrevious, {ssCtrl}, true, {}, kClear},
      {Up, mbxPrevious, {ssCtrl}, true, {19}, kClear},
      {Down, mbxPrevious, {ssAlt}, true, {}, kClear},
      {Up, mbxPrevious, {ssAlt}, true, {20}, kClear},
      {Down, mbxPrevious, {ssAlt, ssCtrl}, true, {}, kClear},
      {Up, mbxPrevious, {ssAlt, ssCtrl}, true, {22}, kClear}}},
    {"the other extra button is ignored", kDefaults,
     {{Down, mbxNext, {ssAlt}, false, {}, kClear}, {Up, mbxNext, {ssAlt}, false, {}, kClear}}},
    // Wheel.
    {"wheel rows", {24, 25, 26, 27, 28, 29, 30, 32, 33, 34, 35, 36, 37, 38},
     {{Down, mbxRight, kNone, true, {}, kPending},
      {WheelUp, mbxLeft, {ssRight}, true, {24}, kClear},
      {WheelDown, mbxLeft, {ssRight}, true, {32}, kClear},
      {WheelUp, mbxLeft, {ssPrevious}, true, {25}, kPrevious},
      {Up, mbxPrevious, {ssShift}, true, {}, kClear},
      {WheelDown, mbxLeft, {ssPrevious}, true, {33}, kPrevious},
      {Up, mbxPrevious, kNone, true, {}, kClear},
      {WheelUp, mbxLeft, {ssShift}, true, {26}, kClear},
      {WheelDown, mbxLeft, {ssShift}, true, {34}, kClear},
      {WheelUp, mbxLeft, {ssShift, ssCtrl}, true, {29}, kClear},
      {WheelDown, mbxLeft, {ssShift, ssCtrl}, true, {37}, kClear},
      {WheelUp, mbxLeft, {ssCtrl}, true, {27}, kClear},
      {WheelDown, mbxLeft, {ssCtrl}, true, {35}, kClear},
      {WheelUp, mbxLeft, {ssAlt}, true, {28}, kClear},
      {WheelDown, mbxLeft, {ssAlt}, true, {36}, kClear},
      {WheelUp, mbxLeft, {ssAlt, ssCtrl}, true, {30}, kClear},
      {WheelDown, mbxLeft, {ssAlt, ssCtrl}, true, {38}, kClear},
      {WheelUp, mbxLeft, kNone, false, {}, kClear},
      {WheelDown, mbxLeft, {ssCtrl, ssWin}, false, {}, kClear}}},
    {"an empty wheel element lets the notch pass but still marks the held button", {0},
     {{Down, mbxRight, kNone, true, {}, kPending},
      {WheelUp, mbxLeft, {ssRight}, false, {24}, kClear},
      {WheelDown, mbxLeft, {ssShift}, false, {34}, kClear},
      {WheelDown, mbxLeft, {ssPrevious}, false, {33}, kPrevious}}},
};
// clang-format on

bool FireEvent(TMouseShortcuts& shortcuts, Kind kind, TMouseButtonEx button, TShiftStateEx shift,
               Point at = {300, 200}, bool clientArea = true, std::uint32_t hitTest = 1) {
  bool stop = false;
  switch (kind) {
    case Down: shortcuts.MouseDown(button, shift, 0x55, hitTest, clientArea, stop); break;
    case Up: shortcuts.MouseUp(button, shift, at, 0x55, stop); break;
    case WheelUp: shortcuts.WheelUp(shift, 0x55, stop); break;
    case WheelDown: shortcuts.WheelDown(shift, 0x55, stop); break;
  }
  return stop;
}

class MouseShortcutsTest : public ::testing::Test {
 protected:
  MouseShortcutsTest() : core_(host_), shortcuts_(core_, runner_, host_, system_) {}

  bool Fire(Kind kind, TMouseButtonEx button, TShiftStateEx shift, Point at = {300, 200},
            bool clientArea = true, std::uint32_t hitTest = 1) {
    return FireEvent(shortcuts_, kind, button, shift, at, clientArea, hitTest);
  }

  FakeHost host_;
  FakeSystemUtilities system_;
  FakeRunner runner_;
  TServiceCore core_;
  TMouseShortcuts shortcuts_;
};

TEST_F(MouseShortcutsTest, EveryRuleSwallowsRunsAndMarksAsItsTableSays) {
  for (const Scenario& scenario : kScenarios) {
    FakeRunner runner;
    runner.assigned = scenario.assigned;
    TMouseShortcuts shortcuts(core_, runner, host_, system_);
    for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
      const Step& step = scenario.steps[i];
      runner.ran.clear();
      const bool stop = FireEvent(shortcuts, step.kind, step.button, step.shift);
      const Flags after{shortcuts.PendingRightClick(), shortcuts.SyntheticRightClick(),
                        shortcuts.PreviousChordUsed()};
      EXPECT_EQ(stop, step.swallow) << scenario.name << ", step " << i;
      EXPECT_EQ(runner.ran, step.run) << scenario.name << ", step " << i;
      EXPECT_EQ(after, step.after) << scenario.name << ", step " << i;
    }
  }
}

TEST_F(MouseShortcutsTest, TheHeldBackRightClickIsReplayedWhereItWasReleased) {
  runner_.assigned = kDefaults;
  system_.screen = {1280, 1024};
  EXPECT_TRUE(Fire(Down, mbxRight, kNone));
  EXPECT_TRUE(system_.calls.empty()) << "nothing replayed on the press";
  EXPECT_TRUE(Fire(Up, mbxRight, kNone, {640, 512}));
  EXPECT_EQ(system_.calls, Calls{"InjectRightClick 32768,32768"});
  // A right-held combination in between: no replay, and the right release
  // is swallowed so that no context menu opens.
  system_.calls.clear();
  Fire(Down, mbxRight, kNone);
  Fire(Up, mbxRight, kNone);  // the replayed release clears the synthetic flag
  EXPECT_TRUE(Fire(Down, mbxRight, kNone));
  EXPECT_TRUE(Fire(Down, mbxLeft, {ssRight}));
  EXPECT_TRUE(Fire(Up, mbxLeft, {ssRight}));
  EXPECT_EQ(runner_.ran, std::vector<int>{0});
  EXPECT_TRUE(Fire(Up, mbxRight, kNone));
  EXPECT_TRUE(system_.calls.empty()) << "no context menu after a chord";
}

TEST_F(MouseShortcutsTest, AReplayPairedIntoADoubleClickIsInjectedOnceMoreAtTheSamePlace) {
  runner_.assigned = kDefaults;
  system_.screen = {1280, 1024};
  Fire(Down, mbxRight, kNone);
  Fire(Up, mbxRight, kNone, {640, 512});
  Fire(Down, mbxRight, {ssDouble});
  EXPECT_EQ(system_.calls.size(), 1u) << "nothing more is injected on the press";
  Fire(Up, mbxRight, kNone, {640, 512});
  EXPECT_EQ(system_.calls, (Calls{"InjectRightClick 32768,32768", "InjectRightClick 32768,32768"}));
  Fire(Down, mbxRight, kNone);
  Fire(Up, mbxRight, kNone, {640, 512});
  EXPECT_EQ(system_.calls.size(), 2u);
}

TEST_F(MouseShortcutsTest, TheLeftRightChordTogglesTheLocatorAtThePointer) {
  EXPECT_TRUE(Fire(Up, mbxRight, {ssLeft}, {700, 400}));
  EXPECT_TRUE(Fire(Up, mbxRight, {ssLeft, ssShift}, {710, 410}));
  EXPECT_EQ(host_.calls,
            (Calls{"ShowPointerLocator 700,400 show", "ShowPointerLocator 710,410 hide"}));
}

TEST_F(MouseShortcutsTest, ARightClickOnTheSystemMenuIconClosesTheWindow) {
  EXPECT_FALSE(Fire(Down, mbxRight, kNone, {}, /*clientArea=*/true, kHitTestSysMenu));
  EXPECT_FALSE(Fire(Down, mbxRight, kNone, {}, /*clientArea=*/false, 2));
  EXPECT_FALSE(Fire(Down, mbxRight, {ssShift}, {}, /*clientArea=*/false, kHitTestSysMenu));
  EXPECT_TRUE(system_.calls.empty());
  EXPECT_TRUE(Fire(Down, mbxRight, kNone, {}, /*clientArea=*/false, kHitTestSysMenu));
  EXPECT_EQ(system_.calls, Calls{"PostClose 85"});
  // With a right-held combination bound the press is held back first.
  system_.calls.clear();
  runner_.assigned = {5};
  EXPECT_TRUE(Fire(Down, mbxRight, kNone, {}, false, kHitTestSysMenu));
  EXPECT_TRUE(system_.calls.empty());
  EXPECT_TRUE(shortcuts_.PendingRightClick());
}

TEST_F(MouseShortcutsTest, MovementsShowTheLocatorOnlyInNormalMode) {
  core_.Config().autoShowOnMove = true;
  core_.Config().autoShowDistance = 90;
  core_.Positions().currentPosition.Store({500, 500});
  host_.openFilterWindows = {FilterWindowKind::Settings};
  shortcuts_.MouseMove({590, 500}, 0x55);
  EXPECT_EQ(host_.calls, Calls{"ShowPixelColour 590,500"});
  host_.calls.clear();
  core_.State().serviceMode = kServiceModeConfiguration;
  shortcuts_.MouseMove({900, 900}, 0x55);
  EXPECT_TRUE(host_.calls.empty());
  core_.State().serviceMode = kServiceModeNormal;
  shortcuts_.MouseMove({591, 500}, 0x55);
  EXPECT_EQ(host_.calls, (Calls{"ShowPointerLocator 591,500 show", "ShowPixelColour 591,500"}));
}

}  // namespace
}  // namespace vxl
