#include "service/uActions.h"

#include <gtest/gtest.h>

#include "FakeServiceHost.h"
#include "FakeSystemUtilities.h"

namespace vxl {
namespace {

class ActionsTest : public ::testing::Test {
 protected:
  ActionsTest() : core_(host_), actions_(core_, host_, system_) {}

  // Runs the action and gives what it did, host calls then system calls.
  Calls Run(std::int32_t code, bool expectedResult = true) {
    host_.calls.clear();
    system_.calls.clear();
    EXPECT_EQ(actions_.RunAction(code, 0x77), expectedResult) << code;
    Calls all = host_.calls;
    all.insert(all.end(), system_.calls.begin(), system_.calls.end());
    return all;
  }

  FakeHost host_;
  FakeSystemUtilities system_;
  TServiceCore core_;
  TActions actions_;
};

TEST_F(ActionsTest, ZeroIsNotHandledAndUnknownCodesDoNothing) {
  EXPECT_EQ(Run(0, false), Calls{});
  for (std::int32_t code : {104, 200, 212, 12345, -5, 1, 999}) {
    EXPECT_EQ(Run(code), Calls{}) << code;
  }
}

TEST_F(ActionsTest, TheSimpleActionsDoWhatTheirCodeSays) {
  system_.taskbarParts = {{'s', {0, 1040, 48, 1080}}, {'n', {1800, 1040, 1920, 1080}}};
  const struct {
    std::int32_t code;
    Calls calls;
    // clang-format off
  } cases[] = {
      {103, {"PostFilters 1,0"}},
      {105, {"PostFilters 4,0"}},
      {106, {"SendFilters 1,0", "PostFilters 5,0"}},
      {180,
       {"CreateWinEventHook", "CreateCaretLocator", "SetCaretLocatorState 1", "StartWinEventHook"}},
      {181, {"NextCaretBarType"}},
      {203, {"SetCursorPos 1910,1070"}},
      {205, {"SetCursorPos 960,540"}},
      {207, {"SetCursorPos 20,10"}},
      {210, {"SetCursorPos 24,1060"}},
      {211, {"SetCursorPos 1860,1060"}},
      {213, {"SetCursorPos 112,62"}},
      {214, {"SetCursorPos 880,62"}},
      {304, {"MoveForegroundWindowBy -10"}},
      {305, {"MoveForegroundWindowBy 10"}},
      {499, {"Beep"}},  // no filter settings dialog to take the colour
      {901, {"ExitSession 1"}},
      {902, {"ExitSession 2"}},
      {903, {"ExitSession 0"}},
      {904, {"Suspend hibernate"}},
      {905, {"Suspend standby"}},
      {950, {"StartProgram Vexilor2Config.exe"}},
      {951, {"ShowHelp tocVxl"}},
      {952, {"Quit"}},
  };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(Run(c.code), c.calls) << c.code;
}

TEST_F(ActionsTest, MissingPlacesLeaveThePointerAlone) {
  system_.hasForeground = false;
  EXPECT_EQ(Run(181), Calls{}) << "no caret locator to step";
  EXPECT_EQ(Run(210), Calls{}) << "no Start button";
  EXPECT_EQ(Run(211), Calls{}) << "no notification area";
  EXPECT_EQ(Run(213), Calls{}) << "no foreground window";
  EXPECT_EQ(Run(300), Calls{}) << "no window under the pointer";
  EXPECT_EQ(Run(302), Calls{});
}

TEST_F(ActionsTest, TheLocatorToggleShowsAtThePointerThenHides) {
  system_.cursor = {640, 480};
  EXPECT_EQ(Run(100), Calls{"ShowPointerLocator 640,480 show"});
  EXPECT_EQ(Run(100), Calls{"ShowPointerLocator 0,0 hide"});
}

TEST_F(ActionsTest, AutomaticTrackingOffInMemoryThenBackFromTheProfile) {
  core_.Config().autoShowOnMove = false;
  core_.Config().autoHideOnIdle = true;
  host_.onLoadProfile = [&] { core_.Config().autoHideOnIdle = true; };
  EXPECT_EQ(Run(101), Calls{"ShowPointerLocator 0,0 hide"});
  EXPECT_FALSE(core_.Config().autoShowOnMove);
  EXPECT_FALSE(core_.Config().autoHideOnIdle);
  EXPECT_EQ(Run(101), (Calls{"LoadDefaultProfile", "ShowPointerLocator 400,300 show"}));
  EXPECT_TRUE(core_.Config().autoHideOnIdle);
}

TEST_F(ActionsTest, TheFilterFrameToggleClosesAnOpenFrame) {
  host_.openFilterWindows = {FilterWindowKind::Frame, FilterWindowKind::Settings};
  EXPECT_EQ(Run(103), Calls{"PostFilters 2,0"});
  EXPECT_EQ(Run(498), Calls{"CaptureFilterColour 1"});
  EXPECT_EQ(Run(499), Calls{"CaptureFilterColour 2"});
}

TEST_F(ActionsTest, TheMonitorToggleMovesThePointerOnlyWhenTheLocatorIsShownAndTheMonitorOn) {
  EXPECT_EQ(Run(107), Calls{"TogglePerformanceMonitor"});
  EXPECT_TRUE(host_.monitorOn);
  host_.locatorOnScreen = true;
  EXPECT_EQ(Run(107), (Calls{"TogglePerformanceMonitor", "RepaintLocator"}));
  EXPECT_EQ(Run(107),
            (Calls{"TogglePerformanceMonitor", "RepaintLocator", "SetCursorPos 760,560"}));
}

TEST_F(ActionsTest, WindowsUnderThePointerAreClosedAndMaximisedAtTheirTop) {
  system_.windowAtPoint = 30;  // a button in a dialog in a frame
  system_.parents = {{30, 20}, {20, 10}};
  EXPECT_EQ(Run(300), Calls{"PostSysCommandClose 10"});
  EXPECT_EQ(Run(302), (Calls{"ShowMaximised 10", "ShowMaximised 30"}));
  system_.maximised[10] = true;
  EXPECT_EQ(Run(302), Calls{"Restore 10"});
  system_.windowAtPoint = 10;
  system_.maximised[10] = false;
  EXPECT_EQ(Run(302), Calls{"ShowMaximised 10"});
}

TEST_F(ActionsTest, DatesAreTypedWithTheCaretMarkerAwayWhileTyping) {
  system_.dateSeparator = ".";
  EXPECT_EQ(Run(403), Calls{"Type 09.04.2024- "}) << "caret locator off stays off";
  host_.caretExists = true;
  host_.caretVisible = true;
  // Off (the window goes), then on again (hook and window anew), around
  // the typing.
  EXPECT_EQ(Run(401), (Calls{"FreeCaretLocator", "CreateWinEventHook", "CreateCaretLocator",
                             "SetCaretLocatorState 1", "StartWinEventHook",
                             "ProcessPendingMessages", "Type 2024-04-09- "}));
  EXPECT_TRUE(host_.caretExists) << "switched on again after typing";
  host_.caretVisible = false;
  EXPECT_EQ(Run(400), Calls{"Type 24-04-09- "});
}

TEST_F(ActionsTest, AMissingConfigurationProgramShowsTheFixedBox) {
  system_.startSucceeds = false;
  EXPECT_EQ(Run(950),
            (Calls{"StartProgram Vexilor2Config.exe", "ShowProgramNotFound Vexilor2Config.exe"}));
}

TEST_F(ActionsTest, ShortcutsRunTheirElementsAction) {
  core_.Config().mouseShortcuts[7] = 952;
  EXPECT_TRUE(actions_.RunShortcut(7, 0));
  EXPECT_EQ(system_.calls, Calls{"Quit"});
  EXPECT_FALSE(actions_.RunShortcut(6, 0)) << "empty element";
  EXPECT_FALSE(actions_.RunShortcut(39, 0)) << "outside the table";
  EXPECT_TRUE(actions_.ShortcutAssigned(0));
  EXPECT_FALSE(actions_.ShortcutAssigned(6));
  core_.Config().mouseShortcuts[6] = -3;
  EXPECT_FALSE(actions_.ShortcutAssigned(6)) << "negative codes are not assigned";
}

TEST_F(ActionsTest, AnyRightHeldShortcutLooksAtTheFourRightHeldElements) {
  EXPECT_TRUE(actions_.AnyRightHeldShortcut());  // defaults: 0 and 5
  for (int e : {0, 5}) core_.Config().mouseShortcuts[e] = 0;
  EXPECT_FALSE(actions_.AnyRightHeldShortcut());
  for (int e : {24, 32}) {
    core_.Config().mouseShortcuts[e] = 100;
    EXPECT_TRUE(actions_.AnyRightHeldShortcut()) << e;
    core_.Config().mouseShortcuts[e] = 0;
  }
}

}  // namespace
}  // namespace vxl
