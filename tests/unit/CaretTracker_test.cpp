#include "service/CaretTracker.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "AllocationCount.h"

namespace vxl {
namespace {

// The windows of a small desktop: an editor with an edit control and a
// button, another application with an edit control of its own, and the
// configuration program's preview once a test opens it.
enum : WindowRef {
  kEditor = 0x100,
  kEdit = 0x110,
  kButton = 0x120,
  kOther = 0x200,
  kOtherEdit = 0x210,
  kPreview = 0x300,
  kMemo = 0x310,
};

struct FakeWindow {
  Rect rect;
  Rect client;           // screen pixels
  WindowRef parent = 0;  // 0: a top-level window
};

class NullSource final : public IAccessibilitySource {
 public:
  bool ObjectFromEvent(WindowRef, std::int32_t, std::int32_t) override { return false; }
  void Location(Box&) override {}
  bool Role(std::int32_t&) override { return false; }
  void WindowClass(WindowRef, TClassName&) override {}
  bool WindowRect(WindowRef, Rect&) override { return false; }
  void MoveTopmost(WindowRef, Point) override {}
};

// The system as the tracker sees it, and the marker window as the user sees
// it. Nothing here allocates once the desktop is built.
class FakeDesk final : public ICaretSystem {
 public:
  FakeDesk() {
    windows = {
        {kEditor, {{100, 80, 900, 680}, {104, 110, 896, 676}}},
        {kEdit, {{200, 250, 500, 370}, {202, 252, 498, 368}, kEditor}},
        {kButton, {{200, 400, 280, 430}, {200, 400, 280, 430}, kEditor}},
        {kOther, {{640, 560, 1140, 860}, {644, 590, 1136, 856}}},
        {kOtherEdit, {{700, 600, 1000, 720}, {702, 602, 998, 718}, kOther}},
    };
    // One GUI thread per application.
    threads = {
        {kEditor, {kEditor, kButton, 0, {}, false}},
        {kOther, {kOther, kOtherEdit, kOtherEdit, {760, 610, 1, 16}, true}},
    };
    hook.emplace(source_);
  }

  // --- what the user does

  void FocusEdit(const Box& caret) { threads[kEditor] = {kEditor, kEdit, kEdit, caret, true}; }
  void FocusButton() { threads[kEditor] = {kEditor, kButton, 0, {}, false}; }
  // The application moves its caret or hides it while it stays in the edit.
  void MoveCaret(const Box& caret) { threads[kEditor].caret = caret; }
  void HideCaret() { threads[kEditor].caretShown = false; }
  // Moves a top-level window with its children and its caret.
  void Move(WindowRef topLevel, std::int32_t dx, std::int32_t dy) {
    for (auto& [ref, w] : windows) {
      if (ref != topLevel && w.parent != topLevel) continue;
      w.rect = {w.rect.left + dx, w.rect.top + dy, w.rect.right + dx, w.rect.bottom + dy};
      w.client = {w.client.left + dx, w.client.top + dy, w.client.right + dx, w.client.bottom + dy};
    }
    Box& caret = threads[topLevel].caret;
    caret = {caret.left + dx, caret.top + dy, caret.width, caret.height};
  }
  void OpenPreview() {
    windows[kPreview] = {{240, 200, 760, 500}, {243, 225, 757, 497}};
    windows[kMemo] = {{270, 240, 670, 400}, {272, 242, 668, 398}, kPreview};
  }
  // The caret report of the hook, which takes the reporting window as the
  // caret's first.
  void ReportCaret(TCaretTracker& tracker, WindowRef wnd, const Box& caret) {
    hook->CaretWnd = wnd;
    tracker.OnCaretMove(caret);
  }
  // The delay passes: the timer fires only while it runs.
  void ElapseHideDelay(TCaretTracker& tracker) {
    if (hideTimer) tracker.HideTimerFired();
  }

  // --- ICaretSystem

  std::int32_t ScreenWidth() override { return 1280; }
  WindowRef ForegroundWindow() override { return foreground; }
  bool WindowRect(WindowRef wnd, Rect& rect) override {
    const auto found = windows.find(wnd);
    if (found == windows.end()) return false;
    rect = found->second.rect;
    return true;
  }
  bool ClientRect(WindowRef wnd, Rect& rect) override {
    const auto found = windows.find(wnd);
    if (found == windows.end()) return false;
    rect = found->second.client;
    return true;
  }
  WindowRef ClippingParent(WindowRef wnd) override {
    const auto found = windows.find(wnd);
    return found == windows.end() ? 0 : found->second.parent;
  }
  WindowRef RootOf(WindowRef wnd) override {
    if (!windows.count(wnd)) return 0;
    while (windows.at(wnd).parent != 0) wnd = windows.at(wnd).parent;
    return wnd;
  }
  bool GuiThread(WindowRef wnd, TGuiThreadState& state) override {
    const auto found = threads.find(RootOf(wnd == 0 ? foreground : wnd));
    if (found == threads.end()) return false;
    state = found->second;
    return true;
  }
  bool AccessibleCaret(WindowRef wnd, Box& caret) override {
    const auto found = accessibleCarets.find(wnd);
    if (found == accessibleCarets.end()) return false;
    caret = found->second;
    return true;
  }
  WindowRef FindTopLevel(const wchar_t* className) override {
    const bool open = windows.count(kPreview) != 0;
    return open && std::wstring_view(className) == kCaretPreviewClass ? WindowRef{kPreview} : 0;
  }
  WindowRef FindChild(WindowRef parent, const wchar_t* className) override {
    const bool there = parent == kPreview && windows.count(kMemo) != 0;
    return there && std::wstring_view(className) == kCaretPreviewMemoClass ? WindowRef{kMemo} : 0;
  }
  TWinEventDispatcher* Hook() override { return hook ? &*hook : nullptr; }
  void StartHook() override { hooked = hook.has_value(); }
  void StopHook() override { hooked = false; }
  void ShowMarker() override { shown = true; }
  void SetMarkerOpacity(std::uint8_t value) override { opacity = value; }
  void InvalidateMarker() override { ++paints; }
  void PlaceMarker(const Box& to, MarkerMove how) override {
    bounds = to;
    lastMove = how;
  }
  void RaiseMarker(bool) override {}
  void EnableHideTimer(bool enabled) override {
    hideTimerStarts += enabled ? 1 : 0;
    hideTimer = enabled;
  }
  void EnablePollTimer(bool enabled) override { pollTimer = enabled; }

  // The desktop.
  std::map<WindowRef, FakeWindow> windows;
  std::map<WindowRef, TGuiThreadState> threads;  // by top-level window
  std::map<WindowRef, Box> accessibleCarets;
  WindowRef foreground = kEditor;
  std::optional<TWinEventDispatcher> hook;
  bool hooked = false;

  // The marker window.
  Box bounds;
  MarkerMove lastMove = MarkerMove::Repaint;
  std::uint8_t opacity = 0;
  bool shown = false;
  int paints = 0;

  bool hideTimer = false;
  int hideTimerStarts = 0;
  bool pollTimer = false;

 private:
  NullSource source_;
};

// What the user sees of the marker after a step: where its window stands,
// the caret's column in it, whether it shows and whether it is fading out.
struct Seen {
  Box bounds;
  std::int32_t caretX = 0;
  bool visible = false;
  bool fading = false;
};

struct Step {
  const char* what;
  std::function<void(FakeDesk&, TCaretTracker&)> act;
  Seen seen;
};

// The defaults: bar type 2 (bars from the active window's left edge), bar
// width 2, gaps 0 and 1, triangles 16 high and 14 half wide, opacity 190.
// A caret of height H at screen (x, y) in the editor (left 100, width 800)
// puts the marker at left 100, width 828, top y - 18, height H + 37, with
// the caret in column x - 100.
constexpr std::uint8_t kOpacity = 190;
constexpr Box kCaret{300, 300, 1, 20};
constexpr Seen kOnCaret{{100, 282, 828, 57}, 200, true, false};
constexpr Box kEditBox{200, 250, 300, 120};

class CaretTrackerTest : public ::testing::Test {
 protected:
  CaretTrackerTest() { ResetToDefaults(config_); }

  void Run(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
      step.act(desk_, tracker_);
      const Seen& seen = step.seen;
      EXPECT_EQ(desk_.bounds, seen.bounds)
          << step.what << ": marker at " << desk_.bounds.left << "," << desk_.bounds.top << " "
          << desk_.bounds.width << "x" << desk_.bounds.height;
      EXPECT_EQ(tracker_.Placement().CaretX, seen.caretX) << step.what;
      EXPECT_EQ(desk_.opacity, seen.visible ? kOpacity : 0) << step.what;
      EXPECT_EQ(tracker_.Opacity(), desk_.opacity) << step.what;
      EXPECT_EQ(desk_.hideTimer, seen.fading) << step.what;
    }
  }

  // Tracking the editor's edit control, its caret at kCaret.
  void TrackInEdit() {
    desk_.FocusEdit(kCaret);
    tracker_.SetState(CaretLocatorState::Tracking);
  }

  TConfigRecord config_;
  FakeDesk desk_;
  TCaretTracker tracker_{config_, desk_};
};

TEST_F(CaretTrackerTest, TheMarkerFollowsTheCaretAndFadesAfterItGoes) {
  Run({
      {"tracking starts on a button: the marker waits at the screen corner",
       [](auto&, auto& t) { t.SetState(CaretLocatorState::Tracking); },
       {{100, -19, 828, 37}, -101, true, false}},
      {"focus into the edit control, no accessible caret: its GUI caret stands in",
       [](auto& d, auto& t) {
         d.FocusEdit(kCaret);
         t.OnFocus(kEdit, "Edit", kEditBox);
       },
       kOnCaret},
      {"the caret moves to the next line",
       [](auto& d, auto& t) {
         d.ReportCaret(t, kEdit, {340, 320, 1, 20});
       },
       {{100, 302, 828, 57}, 240, true, false}},
      {"focus into a read-only text box that shows no caret: the marker fades",
       [](auto& d, auto& t) {
         d.FocusButton();
         t.OnFocus(kButton, "Edit", {200, 400, 80, 30});
       },
       {{100, 302, 828, 57}, 240, true, true}},
      {"a poll during the delay finds no caret",
       [](auto&, auto& t) { t.PollTick(); },
       {{100, 302, 828, 57}, 240, true, true}},
  });
  // A hide report within the delay does not restart it.
  const int starts = desk_.hideTimerStarts;
  Run({
      {"the caret's hide report",
       [](auto&, auto& t) { t.OnCaretHide({}); },
       {{100, 302, 828, 57}, 240, true, true}},
  });
  EXPECT_EQ(desk_.hideTimerStarts, starts);
  Run({
      {"250 ms later the marker is gone",
       [](auto& d, auto& t) { d.ElapseHideDelay(t); },
       {{100, 302, 828, 57}, 240, false, false}},
      {"focus back into the edit control",
       [](auto& d, auto& t) {
         d.FocusEdit({340, 320, 1, 20});
         t.OnFocus(kEdit, "Edit", kEditBox);
       },
       {{100, 302, 828, 57}, 240, true, false}},
  });
}

TEST_F(CaretTrackerTest, ACaretBeforeTheDelayEndsKeepsTheMarker) {
  TrackInEdit();
  Run({
      {"the caret is hidden",
       [](auto&, auto& t) { t.OnCaretHide({}); },
       {kOnCaret.bounds, 200, true, true}},
      {"it shows again further on",
       [](auto& d, auto& t) {
         d.MoveCaret({360, 300, 1, 20});
         d.ReportCaret(t, kEdit, {360, 300, 1, 20});
       },
       {kOnCaret.bounds, 260, true, false}},
      {"a tick of the stopped timer that was already queued",
       [](auto&, auto& t) { t.HideTimerFired(); },
       {kOnCaret.bounds, 260, true, false}},
      {"the poll sees the same caret",
       [](auto&, auto& t) { t.PollTick(); },
       {kOnCaret.bounds, 260, true, false}},
      // Reports come late: the poll placed the caret before the hide report.
      {"a late hide report for a caret still shown",
       [](auto&, auto& t) { t.OnCaretHide({}); },
       {kOnCaret.bounds, 260, true, true}},
      {"the next poll places it again",
       [](auto&, auto& t) { t.PollTick(); },
       {kOnCaret.bounds, 260, true, false}},
  });
}

TEST_F(CaretTrackerTest, ACaretOutsideTheVisibleClientAreaIsNotMarked) {
  TrackInEdit();
  Run({
      {"half scrolled out at the top: still marked",
       [](auto& d, auto& t) {
         d.ReportCaret(t, kEdit, {300, 240, 1, 20});
       },
       {{100, 222, 828, 57}, 200, true, false}},
      {"scrolled out above: hidden at once, where it was",
       [](auto& d, auto& t) {
         d.ReportCaret(t, kEdit, {300, 220, 1, 20});
       },
       {{100, 222, 828, 57}, 200, false, false}},
      {"the poll sees it out of view too",
       [](auto& d, auto& t) {
         d.MoveCaret({300, 220, 1, 20});
         t.PollTick();
       },
       {{100, 222, 828, 57}, 200, false, false}},
      {"scrolled back", [](auto& d, auto& t) { d.ReportCaret(t, kEdit, kCaret); }, kOnCaret},
      {"in the edit's client area but cut off by its parent's",
       [](auto& d, auto& t) {
         d.windows[kEditor].client.top = 330;
         d.ReportCaret(t, kEdit, {300, 305, 1, 20});
       },
       {kOnCaret.bounds, 200, false, false}},
      {"a caret of no known window is marked wherever it is",
       [](auto& d, auto& t) {
         d.ReportCaret(t, 0, {300, 305, 1, 20});
       },
       {{100, 287, 828, 57}, 200, true, false}},
  });
}

// Wine and some applications raise no move or foreground events: the poll
// finds them.
TEST_F(CaretTrackerTest, ThePollFollowsTheForegroundWindowAndItsCaret) {
  TrackInEdit();
  Run({
      {"first tick: the caret is placed again, where it is", [](auto&, auto& t) { t.PollTick(); },
       kOnCaret},
      {"the editor moves with its caret",
       [](auto& d, auto& t) {
         d.Move(kEditor, 200, 40);
         t.PollTick();
       },
       {{300, 322, 828, 57}, 200, true, false}},
      {"it moves again while its caret is hidden: the drawing moves with it",
       [](auto& d, auto& t) {
         d.HideCaret();
         d.Move(kEditor, 0, 60);
         t.PollTick();
       },
       {{300, 382, 828, 57}, 200, true, false}},
  });
  EXPECT_EQ(desk_.lastMove, MarkerMove::Carry);
  Run({
      {"another application comes to the front with its caret",
       [](auto& d, auto& t) {
         d.foreground = kOther;
         t.PollTick();
       },
       // Left 640, width 500 + 28; its caret is 16 high, at 610.
       {{640, 592, 528, 53}, 120, true, false}},
      {"the editor comes back with the focus on its button: the marker fades",
       [](auto& d, auto& t) {
         d.FocusButton();
         d.foreground = kEditor;
         t.PollTick();
       },
       {{300, 592, 828, 53}, 120, true, true}},
      {"no foreground window for a moment: nothing changes",
       [](auto& d, auto& t) {
         d.foreground = 0;
         t.PollTick();
       },
       {{300, 592, 828, 53}, 120, true, true}},
      {"250 ms later",
       [](auto& d, auto& t) { d.ElapseHideDelay(t); },
       {{300, 592, 828, 53}, 120, false, false}},
      {"the editor moves while the marker is faded: nothing is carried",
       [](auto& d, auto& t) {
         d.foreground = kEditor;
         d.Move(kEditor, 0, 30);
         t.PollTick();
       },
       {{300, 592, 828, 53}, 120, false, false}},
  });
}

TEST_F(CaretTrackerTest, APollSwitchPointsTheHookAtTheNewWindow) {
  TrackInEdit();
  EXPECT_EQ(desk_.hook->ForegroundWnd, kEditor);
  EXPECT_EQ(desk_.hook->CaretWnd, kEdit);
  desk_.foreground = kOther;
  tracker_.PollTick();
  // Its move reports are heard from now on.
  EXPECT_EQ(desk_.hook->ForegroundWnd, kOther);
  EXPECT_EQ(desk_.hook->CaretWnd, kOtherEdit);
}

TEST_F(CaretTrackerTest, HookReportsOfMovesScrollsAndTheForeground) {
  TrackInEdit();
  Run({{"the editor moves down: the drawing moves with it, on top",
        [](auto& d, auto& t) {
          d.Move(kEditor, 0, 50);
          t.OnWindowMove(kEditor, kEdit);
        },
        {{100, 332, 828, 57}, 200, true, false}}});
  EXPECT_EQ(desk_.lastMove, MarkerMove::CarryOnTop);
  Run({
      {"a window other than the active one moves: nothing",
       [](auto& d, auto& t) {
         d.Move(kOther, 0, 50);
         t.OnWindowMove(kOther, kOtherEdit);
       },
       {{100, 332, 828, 57}, 200, true, false}},
      {"a scroll: the foreground's caret is looked up",
       [](auto& d, auto& t) {
         d.MoveCaret({300, 330, 1, 20});
         t.OnScroll(kEdit, true);
       },
       {{100, 312, 828, 57}, 200, true, false}},
      {"a scroll where no caret is: the marker fades",
       [](auto& d, auto& t) {
         d.FocusButton();
         t.OnScroll(kEditor, false);
       },
       {{100, 312, 828, 57}, 200, true, true}},
      {"250 ms later",
       [](auto& d, auto& t) { d.ElapseHideDelay(t); },
       {{100, 312, 828, 57}, 200, false, false}},
      {"the editor moves while the marker is faded: only noted",
       [](auto& d, auto& t) {
         d.Move(kEditor, 100, 50);
         t.OnWindowMove(kEditor, kEdit);
       },
       {{100, 312, 828, 57}, 200, false, false}},
      {"focus back into the edit: the bars start at the moved editor",
       [](auto& d, auto& t) {
         d.FocusEdit({400, 400, 1, 20});
         t.OnFocus(kEdit, "Edit", {300, 350, 300, 120});
       },
       {{200, 382, 828, 57}, 200, true, false}},
      {"focus into the other application without a foreground report",
       [](auto&, auto& t) {
         t.OnFocus(kOtherEdit, "Edit", {700, 650, 300, 120});
       },
       // Its caret moved down with it to 660.
       {{640, 642, 528, 53}, 120, true, false}},
      {"the editor to the front: the bars are laid out over it",
       [](auto&, auto& t) {
         t.OnForeground(kEditor, "Notepad", {200, 180, 800, 600});
       },
       {{200, 642, 828, 53}, 120, true, true}},
  });
  // Moves of the window that holds the focus are heard.
  EXPECT_EQ(desk_.hook->ForegroundWnd, kOther);
}

TEST_F(CaretTrackerTest, ConfigurationModeStopsTrackingAndItsEndResumesIt) {
  TrackInEdit();
  ASSERT_TRUE(desk_.hooked);
  ASSERT_TRUE(desk_.pollTimer);
  ASSERT_EQ(desk_.hook->Handlers(), &tracker_);
  Run({
      {"configuration mode",
       [](auto&, auto& t) { t.SetState(CaretLocatorState::Preview); },
       {kOnCaret.bounds, 200, false, false}},
      {"the user types; a poll tick queued before the stop arrives",
       [](auto& d, auto& t) {
         d.MoveCaret({340, 320, 1, 20});
         t.PollTick();
       },
       {kOnCaret.bounds, 200, false, false}},
  });
  EXPECT_FALSE(desk_.hooked);
  EXPECT_FALSE(desk_.pollTimer);
  EXPECT_EQ(desk_.hook->Handlers(), nullptr);
  EXPECT_FALSE(tracker_.Tracking());

  Run({{"configuration mode ends",
        [](auto&, auto& t) { t.SetState(CaretLocatorState::Tracking); },
        {{100, 302, 828, 57}, 240, true, false}}});
  EXPECT_TRUE(desk_.hooked);
  EXPECT_TRUE(desk_.pollTimer);
  EXPECT_EQ(desk_.hook->Handlers(), &tracker_);
  EXPECT_TRUE(desk_.shown);
}

TEST_F(CaretTrackerTest, WithoutTheHookNothingIsTracked) {
  desk_.hook.reset();
  TrackInEdit();
  EXPECT_FALSE(tracker_.Tracking());
  EXPECT_FALSE(desk_.pollTimer);
  EXPECT_TRUE(desk_.shown);
  EXPECT_EQ(desk_.opacity, 0);
  tracker_.PollTick();
  EXPECT_EQ(desk_.bounds, Box{});
}

TEST_F(CaretTrackerTest, AFocusedControlIsMarkedByItsOwnCaretOnly) {
  desk_.accessibleCarets[kEdit] = {320, 260, 2, 18};
  TrackInEdit();
  // The accessible caret, not the GUI caret at 300, 300.
  EXPECT_EQ(desk_.bounds, (Box{100, 242, 828, 55}));
  EXPECT_EQ(tracker_.Placement().CaretX, 220);
  EXPECT_FALSE(desk_.hideTimer);
  // The thread's caret still belongs to the edit control: the button is not
  // marked with it.
  tracker_.OnFocus(kButton, "Edit", {200, 400, 80, 30});
  EXPECT_EQ(desk_.bounds, (Box{100, 242, 828, 55}));
  EXPECT_TRUE(desk_.hideTimer);
}

// Where layered windows show without their alpha (Wine without a
// compositor) the paint leaves a faded marker out: every change of opacity
// needs one.
TEST_F(CaretTrackerTest, OpacityChangesRepaintTheMarker) {
  TrackInEdit();
  tracker_.OnCaretHide({});
  int paints = desk_.paints;
  desk_.ElapseHideDelay(tracker_);
  EXPECT_EQ(desk_.opacity, 0);
  EXPECT_GT(desk_.paints, paints);
  // A record adopted with a new opacity.
  paints = desk_.paints;
  tracker_.SetOpacity(100);
  EXPECT_EQ(desk_.opacity, 100);
  EXPECT_GT(desk_.paints, paints);
}

TEST_F(CaretTrackerTest, ThePreviewMarksTheSampleCaret) {
  desk_.hook.reset();  // the preview needs no hook
  tracker_.SetState(CaretLocatorState::Preview);
  Run({
      {"the preview window is not open: nothing is drawn",
       [](auto&, auto& t) {
         t.PreviewAt({320, 259});
       },
       {{}, 0, false, false}},
      {"the sample caret 50, 19 into the text box",
       [](auto& d, auto& t) {
         d.OpenPreview();
         t.PreviewAt({320, 259});
       },
       // Left 240, width 520 + 28; the sample caret is 16 high.
       {{240, 241, 548, 53}, 80, true, false}},
      {"bar type 6: the bars span the text box",
       [this](auto&, auto& t) {
         config_.caretBarType = 6;
         t.PreviewAt({440, 259});
       },
       {{256, 241, 428, 53}, 184, true, false}},
      {"the text box is gone: nothing is drawn anew",
       [](auto& d, auto& t) {
         d.windows.erase(kMemo);
         t.PreviewAt({470, 300});
       },
       {{256, 241, 428, 53}, 184, true, false}},
  });
}

TEST_F(CaretTrackerTest, TheBarTypeStepLaysTheBarsOutAgain) {
  TrackInEdit();
  tracker_.NextBarType();
  EXPECT_EQ(config_.caretBarType, 3);
  // From the edit zone's left edge: left 200 - 14, width 300 + 28.
  EXPECT_EQ(desk_.bounds, (Box{186, 282, 328, 57}));
  EXPECT_EQ(tracker_.Placement().BarEnd, 114) << "bar type 3 ends at the caret";
  config_.caretBarType = 6;
  tracker_.NextBarType();
  EXPECT_EQ(config_.caretBarType, 0);
  EXPECT_EQ(tracker_.Placement().BarEnd, 0) << "bar type 0 has no bars";
}

TEST_F(CaretTrackerTest, AHandMadeRecordKeepsTheWindowBufferable) {
  config_.caretBarType = 4;  // the screen's width
  config_.caretBarWidth = 40000;
  TrackInEdit();
  EXPECT_EQ(desk_.bounds.width, 1280);
  EXPECT_EQ(desk_.bounds.height, kMaxMarkerExtent);
  config_.caretBarWidth = -40000;
  desk_.ReportCaret(tracker_, kEdit, kCaret);
  EXPECT_EQ(desk_.bounds.height, 0);
}

TEST_F(CaretTrackerTest, DetachingLeavesTheHookWithoutOurHandlers) {
  TrackInEdit();
  tracker_.Detach();
  EXPECT_EQ(desk_.hook->Handlers(), nullptr);
  EXPECT_FALSE(desk_.hooked);
  EXPECT_FALSE(tracker_.Tracking());
  // Handlers someone else installed stay.
  TrackInEdit();
  TCaretTracker other(config_, desk_);
  other.Detach();
  EXPECT_EQ(desk_.hook->Handlers(), &tracker_);
  EXPECT_TRUE(desk_.hooked);
}

// Every application's caret, focus and scroll events and ten polls a second
// pass here.
TEST_F(CaretTrackerTest, EventsAndPollsAllocateNothing) {
  TrackInEdit();
  const long before = test::AllocationCount();
  for (int i = 0; i < 100; ++i) {
    desk_.ReportCaret(tracker_, kEdit, {300 + i, 300, 1, 20});
    tracker_.OnCaretHide({});
    tracker_.OnFocus(kEdit, "Edit", kEditBox);
    tracker_.OnScroll(kEdit, true);
    tracker_.OnWindowMove(kEditor, kEdit);
    tracker_.OnForeground(kEditor, "Notepad", {100, 80, 800, 600});
    desk_.MoveCaret({300 + i, 320, 1, 20});
    tracker_.PollTick();
    desk_.ElapseHideDelay(tracker_);
  }
  EXPECT_EQ(test::AllocationCount() - before, 0);
  EXPECT_EQ(desk_.bounds, (Box{100, 302, 828, 57}));
}

}  // namespace
}  // namespace vxl
