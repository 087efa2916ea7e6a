// The service from the user's hands: mouse chords and hot keys of the
// default record run their actions, and what the service takes never reaches
// the application under the pointer.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "E2eClickTarget.h"
#include "E2eHarness.h"
#include "HookE2e.h"
#include "common/ConfigRecord.h"
#include "service/uformMain.h"

namespace {

constexpr const wchar_t* kMainClass = L"TVexilor2Wnd";
constexpr const wchar_t* kLocatorClass = L"TVexilorLocWnd";

std::wstring At(POINT p) { return std::to_wstring(p.x) + L" " + std::to_wstring(p.y); }

LPARAM StandIn() { return reinterpret_cast<LPARAM>(e2e::ConfigurationWindowStandIn()); }

bool PointerAt(int x, int y) {
  POINT p{};
  ::GetCursorPos(&p);
  return p.x == x && p.y == y;
}

class ServiceShortcuts : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(e2e::NoLiveHook()) << "another hook is installed";
    ASSERT_EQ(e2e::HeldButtonsAndModifiers(), "") << "an earlier test left keys held";
  }

  // Chords swallowed by a service that then ends, or on a window that
  // closes, can leave Wine believing a key is still down.
  void TearDown() override {
    service_.End();
    EXPECT_TRUE(e2e::ReleaseStuckInput()) << e2e::HeldButtonsAndModifiers();
  }

  // Starts the service and waits until its mouse hook is in place.
  HWND StartService(const std::wstring& arguments = L"") {
    if (!service_.Start(arguments) || !service_.WaitForMouseHook()) return nullptr;
    return service_.Main();
  }

  bool LocatorShown() {
    HWND locator = e2e::WaitForWindow(kLocatorClass, service_.Id(), 0);
    return locator != nullptr && ::IsWindowVisible(locator);
  }

  e2e::ServiceUnderTest service_;
};

TEST_F(ServiceShortcuts, AMiddleClickTogglesTheLocatorAndNeverReachesTheApplication) {
  e2e::ClickTarget target(RECT{300, 250, 700, 550});
  ASSERT_NE(target.Handle(), nullptr);
  ASSERT_NE(StartService(), nullptr);
  ASSERT_FALSE(LocatorShown());

  ASSERT_TRUE(e2e::XdoTool(L"mousemove " + At(target.Centre()) + L" click 2"));
  EXPECT_TRUE(e2e::WaitUntil([&] { return LocatorShown(); }, 3000)) << "action 100 did not run";
  // A left click afterwards proves the earlier middle events were delivered
  // (or swallowed) by then.
  ASSERT_TRUE(e2e::XdoTool(L"click 1"));
  ASSERT_TRUE(target.WaitForLeftPressesAbove(0));
  EXPECT_EQ(target.Count(WM_MBUTTONDOWN), 0) << "the press reached the application";
  EXPECT_EQ(target.Count(WM_MBUTTONUP), 0) << "the release reached the application";
  e2e::SaveScreenshot(L"shortcut-middle-click");

  ASSERT_TRUE(e2e::XdoTool(L"click 2"));
  EXPECT_TRUE(e2e::WaitUntil([&] { return !LocatorShown(); }, 3000))
      << "the second click did not hide it";
}

TEST_F(ServiceShortcuts, APlainRightClickIsHeldBackThenReplayed) {
  e2e::ClickTarget target(RECT{300, 250, 700, 550});
  ASSERT_NE(target.Handle(), nullptr);
  ASSERT_NE(StartService(), nullptr);
  ASSERT_TRUE(e2e::XdoTool(L"mousemove " + At(target.Centre()) + L" click 3"));
  EXPECT_TRUE(e2e::WaitUntil([&] { return target.Count(WM_RBUTTONUP) == 1; }, 3000))
      << "the replayed right click did not arrive";
  EXPECT_EQ(target.Count(WM_RBUTTONDOWN), 1);
  EXPECT_FALSE(LocatorShown());
}

// The press held back still counts for the system's double-click pairing;
// the replayed click must still reach a CS_DBLCLKS window as the user made
// it: one click as a press, a double click as a double click.
TEST_F(ServiceShortcuts, RightClicksReachADoubleClickWindowAsTheUserMadeThem) {
  e2e::ClickTarget target(RECT{300, 250, 700, 550}, e2e::TargetKind::DoubleClicks);
  ASSERT_NE(target.Handle(), nullptr);
  // Drains what came before: a left click reaches the window after them.
  int lefts = 0;
  auto settle = [&] {
    ASSERT_TRUE(e2e::XdoTool(L"click 1"));
    ASSERT_TRUE(target.WaitForLeftPressesAbove(lefts++));
  };
  struct Counts {
    int down, doubleClick, up;
  };
  auto counts = [&] {
    return Counts{target.Count(WM_RBUTTONDOWN), target.Count(WM_RBUTTONDBLCLK),
                  target.Count(WM_RBUTTONUP)};
  };
  // Without the service, the same input gives the pairs the test expects.
  ASSERT_TRUE(
      e2e::XdoTool(L"mousemove " + At(target.Centre()) + L" click --repeat 2 --delay 120 3"));
  ASSERT_TRUE(e2e::WaitUntil([&] { return target.Count(WM_RBUTTONUP) == 2; }, 3000));
  settle();
  ASSERT_EQ(counts().down, 1);
  ASSERT_EQ(counts().doubleClick, 1) << "the system made no double click of a double click";

  ASSERT_NE(StartService(), nullptr);
  ASSERT_TRUE(e2e::XdoTool(L"click 3"));
  ASSERT_TRUE(e2e::WaitUntil([&] { return target.Count(WM_RBUTTONUP) == 3; }, 3000))
      << "the replayed right click did not arrive";
  settle();
  EXPECT_EQ(counts().down, 2) << "a single right click must arrive as a press";
  EXPECT_EQ(counts().doubleClick, 1) << "a single right click arrived as a double click";
  EXPECT_EQ(counts().up, 3);

  ASSERT_TRUE(e2e::XdoTool(L"click --repeat 2 --delay 120 3"));
  ASSERT_TRUE(e2e::WaitUntil([&] { return target.Count(WM_RBUTTONUP) == 5; }, 3000))
      << "the replayed double click did not arrive";
  settle();
  EXPECT_EQ(counts().down, 3);
  EXPECT_EQ(counts().doubleClick, 2) << "a double right click must stay a double click";
  EXPECT_FALSE(LocatorShown());
}

TEST_F(ServiceShortcuts, ARightClickSelectsTheListItemUnderThePointer) {
  e2e::ClickTarget list(RECT{300, 250, 700, 550}, e2e::TargetKind::List);
  ASSERT_NE(list.Handle(), nullptr);
  ASSERT_NE(StartService(), nullptr);
  const POINT first = list.ListItemCentre(0), second = list.ListItemCentre(1);
  ASSERT_GE(first.x, 0);
  ASSERT_TRUE(e2e::XdoTool(L"mousemove " + At(first) + L" click 1"));
  ASSERT_TRUE(e2e::WaitUntil([&] { return list.SelectedListItem() == 0; }, 3000));
  ASSERT_TRUE(e2e::XdoTool(L"mousemove " + At(second) + L" click 3"));
  ASSERT_TRUE(e2e::WaitUntil(
      [&] { return list.ListRightClicks() + list.ListRightDoubleClicks() > 0; }, 3000))
      << "the list view saw no right click";
  EXPECT_EQ(list.ListRightClicks(), 1);
  EXPECT_EQ(list.ListRightDoubleClicks(), 0);
  EXPECT_EQ(list.SelectedListItem(), 1) << "the right-clicked item must be the one selected";
}

TEST_F(ServiceShortcuts, HoldingRightAndClickingLeftShowsTheLocatorWithoutAnyClick) {
  e2e::ClickTarget target(RECT{300, 250, 700, 550});
  ASSERT_NE(target.Handle(), nullptr);
  ASSERT_NE(StartService(), nullptr);
  ASSERT_TRUE(e2e::XdoTool(L"mousemove " + At(target.Centre()) +
                           L" mousedown 3 sleep 0.1 click 1 sleep 0.1 mouseup 3"));
  EXPECT_TRUE(e2e::WaitUntil([&] { return LocatorShown(); }, 3000)) << "action 100 did not run";
  // Wait for a plain left click to pass, then look at what came before it.
  ::Sleep(300);
  ASSERT_TRUE(e2e::XdoTool(L"mousemove 310 260 click 1"));
  ASSERT_TRUE(target.WaitForLeftPressesAbove(0));
  EXPECT_EQ(target.LeftPresses(), 1) << "the chord's left click reached the application";
  EXPECT_EQ(target.Count(WM_RBUTTONDOWN), 0);
  EXPECT_EQ(target.Count(WM_RBUTTONUP), 0) << "a context menu would open";
}

TEST_F(ServiceShortcuts, HoldingLeftAndClickingRightTogglesTheLocator) {
  e2e::ClickTarget target(RECT{300, 250, 700, 550});
  ASSERT_NE(target.Handle(), nullptr);
  ASSERT_NE(StartService(), nullptr);
  const std::wstring chord = L" mousedown 1 sleep 0.2 click 3 sleep 0.2 mouseup 1";
  ASSERT_TRUE(e2e::XdoTool(L"mousemove " + At(target.Centre()) + chord));
  EXPECT_TRUE(e2e::WaitUntil([&] { return LocatorShown(); }, 3000)) << "the chord did not show it";
  ASSERT_TRUE(e2e::WaitUntil([&] { return target.LeftReleases() == 1; }, 3000));
  ASSERT_TRUE(e2e::XdoTool(L"sleep 0.3" + chord));
  EXPECT_TRUE(e2e::WaitUntil([&] { return !LocatorShown(); }, 3000)) << "nor hide it";
  ASSERT_TRUE(e2e::WaitUntil([&] { return target.LeftReleases() == 2; }, 3000));
  EXPECT_EQ(target.Count(WM_RBUTTONDOWN), 0);
  EXPECT_EQ(target.Count(WM_RBUTTONUP), 0);
}

TEST_F(ServiceShortcuts, MovingFurtherThanTheDistanceShowsTheLocatorByItself) {
  e2e::ClickTarget target(RECT{200, 200, 1000, 700});
  ASSERT_NE(target.Handle(), nullptr);
  HWND main = StartService();
  ASSERT_NE(main, nullptr);
  // Start from elsewhere: a move to where the pointer already is raises
  // no movement.
  ASSERT_TRUE(e2e::XdoTool(L"mousemove 300 300"));
  ASSERT_TRUE(e2e::WaitUntil([] { return PointerAt(300, 300); }, 3000));
  vxl::TConfigRecord record;
  vxl::ResetToDefaults(record);
  record.autoShowOnMove = true;
  record.autoShowDistance = 90;
  record.autoHideOnIdle = false;
  ASSERT_EQ(e2e::SendCopyData(main, &record, sizeof record), 0);

  ASSERT_TRUE(e2e::XdoTool(L"mousemove 500 400"));
  ASSERT_TRUE(e2e::WaitUntil([&] { return LocatorShown(); }, 3000)) << "no automatic show";
  // The move to 300, 300 may reach the hook only now and show the locator
  // there; the next frame tick then takes it to 500, 400. Wait until it
  // points there: shown there (its corner at the point) or moved there by a
  // tick (40 pixels beyond), so that it is hidden where the test expects.
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        RECT r{};
        HWND locator = e2e::WaitForWindow(kLocatorClass, service_.Id(), 0);
        return locator && ::GetWindowRect(locator, &r) &&
               ((r.right == 500 && r.bottom == 400) || (r.right == 540 && r.bottom == 440));
      },
      3000))
      << "the locator did not reach the pointer";
  ASSERT_EQ(e2e::Send(main, vxl::WM_VXL_PREVIEW, vxl::Preview::Pointer, vxl::Preview::kHide),
            1);  // hidden where it last pointed
  ASSERT_FALSE(LocatorShown());
  ASSERT_TRUE(e2e::XdoTool(L"mousemove 560 400 sleep 0.1 mousemove 590 460"));
  ASSERT_TRUE(e2e::WaitUntil([] { return PointerAt(590, 460); }, 3000));
  e2e::PumpMessages(300);
  EXPECT_FALSE(LocatorShown()) << "90 pixels on each axis is not more than the distance";
  ASSERT_TRUE(e2e::XdoTool(L"mousemove 591 460"));
  EXPECT_TRUE(e2e::WaitUntil([&] { return LocatorShown(); }, 3000)) << "91 pixels should show it";
}

TEST_F(ServiceShortcuts, AltCtrlLeftClickQuitsTheService) {
  e2e::ClickTarget target(RECT{300, 250, 700, 550});
  ASSERT_NE(target.Handle(), nullptr);
  ASSERT_NE(StartService(), nullptr);
  // Under Wine the keys reach the shared key state only once the window
  // with the X focus has read them: give it a moment, as a hand would.
  ASSERT_TRUE(e2e::XdoTool(L"mousemove " + At(target.Centre()) +
                           L" keydown ctrl+alt sleep 0.3 click 1 sleep 0.1 keyup ctrl+alt"));
  EXPECT_TRUE(service_.WaitForExit(5000)) << "action 952 did not end the service";
  EXPECT_EQ(service_.ExitCode(), 0u);
  EXPECT_EQ(target.LeftPresses(), 0) << "the chord reached the application";
}

TEST_F(ServiceShortcuts, PreviousButtonHeldWithALeftClickClosesTheWindowUnderThePointer) {
  e2e::ClickTarget target(RECT{300, 250, 700, 550});
  ASSERT_NE(target.Handle(), nullptr);
  ASSERT_NE(StartService(), nullptr);
  ASSERT_TRUE(e2e::XdoTool(L"mousemove " + At(target.Centre()) +
                           L" mousedown 8 sleep 0.2 click 1 sleep 0.2 mouseup 8"));
  EXPECT_TRUE(target.WaitForExit(5000)) << "action 300 did not close the window";
}

TEST_F(ServiceShortcuts, AltWheelUpMovesTheForegroundWindowUp) {
  e2e::ClickTarget target(RECT{300, 250, 700, 550}, /*withEdit=*/true);
  ASSERT_NE(StartService(), nullptr);
  target.Activate();
  ASSERT_TRUE(e2e::WaitUntil([&] { return ::GetForegroundWindow() == target.Handle(); }, 3000));
  ASSERT_TRUE(e2e::XdoTool(L"mousemove " + At(target.Centre()) +
                           L" keydown alt sleep 0.3 click 4 sleep 0.1 keyup alt"));
  EXPECT_TRUE(e2e::WaitUntil(
      [&] {
        RECT r{};
        ::GetWindowRect(target.Handle(), &r);
        return r.top == 240 && r.left == 300 && r.bottom == 540;
      },
      3000))
      << "action 304 did not move the window 10 pixels up";
}

// True when another program holds the combination (the test program cannot
// register it itself).
bool HeldElsewhere(UINT modifiers, UINT virtualKey) {
  if (!::RegisterHotKey(nullptr, 0x7000, modifiers, virtualKey)) return true;
  ::UnregisterHotKey(nullptr, 0x7000);
  return false;
}

TEST_F(ServiceShortcuts, HotKeysAreHeldInNormalModeOnlyAndNotAfterAConfigStart) {
  HWND main = StartService();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(HeldElsewhere(MOD_WIN, 'C'));
  EXPECT_TRUE(HeldElsewhere(MOD_CONTROL, VK_NUMPAD3)) << "the last default entry";
  EXPECT_FALSE(HeldElsewhere(MOD_CONTROL, VK_F5)) << "not in the table";

  ASSERT_EQ(e2e::Send(main, vxl::WM_VXL_SETMODE, vxl::SetMode::Configuration, StandIn()), 1);
  EXPECT_FALSE(HeldElsewhere(MOD_WIN, 'C')) << "configuration mode withdraws them";
  ASSERT_EQ(e2e::Send(main, vxl::WM_VXL_SETMODE, vxl::SetMode::Normal, 0), 1);
  EXPECT_TRUE(HeldElsewhere(MOD_WIN, 'C')) << "leaving it registers them again";
}

TEST_F(ServiceShortcuts, StartedByTheConfigurationProgramTheHotKeysWaitForIt) {
  HWND main = StartService(L"/config");
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(HeldElsewhere(MOD_WIN, 'C'));
  ASSERT_EQ(e2e::Send(main, vxl::WM_VXL_SETMODE, vxl::SetMode::Normal, 0), 1);
  EXPECT_TRUE(HeldElsewhere(MOD_WIN, 'C'));
}

TEST_F(ServiceShortcuts, ACapitalConfigSwitchRegistersAtOnce) {
  ASSERT_NE(StartService(L"/CONFIG"), nullptr);
  EXPECT_TRUE(HeldElsewhere(MOD_WIN, 'C'));
}

TEST_F(ServiceShortcuts, ARefusedHotKeyIsReportedAndTheOthersStillWork) {
  // The test program holds Ctrl+Alt+F1 (entry 1 of the defaults) first.
  ASSERT_TRUE(::RegisterHotKey(nullptr, 0x7001, MOD_CONTROL | MOD_ALT, VK_F1));
  ASSERT_TRUE(service_.Launch());
  HWND box = e2e::WaitForDialogBox(service_.Id());
  ASSERT_NE(box, nullptr) << "no warning for the refused key";
  EXPECT_EQ(e2e::WindowText(box), L"Vexilor 2.00");
  // The modifier names are the keyboard layout's own (Wine says "Control").
  wchar_t ctrl[64] = L"", alt[64] = L"";
  ::GetKeyNameTextW(static_cast<LONG>(::MapVirtualKeyW(VK_CONTROL, MAPVK_VK_TO_VSC) << 16), ctrl,
                    64);
  ::GetKeyNameTextW(static_cast<LONG>(::MapVirtualKeyW(VK_MENU, MAPVK_VK_TO_VSC) << 16), alt, 64);
  EXPECT_EQ(e2e::DialogText(box), std::wstring(ctrl) + L"+" + alt +
                                      L"+F1 is already used by another program and cannot be "
                                      L"assigned.");
  e2e::PressDialogButton(box, IDOK);
  ASSERT_NE(e2e::WaitForWindow(kMainClass, service_.Id()), nullptr);
  EXPECT_TRUE(e2e::WaitUntil([] { return HeldElsewhere(MOD_CONTROL, VK_NUMPAD3); }, 5000))
      << "the later entries were not registered";
  ::UnregisterHotKey(nullptr, 0x7001);
}

// Keys refused at registration are told once, in one box; leaving a
// configuration mode never entered registers nothing again, so no private
// message can raise more boxes, nor nest one in another.
TEST_F(ServiceShortcuts, RefusedHotKeysAreToldInOneBoxThatPrivateMessagesNeverRepeat) {
  ASSERT_TRUE(::RegisterHotKey(nullptr, 0x7001, MOD_CONTROL, VK_NUMPAD0));
  ASSERT_TRUE(::RegisterHotKey(nullptr, 0x7002, MOD_CONTROL, VK_NUMPAD7));
  ASSERT_TRUE(service_.Launch());
  HWND box = e2e::WaitForDialogBox(service_.Id());
  ASSERT_NE(box, nullptr) << "no warning for the refused keys";
  HWND main = e2e::WaitForWindow(kMainClass, service_.Id());
  ASSERT_NE(main, nullptr);
  const std::wstring text = e2e::DialogText(box);
  const std::wstring taken = L" is already used by another program and cannot be assigned.";
  EXPECT_NE(text.find(L"+Num 0" + taken), std::wstring::npos) << text;
  EXPECT_NE(text.find(L"+Num 7" + taken), std::wstring::npos) << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), L'\n'), 1) << "one line per key";
  EXPECT_EQ(text.find(L"+ is"), std::wstring::npos) << "a key without its name";

  // While it is open the messages are handled, and raise no other box.
  for (int i = 0; i < 50; ++i) {
    ASSERT_EQ(e2e::Send(main, vxl::WM_VXL_SETMODE, i % 2, 0), 1);
  }
  for (int i = 0; i < 10; ++i) {
    ASSERT_EQ(e2e::Send(main, vxl::WM_VXL_SETMODE, vxl::SetMode::Configuration, StandIn()), 1);
    ASSERT_EQ(e2e::Send(main, vxl::WM_VXL_SETMODE, vxl::SetMode::Normal, 0), 1);
  }
  e2e::PumpMessages(300);
  EXPECT_EQ(e2e::DialogBoxes(service_.Id()).size(), 1u);
  e2e::PressDialogButton(box, IDOK);
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::DialogBoxes(service_.Id()).empty(); }, 3000));
  ASSERT_EQ(e2e::Send(main, vxl::WM_VXL_SETMODE, vxl::SetMode::Normal, 0), 1);
  e2e::PumpMessages(300);
  EXPECT_TRUE(e2e::DialogBoxes(service_.Id()).empty()) << "the same refusals were told again";
  EXPECT_TRUE(HeldElsewhere(MOD_WIN, 'C')) << "the other keys were not registered";
  ::UnregisterHotKey(nullptr, 0x7001);
  ::UnregisterHotKey(nullptr, 0x7002);
}

// Keys reach Wine only through a window of its own that has the X focus;
// Xvfb's keymap turns Ctrl+Alt+F1 and Ctrl+Alt+numeric-pad keys into
// console and video-mode keys, so the tests use other combinations.
TEST_F(ServiceShortcuts, CtrlNumericPadFiveMovesThePointerToTheScreenCentre) {
  e2e::ClickTarget focus(RECT{300, 250, 700, 300}, /*withEdit=*/true);
  ASSERT_NE(StartService(), nullptr);
  focus.Activate();
  ASSERT_TRUE(e2e::XdoTool(L"mousemove 350 270"));
  ASSERT_TRUE(e2e::WaitUntil([] { return PointerAt(350, 270); }, 3000));
  ASSERT_TRUE(e2e::XdoTool(L"key ctrl+KP_5"));
  EXPECT_TRUE(e2e::WaitUntil([] { return PointerAt(640, 512); }, 3000))
      << "action 205 did not bring the pointer to the centre of the 1280 x 1024 screen";
}

TEST_F(ServiceShortcuts, ACopiedHotKeyTableTakesEffectWhenConfigurationModeEnds) {
  e2e::ClickTarget focus(RECT{300, 250, 700, 300}, /*withEdit=*/true);
  HWND main = StartService();
  ASSERT_NE(main, nullptr);
  vxl::TConfigRecord record;
  vxl::ResetToDefaults(record);
  record.hotKeys[0] = {0x6051, 952};  // Ctrl+Shift+Q quits

  // In normal mode a received table waits.
  ASSERT_EQ(e2e::SendCopyData(main, &record, sizeof record), 0);
  EXPECT_FALSE(HeldElsewhere(MOD_CONTROL | MOD_SHIFT, 'Q'));
  EXPECT_TRUE(HeldElsewhere(MOD_WIN, 'C'));

  ASSERT_EQ(e2e::Send(main, vxl::WM_VXL_SETMODE, vxl::SetMode::Configuration, StandIn()), 1);
  ASSERT_EQ(e2e::SendCopyData(main, &record, sizeof record), 0);
  EXPECT_FALSE(HeldElsewhere(MOD_CONTROL | MOD_SHIFT, 'Q'));
  ASSERT_EQ(e2e::Send(main, vxl::WM_VXL_SETMODE, vxl::SetMode::Normal, 0), 1);
  EXPECT_TRUE(HeldElsewhere(MOD_CONTROL | MOD_SHIFT, 'Q'));
  EXPECT_FALSE(HeldElsewhere(MOD_WIN, 'C')) << "the replaced entry stayed registered";

  focus.Activate();
  ASSERT_TRUE(e2e::XdoTool(L"mousemove 350 270 sleep 0.2 key ctrl+shift+q"));
  EXPECT_TRUE(service_.WaitForExit(5000)) << "the new hot key did not quit the service";
  EXPECT_EQ(service_.ExitCode(), 0u);
}

TEST_F(ServiceShortcuts, WinCWithoutTheConfigurationProgramShowsTheFixedError) {
  // A folder the configuration program is missing from.
  ASSERT_TRUE(service_.Folder().RemoveFile(L"Vexilor2Config.exe"));
  e2e::ClickTarget focus(RECT{300, 250, 700, 300}, /*withEdit=*/true);
  HWND main = StartService();
  ASSERT_NE(main, nullptr);
  focus.Activate();
  ASSERT_TRUE(e2e::XdoTool(L"mousemove 350 270 sleep 0.2 key super+c"));
  HWND box = e2e::WaitForDialogBox(service_.Id());
  ASSERT_NE(box, nullptr) << "no box for the missing Vexilor2Config.exe";
  EXPECT_EQ(e2e::WindowText(box), L"Vexilor 2.00 Error");
  EXPECT_EQ(e2e::DialogText(box), service_.Folder().Path() + L"Vexilor2Config.exe\nFile not found");
  e2e::PressDialogButton(box, IDOK);
  EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(box); }, 3000));
  // The service carries on and still quits cleanly.
  ASSERT_TRUE(::PostMessageW(main, WM_CLOSE, 0, 0));
  EXPECT_TRUE(service_.WaitForExit(5000));
  EXPECT_EQ(service_.ExitCode(), 0u);
}

TEST_F(ServiceShortcuts, WinCStartsTheConfigurationProgramFromTheProgramFolder) {
  wchar_t self[MAX_PATH];
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  ASSERT_TRUE(::CopyFileW(self, service_.Folder().FilePath(L"Vexilor2Config.exe").c_str(), FALSE));
  e2e::ClickTarget focus(RECT{300, 250, 700, 300}, /*withEdit=*/true);
  ASSERT_NE(StartService(), nullptr);
  focus.Activate();
  ASSERT_TRUE(e2e::XdoTool(L"mousemove 350 270 sleep 0.2 key super+c"));
  HWND config = e2e::WaitForWindow(e2e::kConfigStandInClass);
  ASSERT_NE(config, nullptr) << "Vexilor2Config.exe was not started";
  std::wstring folder = service_.Folder().Path();
  folder.pop_back();  // the working folder has no closing backslash
  EXPECT_EQ(_wcsicmp(e2e::WindowText(config).c_str(), folder.c_str()), 0)
      << "started in another folder";
  ::PostMessageW(config, WM_CLOSE, 0, 0);
  EXPECT_TRUE(e2e::DialogBoxes(service_.Id()).empty()) << "an error box came too";
}

TEST_F(ServiceShortcuts, CtrlAltNumericPadMinusQuitsTheService) {
  ASSERT_NE(StartService(), nullptr);
  e2e::PressChord({VK_CONTROL, VK_MENU}, VK_SUBTRACT);
  EXPECT_TRUE(service_.WaitForExit(5000)) << "action 952 did not end the service";
  EXPECT_EQ(service_.ExitCode(), 0u);
}

TEST_F(ServiceShortcuts, WinVTypesTodaysDateIntoTheFocusedEdit) {
  e2e::ClickTarget target(RECT{300, 250, 700, 300}, /*withEdit=*/true);
  ASSERT_NE(target.Handle(), nullptr);
  ASSERT_NE(StartService(), nullptr);
  target.Activate();
  ASSERT_TRUE(e2e::XdoTool(L"mousemove 350 270"));
  ASSERT_TRUE(e2e::WaitUntil([] { return PointerAt(350, 270); }, 3000));
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  wchar_t expected[32];
  swprintf(expected, 32, L"%02d-%02d-%02d- ", now.wYear % 100, now.wMonth, now.wDay);
  ASSERT_TRUE(e2e::XdoTool(L"key super+v"));
  EXPECT_TRUE(e2e::WaitUntil([&] { return target.Text() == expected; }, 5000))
      << "typed: " << target.Text().size() << " characters";
}

}  // namespace
