#include "service/uformMain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "FakeServiceHost.h"

namespace vxl {
namespace {

TEST(ServiceEntry, OnlyAnExactConfigSwitchHoldsBackTheHotKeys) {
  EXPECT_TRUE(IsConfigSwitch({"/config"}));
  EXPECT_TRUE(IsConfigSwitch({"/config", "extra"}));
  EXPECT_FALSE(IsConfigSwitch({}));
  EXPECT_FALSE(IsConfigSwitch({"/CONFIG"}));
  EXPECT_FALSE(IsConfigSwitch({"/Config"}));
  EXPECT_FALSE(IsConfigSwitch({"extra", "/config"}));
  EXPECT_FALSE(IsConfigSwitch({"/config "}));
}

TEST(ServiceEntry, ColourDepthErrorJoinsTheCatalogueTexts) {
  const MessageLookup getMsg = [](std::string_view key) {
    std::string text(1, '<');
    text.append(key).push_back('>');
    return text;
  };
  const MessageBoxText box = ColourDepthError(getMsg, 16);
  EXPECT_EQ(box.caption, "<rsError>");
  EXPECT_EQ(box.text, "<rsBPP1>16<rsBPP2>\r\n<rsBPP3>\r\n<rsBPP4>");
}

struct StartCase {
  const char* name;
  bool keepToolTipsOffTop;
  bool caretOnStart;
  bool startedByConfig;
  Calls calls;
};

TEST(ServiceStart, StepsRunInOrderForEachOptionSet) {
  // clang-format off
  const StartCase cases[] = {
      {"plain", false, false, false,
       {"LoadDefaultProfile", "CreatePointerLocator", "RegisterHotKeys", "EnableMouseHook"}},
      {"by the configuration program", false, false, true,
       {"LoadDefaultProfile", "CreatePointerLocator", "EnableMouseHook"}},
      {"tooltips kept off the top", true, false, false,
       {"LoadDefaultProfile", "CreateWinEventHook", "SetToolTipsMinTop on", "StartWinEventHook",
        "CreatePointerLocator", "RegisterHotKeys", "EnableMouseHook"}},
      {"caret locator at start", false, true, false,
       {"LoadDefaultProfile", "CreateWinEventHook", "SetToolTipsMinTop off", "CreateCaretLocator",
        "SetCaretLocatorState 1", "StartWinEventHook", "StartWinEventHook", "CreatePointerLocator",
        "RegisterHotKeys", "EnableMouseHook"}},
  };
  // clang-format on
  for (const auto& c : cases) {
    FakeHost host;
    TServiceCore core(host);
    // The options come from the loaded profile, over the defaults.
    host.onLoadProfile = [&] {
      core.Config().keepToolTipsOffTop = c.keepToolTipsOffTop;
      core.Config().caretOnStart = c.caretOnStart;
    };
    core.Start(c.startedByConfig);
    EXPECT_EQ(host.calls, c.calls) << c.name;
    EXPECT_EQ(core.State().serviceMode, kServiceModeNormal) << c.name;
  }
}

TEST(ServiceStart, TheRecordIsResetBeforeTheProfileIsLoaded) {
  FakeHost host;
  TServiceCore core(host);
  core.Config().borderWidth = 99;
  int widthSeenByLoad = 0;
  host.onLoadProfile = [&] { widthSeenByLoad = core.Config().borderWidth; };
  core.Start(false);
  EXPECT_EQ(widthSeenByLoad, 3);
}

TEST(ServiceMode, EnteringConfigurationModeStopsHotKeysAndAimsAtThePreviewPoint) {
  FakeHost host;
  TServiceCore core(host);
  core.Positions().previousPosition.Store({7, 7});
  host.foreground = 0x1234;
  host.foregroundRect = {200, 150, 900, 700};
  host.caretExists = true;
  host.openFilterWindows = {FilterWindowKind::Frame, FilterWindowKind::Settings,
                            FilterWindowKind::Templates};

  EXPECT_EQ(core.OnSetMode(SetMode::Configuration, 0x1234), 1);
  EXPECT_EQ(core.State().serviceMode, kServiceModeConfiguration);
  EXPECT_EQ(core.State().configWindow, 0x1234u);
  EXPECT_EQ(core.Positions().previousPosition.Load(), (Point{0, 0}));
  EXPECT_EQ(core.Positions().currentPosition.Load(), (Point{300, 155}));
  EXPECT_EQ(host.calls, (Calls{"UnregisterAllHotKeys", "SetCaretLocatorState 2", "Close Settings",
                               "Close Templates", "Close Frame"}));
}

TEST(ServiceMode, APreviewPointNeedsTheConfigurationWindowInFront) {
  FakeHost host;
  TServiceCore core(host);
  host.foreground = 0x9999;
  host.foregroundRect = {200, 150, 900, 700};
  core.Positions().currentPosition.Store({5, 5});
  core.OnSetMode(SetMode::Configuration, 0x1234);
  EXPECT_EQ(core.Positions().currentPosition.Load(), (Point{0, 0}));
  // A zero window is never the foreground one, even if the system says so.
  host.foreground = 0;
  core.OnSetMode(SetMode::Configuration, 0);
  EXPECT_EQ(core.Positions().currentPosition.Load(), (Point{0, 0}));
}

TEST(ServiceMode, LeavingConfigurationModeRestoresNormalWork) {
  FakeHost host;
  TServiceCore core(host);
  core.OnSetMode(SetMode::Configuration, 0x1234);
  core.Positions().currentPosition.Store({640, 480});
  host.locatorOnScreen = true;
  host.openFilterWindows = {FilterWindowKind::Frame};
  host.calls.clear();

  EXPECT_EQ(core.OnSetMode(SetMode::Normal, 0), 1);
  EXPECT_EQ(core.State().serviceMode, kServiceModeNormal);
  EXPECT_EQ(core.State().configWindow, 0u);
  EXPECT_EQ(core.Positions().previousPosition.Load(), (Point{640, 480}));
  // Filter windows stay open when leaving.
  EXPECT_EQ(host.calls, (Calls{"RegisterHotKeys", "EnableInactivityTimer on", "RepaintLocator"}));
}

struct LeaveCase {
  const char* name;
  bool keepToolTipsOffTop;
  bool caretOnStart;
  bool caretExists;
  Calls calls;
};

TEST(ServiceMode, LeavingSwitchesTheCaretLocatorAndTooltipHookByTheRecord) {
  // clang-format off
  const LeaveCase cases[] = {
      {"caret wanted, none yet", false, true, false,
       {"CreateWinEventHook", "CreateCaretLocator", "SetCaretLocatorState 1", "StartWinEventHook",
        "SetCaretLocatorState 1"}},
      {"caret wanted, previewing", false, true, true, {"SetCaretLocatorState 1"}},
      {"caret not wanted, previewing", false, false, true, {"FreeCaretLocator"}},
      {"caret not wanted, none", false, false, false, {}},
      {"tooltips", true, false, false,
       {"CreateWinEventHook", "SetToolTipsMinTop on", "StartWinEventHook"}},
      {"tooltips kept while the preview closes", true, false, true,
       {"CreateWinEventHook", "SetToolTipsMinTop on", "StartWinEventHook", "FreeCaretLocator",
        "StartWinEventHook"}},
  };
  // clang-format on
  for (const auto& c : cases) {
    FakeHost host;
    TServiceCore core(host);
    core.Config().autoHideOnIdle = false;
    core.Config().keepToolTipsOffTop = c.keepToolTipsOffTop;
    core.Config().caretOnStart = c.caretOnStart;
    host.caretExists = c.caretExists;
    core.OnSetMode(SetMode::Normal, 0);
    Calls expected{"RegisterHotKeys", "EnableInactivityTimer off"};
    expected.insert(expected.end(), c.calls.begin(), c.calls.end());
    EXPECT_EQ(host.calls, expected) << c.name;
    EXPECT_EQ(core.State().serviceMode, kServiceModeNormal) << c.name;
  }
}

TEST(ServiceMode, ACopiedRecordDoesNotReRegisterHotKeysUntilConfigurationModeEnds) {
  FakeHost host;
  TServiceCore core(host);
  core.OnSetMode(SetMode::Configuration, 0);
  TConfigRecord changed;
  ResetToDefaults(changed);
  changed.hotKeys[0].hotKey = 0x10044;
  host.calls.clear();
  EXPECT_EQ(core.OnCopyData(&changed, sizeof changed), 0);
  EXPECT_EQ(core.Config().hotKeys[0].hotKey, 0x10044u);
  EXPECT_EQ(host.calls, (Calls{"ApplyLocatorSettings"}));
  core.OnSetMode(SetMode::Normal, 0);
  EXPECT_EQ(host.calls[1], "RegisterHotKeys");
}

TEST(ServiceMode, LeavingAndEnteringAreIdempotent) {
  struct Case {
    const char* name;
    bool startedByConfig;
    std::vector<std::uintptr_t> modes;  // WM_VXL_SETMODE wParams, in order
    int registrations;                  // after start-up
    int withdrawals;
  };
  // clang-format off
  const Case cases[] = {
      {"leaving a normal service", false, {1, 1, 0, 7}, 0, 0},
      {"entering twice, leaving twice", false, {2, 2, 1, 1}, 1, 2},
      {"started by the configuration program", true, {1, 1}, 1, 0},
      {"back and forth", false, {2, 1, 2, 1}, 2, 2},
  };
  // clang-format on
  for (const Case& c : cases) {
    FakeHost host;
    TServiceCore core(host);
    core.Start(c.startedByConfig);
    host.calls.clear();
    for (std::uintptr_t mode : c.modes) EXPECT_EQ(core.OnSetMode(mode, 0), 1) << c.name;
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "RegisterHotKeys"), c.registrations)
        << c.name;
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "UnregisterAllHotKeys"),
              c.withdrawals)
        << c.name;
    EXPECT_EQ(core.State().serviceMode, kServiceModeNormal) << c.name;
    EXPECT_FALSE(host.watchingConfigurationProgram) << c.name;
  }
}

TEST(ServiceMode, ConfigurationModeEndsWithTheConfigurationProgram) {
  FakeHost host;
  TServiceCore core(host);
  core.Start(false);
  core.OnSetMode(SetMode::Configuration, 0x1234);
  EXPECT_TRUE(host.watchingConfigurationProgram);
  host.calls.clear();
  core.CheckConfigurationProgram();
  EXPECT_TRUE(host.calls.empty()) << "the program is still there";
  EXPECT_EQ(core.State().serviceMode, kServiceModeConfiguration);

  host.configurationProgramPresent = false;
  core.CheckConfigurationProgram();
  EXPECT_EQ(core.State().serviceMode, kServiceModeNormal);
  EXPECT_EQ(core.State().configWindow, 0u);
  EXPECT_EQ(host.calls.front(), "RegisterHotKeys");
  EXPECT_FALSE(host.watchingConfigurationProgram);
  host.calls.clear();
  core.CheckConfigurationProgram();
  EXPECT_TRUE(host.calls.empty()) << "nothing to do in normal mode";
}

TEST(ServiceMessages, TheCaretPreviewOpensOnlyInConfigurationMode) {
  FakeHost host;
  TServiceCore core(host);
  core.Start(false);
  EXPECT_EQ(core.OnPreview(Preview::Caret, Preview::kShow), 1);
  EXPECT_EQ(core.State().serviceMode, kServiceModeNormal)
      << "no configuration program: the locator must keep following the pointer";
  core.OnSetMode(SetMode::Configuration, 0x1234);
  host.calls.clear();
  EXPECT_EQ(core.OnPreview(Preview::Caret, Preview::kShow), 1);
  EXPECT_EQ(host.calls,
            (Calls{"CreateCaretLocator", "SetCaretLocatorState 2", "ShowCaretLocator"}));
}

TEST(ServiceMessages, CopyDataAdoptsTheRecordAndRefreshesWhatIsShown) {
  FakeHost host;
  TServiceCore core(host);
  host.locatorOnScreen = true;
  host.caretExists = true;
  std::vector<std::uint8_t> block(700, 0);
  block[573] = 77;  // caretOpacity
  EXPECT_EQ(core.OnCopyData(block.data(), block.size()), 0);
  EXPECT_EQ(core.Config().version, 0);
  EXPECT_EQ(host.calls, (Calls{"ApplyLocatorSettings", "RepaintLocator", "SetCaretOpacity 77"}));

  host.calls.clear();
  EXPECT_EQ(core.OnCopyData(block.data(), 611), 0);
  EXPECT_EQ(core.OnCopyData(nullptr, 612), 0);
  EXPECT_TRUE(host.calls.empty()) << "a short block must be ignored";
}

struct MessageCase {
  const char* name;
  std::uintptr_t wParam;
  std::intptr_t lParam;
  std::intptr_t result;
  Calls calls;
};

void RunCases(const MessageCase* begin, const MessageCase* end,
              std::intptr_t (TServiceCore::*handler)(std::uintptr_t, std::intptr_t),
              const std::function<void(FakeHost&)>& prepare) {
  for (auto c = begin; c != end; ++c) {
    FakeHost host;
    prepare(host);
    TServiceCore core(host);
    EXPECT_EQ((core.*handler)(c->wParam, c->lParam), c->result) << c->name;
    EXPECT_EQ(host.calls, c->calls) << c->name;
  }
}

TEST(ServiceMessages, PreviewMessages) {
  // clang-format off
  const MessageCase withoutCaret[] = {
      {"locator shown", Preview::Pointer, Preview::kShow, 1, {"ShowPointerLocator -1,-1 show"}},
      {"locator hidden", Preview::Pointer, Preview::kHide, 1, {"ShowPointerLocator 0,0 hide"}},
      {"locator, any other lParam", Preview::Pointer, 5, 1, {"ShowPointerLocator 0,0 hide"}},
      {"caret preview without the configuration program", Preview::Caret, Preview::kShow, 1, {}},
      {"caret, other lParam", Preview::Caret, Preview::kHide, 1, {}},
      {"caret position without window", Preview::CaretPosition, 0x00C80190, 0, {}},
      {"unknown", 3, 0, 1, {}},
  };
  // clang-format on
  RunCases(std::begin(withoutCaret), std::end(withoutCaret), &TServiceCore::OnPreview,
           [](FakeHost&) {});
  // clang-format off
  const MessageCase withCaret[] = {
      {"caret position", Preview::CaretPosition, 0x00C80190, 1, {"PreviewCaretAt 400,200"}},
      {"caret position left of the primary screen", Preview::CaretPosition, 0x0064FF38, 1,
       {"PreviewCaretAt -200,100"}},
  };
  // clang-format on
  RunCases(std::begin(withCaret), std::end(withCaret), &TServiceCore::OnPreview,
           [](FakeHost& host) { host.caretExists = true; });
}

TEST(ServiceMessages, FilterMessagesWithoutFilterWindows) {
  // clang-format off
  const MessageCase cases[] = {
      {"frame closed", Filters::FrameClosed, 0, 1, {"Free Frame"}},
      {"open frame", Filters::OpenFrame, 0, 1, {"Open Frame"}},
      {"close frame, none", Filters::CloseFrame, 0, 1, {}},
      {"open templates", Filters::OpenTemplates, 0, 1, {"Open Templates"}},
      {"settings without a frame", Filters::OpenSettings, 0, 0, {}},
      {"settings closed, open templates", Filters::SettingsClosed, Filters::kThenTemplates, 1, {"Free Settings", "PostFilters 4,0"}},
      {"settings closed", Filters::SettingsClosed, 0, 1, {"Free Settings"}},
      {"templates closed", Filters::TemplatesClosed, 0, 1, {"Free Templates"}},
      {"unknown", 3, 0, 1, {}},
      {"unknown high", 1000, 0, 1, {}},
  };
  // clang-format on
  RunCases(std::begin(cases), std::end(cases), &TServiceCore::OnFilters, [](FakeHost&) {});
}

TEST(ServiceMessages, FilterMessagesWithTheFrameOpen) {
  // clang-format off
  const MessageCase cases[] = {
      {"open frame again", Filters::OpenFrame, 0, 0, {}},
      {"close frame", Filters::CloseFrame, 0, 1, {"Close Frame"}},
      {"open settings", Filters::OpenSettings, 0, 1, {"Open Settings"}},
      {"settings closed", Filters::SettingsClosed, 0, 1, {"Free Settings", "RaiseFilterFrame"}},
      {"templates closed", Filters::TemplatesClosed, 0, 1, {"Free Templates", "RaiseFilterFrame"}},
  };
  // clang-format on
  RunCases(std::begin(cases), std::end(cases), &TServiceCore::OnFilters,
           [](FakeHost& host) { host.openFilterWindows = {FilterWindowKind::Frame}; });
  const MessageCase settingsOpen[] = {{"settings already open", Filters::OpenSettings, 0, 1, {}}};
  RunCases(std::begin(settingsOpen), std::end(settingsOpen), &TServiceCore::OnFilters,
           [](FakeHost& host) {
             host.openFilterWindows = {FilterWindowKind::Frame, FilterWindowKind::Settings};
           });
  // clang-format off
  const MessageCase templatesOpen[] = {
      {"templates again", Filters::OpenTemplates, 0, 0, {}},
      {"settings while templates are open", Filters::OpenSettings, 0, 0, {}},
  };
  // clang-format on
  RunCases(std::begin(templatesOpen), std::end(templatesOpen), &TServiceCore::OnFilters,
           [](FakeHost& host) {
             host.openFilterWindows = {FilterWindowKind::Frame, FilterWindowKind::Templates};
           });
}

TEST(ServiceMessages, ReloadAndPower) {
  FakeHost host;
  TServiceCore core(host);
  host.locatorOnScreen = true;
  host.openFilterWindows = {FilterWindowKind::Frame};
  EXPECT_EQ(core.OnReload(Reload::Language), 1);
  EXPECT_EQ(core.OnReload(Reload::PerformanceMonitor), 1);
  EXPECT_EQ(core.OnReload(2), 1);
  EXPECT_EQ(core.OnPowerBroadcast(10), 0);
  EXPECT_EQ(core.OnPowerBroadcast(kPowerSuspend), 1);
  EXPECT_EQ(host.calls, (Calls{"ReloadLanguage", "TogglePerformanceMonitor", "RepaintLocator",
                               "ShowPointerLocator 0,0 hide", "Free Frame"}));
}

TEST(ServiceMessages, RaisingFloatingWindowsPrefersDialogsThenLensThenCaret) {
  struct Case {
    std::set<FilterWindowKind> open;
    bool caret;
    Calls calls;
  };
  // clang-format off
  const Case cases[] = {
      {{FilterWindowKind::Settings, FilterWindowKind::Lens}, true, {"BringApplicationToFront"}},
      {{FilterWindowKind::Templates}, false, {"BringApplicationToFront"}},
      {{FilterWindowKind::Lens, FilterWindowKind::Frame}, true, {"RaiseFilterLensTopmost"}},
      {{}, true, {"RaiseCaretLocatorTopmost"}},
      {{FilterWindowKind::Frame}, true, {}},
      {{}, false, {}},
  };
  // clang-format on
  for (const auto& c : cases) {
    FakeHost host;
    host.openFilterWindows = c.open;
    host.caretExists = c.caret;
    TServiceCore core(host);
    core.RaiseFloatingWindows();
    EXPECT_EQ(host.calls, c.calls);
  }
}

struct CaretSwitchCase {
  const char* name;
  CaretSwitch form;
  std::int32_t mode;
  bool hookExists;
  bool caretExists;
  bool keepToolTipsOffTop;
  Calls calls;
  std::int32_t modeAfter;
  bool caretAfter;
};

TEST(CaretSwitching, EachFormInEachModeActsOnTheWindowAndTheHook) {
  constexpr auto N = kServiceModeNormal;
  constexpr auto C = kServiceModeConfiguration;
  // clang-format off
  const CaretSwitchCase cases[] = {
      {"toggle on, nothing yet", CaretSwitch::Toggle, N, false, false, false,
       {"CreateWinEventHook", "CreateCaretLocator", "SetCaretLocatorState 1", "StartWinEventHook"},
       N, true},
      {"toggle on over the tooltip hook", CaretSwitch::Toggle, N, true, false, true,
       {"CreateCaretLocator", "SetCaretLocatorState 1", "StartWinEventHook"}, N, true},
      {"toggle off frees the hook", CaretSwitch::Toggle, N, true, true, false,
       {"FreeCaretLocator", "FreeWinEventHook"}, N, false},
      {"toggle off keeps the tooltip hook running", CaretSwitch::Toggle, N, true, true, true,
       {"FreeCaretLocator", "StartWinEventHook"}, N, false},
      {"off in configuration mode keeps the tooltip hook stopped", CaretSwitch::Off, C, true, true,
       true, {"FreeCaretLocator"}, C, false},
      {"toggle on in configuration mode previews", CaretSwitch::Toggle, C, true, false, false,
       {"StopWinEventHook", "CreateCaretLocator", "SetCaretLocatorState 2", "ShowCaretLocator"}, C,
       true},
      {"preview enters configuration mode", CaretSwitch::Preview, N, false, false, false,
       {"CreateCaretLocator", "SetCaretLocatorState 2", "ShowCaretLocator"}, C, true},
      {"preview over a tracking locator only stops the hook", CaretSwitch::Preview, N, true, true,
       false, {"StopWinEventHook"}, C, true},
      {"off without anything", CaretSwitch::Off, N, false, false, false, {}, N, false},
      {"off in configuration mode", CaretSwitch::Off, C, true, true, false,
       {"FreeCaretLocator", "FreeWinEventHook"}, C, false},
  };
  // clang-format on
  for (const auto& c : cases) {
    FakeHost host;
    TServiceCore core(host);
    core.State().serviceMode = c.mode;
    core.Config().keepToolTipsOffTop = c.keepToolTipsOffTop;
    host.hookExists = c.hookExists;
    host.caretExists = c.caretExists;
    core.SwitchCaretLocator(c.form);
    EXPECT_EQ(host.calls, c.calls) << c.name;
    EXPECT_EQ(core.State().serviceMode, c.modeAfter) << c.name;
    EXPECT_EQ(host.caretExists, c.caretAfter) << c.name;
  }
}

TEST(CaretSwitching, BarTypeStepAndShownQueryNeedAWindow) {
  FakeHost host;
  TServiceCore core(host);
  core.NextCaretBarType();
  EXPECT_FALSE(core.CaretLocatorShown());
  EXPECT_TRUE(host.calls.empty());

  core.SwitchCaretLocator(CaretSwitch::Toggle);
  EXPECT_TRUE(core.CaretLocatorShown());
  host.calls.clear();
  core.NextCaretBarType();
  EXPECT_EQ(host.calls, (Calls{"NextCaretBarType"}));
}

TEST(CaretSwitching, DateInsertionToggleRoundTripRestoresTracking) {
  // The date insertion switches a shown locator off with the toggle and
  // back on with it afterwards.
  FakeHost host;
  TServiceCore core(host);
  core.SwitchCaretLocator(CaretSwitch::Toggle);
  ASSERT_TRUE(core.CaretLocatorShown());
  host.calls.clear();
  core.SwitchCaretLocator(CaretSwitch::Toggle);
  EXPECT_FALSE(core.CaretLocatorShown());
  core.SwitchCaretLocator(CaretSwitch::Toggle);
  EXPECT_TRUE(core.CaretLocatorShown());
  EXPECT_EQ(host.calls,
            (Calls{"FreeCaretLocator", "FreeWinEventHook", "CreateWinEventHook",
                   "CreateCaretLocator", "SetCaretLocatorState 1", "StartWinEventHook"}));
}

}  // namespace
}  // namespace vxl
