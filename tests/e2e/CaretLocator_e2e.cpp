// The caret locator as a user and the configuration program see it: the
// marker drawn on the preview window's sample caret, and the marker following
// the caret of another application's edit control and fading out when the
// focus leaves text.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "E2eHarness.h"
#include "common/ConfigRecord.h"
#include "common/ServiceProtocol.h"
#include "service/uformCaretLoc.h"
#include "service/uformMain.h"

namespace {

constexpr const wchar_t* kCaretClass = L"TVXLCaretLocWnd";
constexpr COLORREF kPreviewColour = RGB(90, 90, 160);
constexpr COLORREF kMemoColour = RGB(250, 250, 250);

RECT WindowRectOf(HWND wnd) {
  RECT r{};
  ::GetWindowRect(wnd, &r);
  return r;
}

vxl::TWndInfo InfoOf(HWND wnd) {
  const RECT r = WindowRectOf(wnd);
  return {reinterpret_cast<vxl::WindowRef>(wnd), r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// Where the marker must stand for this caret, by the service's own geometry.
vxl::CaretPlacement Expected(const vxl::TConfigRecord& record, HWND active, HWND edit,
                             const vxl::Box& caret) {
  vxl::CaretPlacement placement;
  vxl::LayoutBars(record, InfoOf(active), InfoOf(edit), ::GetSystemMetrics(SM_CXSCREEN), placement);
  vxl::PlaceCaret(record, caret, placement);
  return placement;
}

bool StandsAt(HWND wnd, const vxl::CaretPlacement& p) {
  const RECT r = WindowRectOf(wnd);
  return r.left == p.windowLeft && r.top == p.windowTop && r.right - r.left == p.windowWidth &&
         r.bottom - r.top == p.clientHeight;
}

std::string Describe(HWND wnd, const vxl::CaretPlacement& p) {
  const RECT r = WindowRectOf(wnd);
  return "window at " + std::to_string(r.left) + "," + std::to_string(r.top) + " size " +
         std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + ", expected " +
         std::to_string(p.windowLeft) + "," + std::to_string(p.windowTop) + " size " +
         std::to_string(p.windowWidth) + "x" + std::to_string(p.clientHeight);
}

// Screen points inside the marker's shapes.
POINT Inside(const vxl::CaretPlacement& p, const std::array<vxl::Point, 3>& triangle) {
  return {p.windowLeft + (triangle[0].x + triangle[1].x + triangle[2].x) / 3,
          p.windowTop + (triangle[0].y + triangle[1].y + triangle[2].y) / 3};
}
POINT Inside(const vxl::CaretPlacement& p, const std::array<vxl::Point, 4>& bar) {
  return {p.windowLeft + (bar[0].x + bar[1].x) / 2, p.windowTop + bar[0].y};
}

LRESULT CALLBACK PlainProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcW(wnd, message, wParam, lParam);
}

void RegisterPlainClass(const wchar_t* name, COLORREF colour) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &PlainProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hbrBackground = ::CreateSolidBrush(colour);
  wc.lpszClassName = name;
  ::RegisterClassW(&wc);
}

class CaretLocator : public ::testing::Test {
 protected:
  CaretLocator() { vxl::ResetToDefaults(record_); }
  ~CaretLocator() override {
    if (window_) ::DestroyWindow(window_);
  }

  void StartService() { ASSERT_TRUE(service_.Start()) << "no service main window"; }

  void SendRecord() { ASSERT_TRUE(service_.SendRecord(record_)); }

  HWND CaretWindow(DWORD timeoutMs = e2e::kDefaultTimeoutMs) {
    return e2e::WaitForWindow(kCaretClass, service_.Id(), timeoutMs);
  }

  void ExpectPixel(POINT at, COLORREF expected, const char* what) {
    e2e::WaitUntil([&] { return e2e::ScreenPixel(at.x, at.y) == expected; }, 1500);
    const COLORREF seen = e2e::ScreenPixel(at.x, at.y);
    EXPECT_EQ(seen, expected) << what << " at (" << at.x << ", " << at.y << "): saw "
                              << e2e::ColourText(seen) << ", expected "
                              << e2e::ColourText(expected);
  }

  // Waits for the pixel to lose the colour: whatever lies beneath shows.
  void ExpectCleared(POINT at, COLORREF marker, const char* what) {
    e2e::WaitUntil([&] { return e2e::ScreenPixel(at.x, at.y) != marker; }, 1500);
    EXPECT_NE(e2e::ScreenPixel(at.x, at.y), marker)
        << what << " at (" << at.x << ", " << at.y << ") still shows " << e2e::ColourText(marker);
  }

  e2e::Backdrop backdrop_;
  e2e::ServiceUnderTest service_;
  HWND window_ = nullptr;
  vxl::TConfigRecord record_;
};

// --- the configuration program's preview ------------------------------------

class CaretPreview : public CaretLocator {
 protected:
  void SetUp() override {
    RegisterPlainClass(vxl::kCaretPreviewClass, kPreviewColour);
    RegisterPlainClass(vxl::kCaretPreviewMemoClass, kMemoColour);
    window_ =
        ::CreateWindowExW(0, vxl::kCaretPreviewClass, L"Preview", WS_POPUP | WS_VISIBLE, 240, 200,
                          520, 300, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    memo_ = ::CreateWindowExW(0, vxl::kCaretPreviewMemoClass, L"", WS_CHILD | WS_VISIBLE, 30, 40,
                              400, 160, window_, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(memo_, nullptr);
    e2e::PumpMessages(200);
    StartService();
    // The preview belongs to the configuration program, which puts the
    // service into configuration mode first.
    ASSERT_EQ(e2e::Send(service_.Main(), vxl::WM_VXL_SETMODE, vxl::SetMode::Configuration,
                        reinterpret_cast<LPARAM>(window_)),
              1);
  }

  // The sample caret the configuration program asks for.
  POINT SampleCaret(int dx = 0) const {
    const RECT memo = WindowRectOf(memo_);
    return {memo.left + 50 + dx, memo.top + 19};
  }

  std::optional<LRESULT> PreviewAt(POINT at) {
    return e2e::Send(service_.Main(), vxl::WM_VXL_PREVIEW, vxl::Preview::CaretPosition,
                     vxl::PackPreviewPosition(at.x, at.y));
  }

  HWND memo_ = nullptr;
};

TEST_F(CaretPreview, APositionWithoutACaretWindowAnswersZero) {
  EXPECT_EQ(PreviewAt(SampleCaret()), 0);
  EXPECT_EQ(e2e::TopLevelWindows(kCaretClass, service_.Id()).size(), 0u);
  // Any other lParam of the opening message opens nothing either.
  EXPECT_EQ(
      e2e::Send(service_.Main(), vxl::WM_VXL_PREVIEW, vxl::Preview::Caret, vxl::Preview::kHide), 1);
  EXPECT_EQ(PreviewAt(SampleCaret()), 0);
}

TEST_F(CaretPreview, TheMarkerStandsOnTheSampleCaretInTheRecordsColours) {
  record_.caretOpacity = 255;  // exact colours on screen
  SendRecord();
  ASSERT_EQ(
      e2e::Send(service_.Main(), vxl::WM_VXL_PREVIEW, vxl::Preview::Caret, vxl::Preview::kShow), 1);
  HWND caret = CaretWindow();
  ASSERT_NE(caret, nullptr) << "the preview opened no caret window";
  EXPECT_TRUE(::IsWindowVisible(caret));
  const LONG_PTR exStyle = ::GetWindowLongPtrW(caret, GWL_EXSTYLE);
  EXPECT_EQ(exStyle & (WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST),
            WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST);

  const POINT at = SampleCaret();
  ASSERT_EQ(PreviewAt(at), 1);
  const auto p = Expected(record_, window_, memo_, {at.x, at.y, 2, 16});
  ASSERT_TRUE(e2e::WaitUntil([&] { return StandsAt(caret, p); }, 3000)) << Describe(caret, p);
  // Defaults: bar type 2 from the preview window's left edge.
  EXPECT_EQ(p.windowLeft, WindowRectOf(window_).left);
  EXPECT_EQ(p.clientHeight, 16 + 2 * 2 + 0 + 1 + 2 * 16);

  ExpectPixel(Inside(p, p.TopTriangle), record_.caretTriangleColour, "top triangle");
  ExpectPixel(Inside(p, p.BottomTriangle), record_.caretTriangleColour, "bottom triangle");
  ExpectPixel(Inside(p, p.BottomBar), record_.caretBarColour, "bottom bar");
  ExpectPixel(Inside(p, p.TopBar), kMemoColour, "the top bar is off");
  e2e::SaveScreenshot(L"caret_preview_defaults");

  // Other bar settings take effect with the next position.
  record_.caretBarType = 6;
  record_.caretBarTop = true;
  record_.caretBarWidth = 4;
  record_.caretBarColour = RGB(255, 0, 255);
  record_.caretTriangleColour = RGB(0, 200, 0);
  record_.caretTriangleBottom = false;
  SendRecord();
  const POINT moved = SampleCaret(120);
  ASSERT_EQ(PreviewAt(moved), 1);
  const auto q = Expected(record_, window_, memo_, {moved.x, moved.y, 2, 16});
  ASSERT_TRUE(e2e::WaitUntil([&] { return StandsAt(caret, q); }, 3000)) << Describe(caret, q);
  EXPECT_EQ(q.windowLeft, WindowRectOf(memo_).left - 14) << "bar type 6 spans the edit zone";
  ExpectPixel(Inside(q, q.TopTriangle), RGB(0, 200, 0), "top triangle");
  ExpectPixel(Inside(q, q.TopBar), RGB(255, 0, 255), "top bar");
  ExpectPixel(Inside(q, q.BottomBar), RGB(255, 0, 255), "bottom bar");
  ExpectPixel(Inside(q, q.BottomTriangle), kMemoColour, "the bottom triangle is off");
  e2e::SaveScreenshot(L"caret_preview_type6");

  // A new opacity arrives with the record at once.
  record_.caretOpacity = 100;
  SendRecord();
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(caret, &key, &alpha, &flags));
  EXPECT_EQ(key, RGB(18, 52, 86));
  EXPECT_EQ(alpha, 100);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));
}

TEST_F(CaretPreview, WithoutTheTextBoxNothingIsDrawnAnew) {
  record_.caretOpacity = 255;
  SendRecord();
  ASSERT_EQ(
      e2e::Send(service_.Main(), vxl::WM_VXL_PREVIEW, vxl::Preview::Caret, vxl::Preview::kShow), 1);
  HWND caret = CaretWindow();
  ASSERT_NE(caret, nullptr);
  const POINT at = SampleCaret();
  ASSERT_EQ(PreviewAt(at), 1);
  const auto p = Expected(record_, window_, memo_, {at.x, at.y, 2, 16});
  ASSERT_TRUE(e2e::WaitUntil([&] { return StandsAt(caret, p); }, 3000)) << Describe(caret, p);
  ::DestroyWindow(memo_);
  EXPECT_EQ(PreviewAt(SampleCaret(150)), 1);
  e2e::PumpMessages(300);
  EXPECT_TRUE(StandsAt(caret, p)) << Describe(caret, p);
}

// --- tracking another application's caret -----------------------------------

class CaretTracking : public CaretLocator {
 protected:
  void SetUp() override {
    window_ =
        ::CreateWindowExW(0, L"#32770", L"Caret test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 160,
                          600, 360, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    edit_ =
        ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 20,
                          20, 400, 160, window_, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    button_ = ::CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE, 20, 220, 100, 30,
                                window_, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(button_, nullptr);
    ::SetForegroundWindow(window_);
    ::SetFocus(button_);
    e2e::PumpMessages(300);

    record_.caretOnStart = true;
    record_.caretOpacity = 255;
    const auto image = vxl::RecordBytes(record_);
    ASSERT_TRUE(service_.Folder().WriteFile(L"Users\\" + UserName() + L"\\Default.cnf",
                                            {image.begin(), image.end()}));
    StartService();
    caret_ = CaretWindow();
    ASSERT_NE(caret_, nullptr) << "caretOnStart did not switch the caret locator on";
  }

  static std::wstring UserName() {
    wchar_t name[257];
    DWORD size = 257;
    return ::GetUserNameW(name, &size) ? std::wstring(name, size - 1) : std::wstring();
  }

  // The edit control's caret in screen pixels, as its own thread knows it.
  vxl::Box EditCaret() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(::GetCurrentThreadId(), &info);
    POINT corner{info.rcCaret.left, info.rcCaret.top};
    ::ClientToScreen(info.hwndCaret, &corner);
    return {corner.x, corner.y, info.rcCaret.right - info.rcCaret.left,
            info.rcCaret.bottom - info.rcCaret.top};
  }

  // Waits until the marker stands on the caret of the edit control in the
  // active window (by default the fixture's).
  vxl::CaretPlacement ExpectOnCaret(const char* when, HWND active = nullptr, HWND edit = nullptr) {
    if (active == nullptr) active = window_;
    if (edit == nullptr) edit = edit_;
    vxl::CaretPlacement p;
    const bool placed = e2e::WaitUntil(
        [&] {
          p = Expected(record_, active, edit, EditCaret());
          return StandsAt(caret_, p);
        },
        3000);
    EXPECT_TRUE(placed) << when << ": " << Describe(caret_, p);
    return p;
  }

  // The marker's triangles over the caret and its bottom bar from its first
  // column on: what the user sees of a marker standing at p.
  void ExpectMarkerPixels(const vxl::CaretPlacement& p, const char* when) {
    SCOPED_TRACE(when);
    ExpectPixel(Inside(p, p.TopTriangle), record_.caretTriangleColour, "top triangle");
    ExpectPixel(Inside(p, p.BottomTriangle), record_.caretTriangleColour, "bottom triangle");
    ExpectPixel(BarStart(p), record_.caretBarColour, "first column of the bottom bar");
  }

  static POINT BarStart(const vxl::CaretPlacement& p) {
    return {p.windowLeft + p.BarStart + 1, p.windowTop + p.BottomBar[0].y};
  }

  // No pixel of a marker at p shows, and none comes for a while.
  void ExpectNoMarkerPixels(const vxl::CaretPlacement& p, const char* when) {
    const POINT points[] = {Inside(p, p.TopTriangle), Inside(p, p.BottomTriangle),
                            Inside(p, p.BottomBar)};
    const auto markerShows = [&] {
      for (const POINT& at : points) {
        const COLORREF seen = e2e::ScreenPixel(at.x, at.y);
        if (seen == record_.caretTriangleColour || seen == record_.caretBarColour) return true;
      }
      return false;
    };
    // Several caret polls long, so that a marker placed late is seen too.
    EXPECT_FALSE(e2e::WaitUntil(markerShows, 800))
        << when << ": marker pixels at " << points[0].x << "," << points[0].y;
  }

  HWND edit_ = nullptr;
  HWND button_ = nullptr;
  HWND caret_ = nullptr;
};

TEST_F(CaretTracking, TheMarkerFollowsTypingAndFadesWhenTheFocusLeavesText) {
  ::SetFocus(edit_);
  const auto first = ExpectOnCaret("focus in the edit control");
  ExpectPixel(Inside(first, first.TopTriangle), record_.caretTriangleColour, "top triangle");
  ExpectPixel(Inside(first, first.BottomBar), record_.caretBarColour, "bottom bar");

  for (int i = 0; i < 6; ++i) e2e::PressKey('W');
  e2e::PumpMessages(100);
  ASSERT_GT(EditCaret().left, first.windowLeft + first.CaretX) << "typing did not reach the edit";
  const auto typed = ExpectOnCaret("after typing");
  ExpectPixel(Inside(typed, typed.TopTriangle), record_.caretTriangleColour,
              "top triangle over the new caret");
  ExpectCleared(Inside(first, first.TopTriangle), record_.caretTriangleColour,
                "the old place is clear again");

  e2e::PressKey(VK_RETURN);
  e2e::PressKey('X');
  const auto nextLine = ExpectOnCaret("on the next line");
  EXPECT_GT(nextLine.windowTop, typed.windowTop);
  ExpectPixel(Inside(nextLine, nextLine.BottomTriangle), record_.caretTriangleColour,
              "bottom triangle on the next line");
  ExpectCleared(Inside(typed, typed.TopTriangle), record_.caretTriangleColour,
                "the first line's marker is gone");
  e2e::PumpMessages(200);
  e2e::SaveScreenshot(L"caret_tracking_typed");

  // Focus on a button: the marker fades out after about 250 ms.
  const POINT triangle = Inside(nextLine, nextLine.TopTriangle);
  ExpectPixel(triangle, record_.caretTriangleColour, "top triangle before the fade");
  const DWORD start = ::GetTickCount();
  ::SetFocus(button_);
  ASSERT_TRUE(e2e::WaitUntil(
      [&] { return e2e::ScreenPixel(triangle.x, triangle.y) != record_.caretTriangleColour; },
      3000))
      << "the marker did not fade";
  const DWORD faded = ::GetTickCount() - start;
  EXPECT_GE(faded, 200u) << "the marker went before the fade-out delay";
  EXPECT_LE(faded, 1500u);
  e2e::SaveScreenshot(L"caret_tracking_faded");
  EXPECT_TRUE(::IsWindowVisible(caret_)) << "a faded marker's window stays shown";

  // And comes back with the focus.
  ::SetFocus(edit_);
  const auto back = ExpectOnCaret("focus back in the edit control");
  ExpectPixel(Inside(back, back.TopTriangle), record_.caretTriangleColour, "top triangle");
}

// No move or foreground report is needed: the system may send none (Wine
// sends none), and the caret poll notices the new window rectangle.
TEST_F(CaretTracking, TheBarsFollowTheFocusedWindowWhenItMoves) {
  ::SetFocus(edit_);
  for (int i = 0; i < 4; ++i) e2e::PressKey('W');
  const auto before = ExpectOnCaret("before the move");
  ExpectMarkerPixels(before, "before the move");

  // Far enough right that the caret stands beyond the old bars' extent.
  const RECT old = WindowRectOf(window_);
  ::MoveWindow(window_, old.left + 600, old.top + 40, old.right - old.left, old.bottom - old.top,
               TRUE);
  ASSERT_GT(EditCaret().left, before.windowLeft + before.windowWidth) << "the move is too short";
  const auto moved = ExpectOnCaret("after the move");
  EXPECT_EQ(moved.windowLeft, old.left + 600) << "bar type 2 starts at the active window";
  ExpectMarkerPixels(moved, "after the move");
  ExpectCleared(BarStart(before), record_.caretBarColour, "the bar left of the moved window");
  e2e::SaveScreenshot(L"caret_tracking_moved");
}

// A second application window with an edit control of its own.
class CaretTrackingTwoWindows : public CaretTracking {
 protected:
  void SetUp() override {
    // Made before the service: Wine stacks a window mapped later above the
    // topmost marker at the X level, whatever the system's z-order says.
    other_ = ::CreateWindowExW(0, L"#32770", L"Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 640, 560,
                               500, 300, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    otherEdit_ =
        ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 60,
                          30, 300, 120, other_, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(otherEdit_, nullptr);
    CaretTracking::SetUp();
  }
  ~CaretTrackingTwoWindows() override {
    if (other_) ::DestroyWindow(other_);
  }

  HWND other_ = nullptr;
  HWND otherEdit_ = nullptr;
};

TEST_F(CaretTrackingTwoWindows, TheBarsFollowTheFocusIntoAnotherWindow) {
  ::SetFocus(edit_);
  const auto first = ExpectOnCaret("in the first window");
  ExpectMarkerPixels(first, "in the first window");

  ::SetForegroundWindow(other_);
  ::SetFocus(otherEdit_);
  for (int i = 0; i < 3; ++i) e2e::PressKey('W');
  const auto second = ExpectOnCaret("in the other window", other_, otherEdit_);
  EXPECT_EQ(second.windowLeft, WindowRectOf(other_).left);
  ExpectMarkerPixels(second, "in the other window");
  ExpectCleared(BarStart(first), record_.caretBarColour, "the bar in the first window");
  e2e::SaveScreenshot(L"caret_tracking_other_window");
}

// A caret scrolled out of its window is not marked (it would stand over the
// caption or whatever lies above), and is marked again once back in view.
TEST_F(CaretTracking, ACaretScrolledOutOfViewIsNotMarked) {
  std::wstring lines;
  for (int i = 1; i <= 30; ++i) lines += L"line " + std::to_wstring(i) + L"\r\n";
  ::SetWindowTextW(edit_, lines.c_str());
  ::SetFocus(edit_);
  ::SendMessageW(edit_, EM_SETSEL, 0, 0);
  ::SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
  const auto inView = ExpectOnCaret("caret on the first line");
  ExpectMarkerPixels(inView, "caret on the first line");

  constexpr int kLines = 4;
  ::SendMessageW(edit_, EM_LINESCROLL, 0, kLines);
  RECT client;
  ::GetClientRect(edit_, &client);
  ::MapWindowPoints(edit_, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const vxl::Box scrolled = EditCaret();
  ASSERT_LT(scrolled.top + scrolled.height, client.top) << "the caret line is still in view";
  const auto outOfView = Expected(record_, window_, edit_, scrolled);
  ASSERT_GE(outOfView.windowTop, 0) << "the test needs the out-of-view place on screen";
  ExpectCleared(Inside(inView, inView.TopTriangle), record_.caretTriangleColour,
                "the marker left the caret's old place");
  ExpectNoMarkerPixels(outOfView, "caret scrolled out of view");
  e2e::SaveScreenshot(L"caret_tracking_scrolled_out");

  ::SendMessageW(edit_, EM_LINESCROLL, 0, -kLines);
  const auto back = ExpectOnCaret("caret scrolled back into view");
  ExpectMarkerPixels(back, "caret scrolled back into view");
}

TEST_F(CaretTracking, ConfigurationModeStopsTrackingAndItsEndResumesIt) {
  ::SetFocus(edit_);
  const auto placed = ExpectOnCaret("before configuration mode");
  const POINT triangle = Inside(placed, placed.TopTriangle);
  ExpectPixel(triangle, record_.caretTriangleColour, "top triangle");

  ASSERT_EQ(e2e::Send(service_.Main(), vxl::WM_VXL_SETMODE, vxl::SetMode::Configuration,
                      reinterpret_cast<LPARAM>(e2e::ConfigurationWindowStandIn())),
            1);
  ExpectCleared(triangle, record_.caretTriangleColour, "the marker is faded in configuration mode");
  e2e::PressKey('Q');
  e2e::PumpMessages(400);
  EXPECT_TRUE(StandsAt(caret_, placed)) << "the marker must not follow while not tracking";

  ASSERT_EQ(e2e::Send(service_.Main(), vxl::WM_VXL_SETMODE, vxl::SetMode::Normal, 0), 1);
  e2e::PressKey('Q');
  const auto resumed = ExpectOnCaret("after configuration mode");
  ExpectPixel(Inside(resumed, resumed.TopTriangle), record_.caretTriangleColour, "top triangle");
}

}  // namespace
