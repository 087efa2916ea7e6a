#include "service/uclWinEvent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "AllocationCount.h"
#include "service/uformCaretLoc.h"

namespace vxl {
namespace {

using Log = std::vector<std::string>;

std::string Text(const Box& b) {
  return std::to_string(b.left) + "," + std::to_string(b.top) + "," + std::to_string(b.width) +
         "," + std::to_string(b.height);
}

// The windows of a small desktop as the accessibility calls see them.
struct FakeWindow {
  std::string className;
  std::optional<std::int32_t> role;  // empty: not an integer
  std::optional<Box> location;       // empty: accLocation writes nothing
  bool accessible = true;            // AccessibleObjectFromEvent succeeds
  Rect rect{};
};

enum : WindowRef {
  kEdit = 1,
  kButton,
  kWordDocument,
  kMainWindow,
  kToolTip,
  kScrollBar,
  kSilentEdit,
  kOddRole,
  kUnplaced,
  kOtherPopup,
};

class FakeSource : public IAccessibilitySource {
 public:
  std::map<WindowRef, FakeWindow> windows = {
      {kEdit, {"Edit", kRoleSystemText, Box{110, 220, 300, 100}}},
      {kButton, {"Button", 43, Box{110, 400, 80, 24}}},
      {kWordDocument, {"_WwG", 10, Box{0, 50, 800, 600}}},
      {kMainWindow, {"TMainForm", 9, Box{100, 200, 640, 480}}},
      {kToolTip, {"tooltips_class32", 13, Box{}, true, Rect{300, 0, 400, 20}}},
      {kScrollBar, {"ScrollBar", kRoleSystemScrollBar, Box{}}},
      {kSilentEdit, {"Edit", kRoleSystemText, Box{}, false}},
      {kOddRole, {"Custom", std::nullopt, Box{}}},
      {kUnplaced, {"Edit", kRoleSystemText, std::nullopt}},
      {kOtherPopup, {"#32770", 18, Box{}, true, Rect{300, 0, 400, 20}}},
  };
  std::vector<std::string> moves;
  // Runs inside the accessibility call, as a nested event would.
  std::function<void()> duringCall;

  bool ObjectFromEvent(WindowRef wnd, std::int32_t, std::int32_t) override {
    if (duringCall) duringCall();
    held_ = windows.count(wnd) ? &windows.at(wnd) : nullptr;
    return held_ && held_->accessible;
  }
  void Location(Box& box) override {
    if (held_ && held_->location) box = *held_->location;
  }
  bool Role(std::int32_t& role) override {
    if (!held_ || !held_->role) return false;
    role = *held_->role;
    return true;
  }
  void WindowClass(WindowRef wnd, TClassName& name) override {
    const auto found = windows.find(wnd);
    name.Assign(found != windows.end() ? std::string_view(found->second.className)
                                       : std::string_view());
  }
  bool WindowRect(WindowRef wnd, Rect& rect) override {
    if (!windows.count(wnd)) return false;
    rect = windows.at(wnd).rect;
    return true;
  }
  void MoveTopmost(WindowRef wnd, Point at) override {
    moves.push_back(std::to_string(wnd) + " to " + std::to_string(at.x) + "," +
                    std::to_string(at.y));
    Rect& r = windows.at(wnd).rect;
    r = {at.x, at.y, at.x + r.Width(), at.y + r.Height()};
  }

 private:
  FakeWindow* held_ = nullptr;
};

class RecordingHandlers : public IWinEventHandlers {
 public:
  Log calls;
  void OnCaretHide(const Box& b) override { calls.push_back("CaretHide " + Text(b)); }
  void OnCaretMove(const Box& b) override { calls.push_back("CaretMove " + Text(b)); }
  void OnWindowMove(WindowRef wnd, WindowRef caretWnd) override {
    calls.push_back("WindowMove " + std::to_string(wnd) + " " + std::to_string(caretWnd));
  }
  void OnFocus(WindowRef wnd, std::string_view name, const Box& b) override {
    calls.push_back("Focus " + std::to_string(wnd) + " " + std::string(name) + " " + Text(b));
  }
  void OnForeground(WindowRef wnd, std::string_view name, const Box& b) override {
    calls.push_back("Foreground " + std::to_string(wnd) + " " + std::string(name) + " " + Text(b));
  }
  void OnScroll(WindowRef wnd, bool ended) override {
    calls.push_back("Scroll " + std::to_string(wnd) + (ended ? " ended" : " going"));
  }
};

TEST(WinEventClassification, MovesAndCaretReportsBecomeTheInternalClasses) {
  struct Case {
    std::uint32_t event;
    std::int32_t object;
    std::uint32_t code;
  };
  const Case cases[] = {
      {kEventSystemMoveSizeEnd, kObjIdWindow, kEventWindowMoved},
      {kEventObjectLocationChange, kObjIdWindow, kEventWindowMoved},
      {kEventSystemMoveSizeEnd, kObjIdCaret, kEventCaretMoved},
      {kEventObjectLocationChange, kObjIdCaret, kEventCaretMoved},
      {kEventObjectShow, kObjIdCaret, kEventCaretMoved},
      {kEventObjectShow, kObjIdWindow, kEventObjectShow},
      {kEventObjectLocationChange, 3, kEventObjectLocationChange},
      {kEventObjectLocationChange, kObjIdClient, kEventObjectLocationChange},
      {kEventObjectFocus, kObjIdCaret, kEventObjectFocus},
      {kEventObjectHide, kObjIdCaret, kEventObjectHide},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClassifyEvent(c.event, c.object), c.code)
        << std::hex << c.event << " object " << std::dec << c.object;
  }
}

struct DispatchCase {
  const char* name;
  std::uint32_t event;
  WindowRef wnd;
  std::int32_t object;
  Log calls;
  WindowRef caretWndAfter;  // CaretWnd starts as 99
};

constexpr WindowRef kEarlierCaret = 99;

TEST(WinEventDispatch, EachEventReachesItsHandler) {
  const DispatchCase cases[] = {
      {"focus on an edit control",
       kEventObjectFocus,
       kEdit,
       kObjIdClient,
       {"Focus 1 Edit 110,220,300,100"},
       0},
      {"focus on a button", kEventObjectFocus, kButton, kObjIdClient, {"CaretHide 0,0,0,0"}, 0},
      {"focus on a word processor document whatever its role",
       kEventObjectFocus,
       kWordDocument,
       kObjIdClient,
       {"Focus 3 _WwG 0,50,800,600"},
       0},
      {"focus on a menu item",
       kEventObjectFocus,
       kMainWindow,
       7,
       {"CaretHide 0,0,0,0"},
       kEarlierCaret},
      {"focus on an object without accessibility",
       kEventObjectFocus,
       kSilentEdit,
       kObjIdClient,
       {},
       0},
      {"focus on an object whose role is no integer",
       kEventObjectFocus,
       kOddRole,
       kObjIdClient,
       {"CaretHide 0,0,0,0"},
       0},
      {"focus on an object that gives no location",
       kEventObjectFocus,
       kUnplaced,
       kObjIdClient,
       {"Focus 9 Edit -1,-1,-1,-1"},
       0},
      {"caret location",
       kEventObjectLocationChange,
       kEdit,
       kObjIdCaret,
       {"CaretMove 110,220,300,100"},
       kEdit},
      {"caret shown", kEventObjectShow, kEdit, kObjIdCaret, {"CaretMove 110,220,300,100"}, kEdit},
      {"text selection",
       kEventObjectTextSelectionChanged,
       kEdit,
       kObjIdClient,
       {"CaretMove 110,220,300,100"},
       kEdit},
      {"IAccessible2 caret",
       kEventIa2TextCaretMoved,
       kEdit,
       kObjIdClient,
       {"CaretMove 110,220,300,100"},
       kEdit},
      {"caret of an inaccessible window",
       kEventObjectLocationChange,
       kSilentEdit,
       kObjIdCaret,
       {},
       kSilentEdit},
      {"caret without a location",
       kEventObjectLocationChange,
       kUnplaced,
       kObjIdCaret,
       {"CaretMove -1,-1,-1,-1"},
       kUnplaced},
      {"location of a child object", kEventObjectLocationChange, kEdit, 3, {}, kEarlierCaret},
      {"caret hidden", kEventObjectHide, kEdit, kObjIdCaret, {"CaretHide 0,0,0,0"}, 0},
      {"window hidden", kEventObjectHide, kEdit, kObjIdWindow, {}, kEarlierCaret},
      {"tracked window moved",
       kEventSystemMoveSizeEnd,
       kMainWindow,
       kObjIdWindow,
       {"WindowMove 4 99"},
       kEarlierCaret},
      {"tracked window relocated",
       kEventObjectLocationChange,
       kMainWindow,
       kObjIdWindow,
       {"WindowMove 4 99"},
       kEarlierCaret},
      {"another window moved", kEventObjectLocationChange, kEdit, kObjIdWindow, {}, kEarlierCaret},
      {"scrolling ended",
       kEventSystemScrollingEnd,
       kEdit,
       kObjIdClient,
       {"Scroll 1 ended"},
       kEarlierCaret},
      {"content scrolled",
       kEventObjectContentScrolled,
       kEdit,
       kObjIdClient,
       {"Scroll 1 ended"},
       kEarlierCaret},
      {"vertical scroll bar value",
       kEventObjectValueChange,
       kEdit,
       kObjIdVScroll,
       {"Scroll 1 going"},
       kEarlierCaret},
      {"horizontal scroll bar value",
       kEventObjectValueChange,
       kEdit,
       kObjIdHScroll,
       {"Scroll 1 going"},
       kEarlierCaret},
      {"scroll bar control value",
       kEventObjectValueChange,
       kScrollBar,
       kObjIdClient,
       {"Scroll 6 going"},
       kEarlierCaret},
      {"edit value", kEventObjectValueChange, kEdit, kObjIdClient, {}, kEarlierCaret},
      {"foreground",
       kEventSystemForeground,
       kMainWindow,
       kObjIdWindow,
       {"Foreground 4 TMainForm 100,200,640,480"},
       kEarlierCaret},
      {"dialog start",
       kEventSystemDialogStart,
       kMainWindow,
       kObjIdWindow,
       {"Foreground 4 TMainForm 100,200,640,480"},
       kEarlierCaret},
      {"created", kEventObjectCreate, kEdit, kObjIdCaret, {}, kEarlierCaret},
      {"destroyed", kEventObjectDestroy, kEdit, kObjIdCaret, {}, kEarlierCaret},
      {"the mouse cursor", kEventObjectLocationChange, kEdit, kObjIdCursor, {}, kEarlierCaret},
      {"an event nobody handles", 0x8006, kEdit, kObjIdClient, {}, kEarlierCaret},
  };
  for (const auto& c : cases) {
    FakeSource source;
    RecordingHandlers handlers;
    TWinEventDispatcher events(source);
    events.SetHandlers(&handlers);
    events.ForegroundWnd = kMainWindow;
    events.CaretWnd = kEarlierCaret;
    events.HandleEvent(c.event, c.wnd, c.object, kChildIdSelf);
    EXPECT_EQ(handlers.calls, c.calls) << c.name;
    EXPECT_EQ(events.CaretWnd, c.caretWndAfter) << c.name;
    EXPECT_TRUE(source.moves.empty()) << c.name;
  }
}

TEST(WinEventDispatch, EmptySlotsAreNeverCalledButTheWindowsAreStillFollowed) {
  FakeSource source;
  TWinEventDispatcher events(source);
  events.ForegroundWnd = kMainWindow;
  events.CaretWnd = kEarlierCaret;
  // With no handlers every event passes silently: nothing to crash on.
  for (std::uint32_t event : {kEventObjectFocus, kEventObjectHide, kEventObjectValueChange,
                              kEventSystemScrollingEnd, kEventSystemMoveSizeEnd}) {
    events.HandleEvent(event, kMainWindow, kObjIdClient, kChildIdSelf);
  }
  events.HandleEvent(kEventObjectLocationChange, kEdit, kObjIdCaret, kChildIdSelf);
  EXPECT_EQ(events.CaretWnd, kEdit);
  events.HandleEvent(kEventSystemForeground, kWordDocument, kObjIdWindow, kChildIdSelf);
  EXPECT_EQ(events.ForegroundWnd, kWordDocument);
  EXPECT_EQ(events.ForegroundClass.View(), "_WwG");
}

TEST(WinEventDispatch, AfterTheCaretHidesTheForegroundWindowsMoveTakesTheTooltipPath) {
  FakeSource source;
  RecordingHandlers handlers;
  TWinEventDispatcher events(source);
  events.SetHandlers(&handlers);
  events.ToolTipsMinTop = true;
  events.HandleEvent(kEventSystemForeground, kToolTip, kObjIdWindow, kChildIdSelf);
  events.HandleEvent(kEventObjectLocationChange, kEdit, kObjIdCaret, kChildIdSelf);
  events.HandleEvent(kEventObjectLocationChange, kToolTip, kObjIdWindow, kChildIdSelf);
  EXPECT_TRUE(source.moves.empty()) << "the tracked window with a caret is reported, not moved";
  events.HandleEvent(kEventObjectHide, kEdit, kObjIdCaret, kChildIdSelf);
  events.HandleEvent(kEventObjectLocationChange, kToolTip, kObjIdWindow, kChildIdSelf);
  EXPECT_EQ(source.moves, (Log{"5 to 300,47"}));
  EXPECT_EQ(handlers.calls.back(), "CaretHide 0,0,0,0");
  EXPECT_EQ(std::count(handlers.calls.begin(), handlers.calls.end(), "WindowMove 5 1"), 1);
}

TEST(WinEventDispatch, AnEventDuringAnotherIsLost) {
  FakeSource source;
  RecordingHandlers handlers;
  TWinEventDispatcher events(source);
  events.SetHandlers(&handlers);
  int nested = 0;
  source.duringCall = [&] {
    if (nested++ == 0) events.HandleEvent(kEventObjectFocus, kButton, kObjIdClient, kChildIdSelf);
  };
  events.HandleEvent(kEventObjectLocationChange, kEdit, kObjIdCaret, kChildIdSelf);
  EXPECT_EQ(handlers.calls, (Log{"CaretMove 110,220,300,100"}));
  // Once the first is done the next one is heard again.
  events.HandleEvent(kEventObjectFocus, kButton, kObjIdClient, kChildIdSelf);
  EXPECT_EQ(handlers.calls.back(), "CaretHide 0,0,0,0");
}

// The handlers of the caret locator: they place the marker and keep nothing.
class PlacingHandlers : public IWinEventHandlers {
 public:
  PlacingHandlers() {
    ResetToDefaults(config);
    LayoutBars(config, {kMainWindow, 100, 80, 800, 600}, {kEdit, 200, 250, 300, 120}, 1280,
               placement);
  }
  void OnCaretHide(const Box&) override { ++hides; }
  void OnCaretMove(const Box& box) override { PlaceCaret(config, box, placement); }
  void OnWindowMove(WindowRef, WindowRef) override {}
  void OnFocus(WindowRef, std::string_view, const Box& box) override {
    PlaceCaret(config, box, placement);
  }
  void OnForeground(WindowRef, std::string_view, const Box&) override {}
  void OnScroll(WindowRef, bool) override {}
  TConfigRecord config;
  CaretPlacement placement;
  int hides = 0;
};

TEST(WinEventDispatch, CaretAndFocusEventsAllocateNothing) {
  FakeSource source;
  PlacingHandlers handlers;
  TWinEventDispatcher events(source);
  events.SetHandlers(&handlers);
  events.ToolTipsMinTop = true;
  // Below the strip: the rule runs in full but the fake records no move.
  source.windows.at(kToolTip).rect = {300, 100, 400, 120};
  const long before = test::AllocationCount();
  for (int i = 0; i < 100; ++i) {
    events.HandleEvent(kEventObjectLocationChange, kEdit, kObjIdCaret, kChildIdSelf);
    events.HandleEvent(kEventObjectShow, kEdit, kObjIdCaret, kChildIdSelf);
    events.HandleEvent(kEventObjectFocus, kEdit, kObjIdClient, kChildIdSelf);
    events.HandleEvent(kEventObjectFocus, kButton, kObjIdClient, kChildIdSelf);
    events.HandleEvent(kEventObjectHide, kEdit, kObjIdCaret, kChildIdSelf);
    events.HandleEvent(kEventSystemForeground, kMainWindow, kObjIdWindow, kChildIdSelf);
    events.HandleEvent(kEventObjectLocationChange, kToolTip, kObjIdWindow, kChildIdSelf);
  }
  EXPECT_EQ(test::AllocationCount() - before, 0);
  EXPECT_EQ(handlers.placement.CaretX, 110 - 100);
  EXPECT_EQ(handlers.hides, 200);
}

TEST(ToolTipRule, OnlyTooltipsAboveTheStripEdgeArePushedDown) {
  struct Case {
    WindowRef wnd;
    std::int32_t top;
    bool toolTipsMinTop;
    Log moves;
  };
  const Case cases[] = {
      {kToolTip, 0, true, {"5 to 300,47"}},
      {kToolTip, 46, true, {"5 to 300,47"}},
      {kToolTip, -30, true, {"5 to 300,47"}},
      {kToolTip, 47, true, {}},
      {kToolTip, 300, true, {}},
      {kOtherPopup, 0, true, {}},
      {kToolTip, 0, false, {}},
  };
  for (const auto& c : cases) {
    FakeSource source;
    Rect& rect = source.windows.at(c.wnd).rect;
    rect = {300, c.top, 400, c.top + 20};
    TWinEventDispatcher events(source);
    events.ToolTipsMinTop = c.toolTipsMinTop;
    events.HandleEvent(kEventObjectLocationChange, c.wnd, kObjIdWindow, kChildIdSelf);
    EXPECT_EQ(source.moves, c.moves) << "top " << c.top;
    if (!c.moves.empty()) {
      EXPECT_EQ(rect, (Rect{300, 47, 400, 67})) << "left edge and size are kept";
    }
  }
}

}  // namespace
}  // namespace vxl
