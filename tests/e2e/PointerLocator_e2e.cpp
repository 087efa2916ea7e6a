// The pointer locator as a user sees it: a click-through overlay from the
// screen corner to just beyond the pointer, following it, with the arrow,
// the bars and the background effect drawn over a known pattern.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "E2eHarness.h"
#include "common/ConfigRecord.h"
#include "service/uDraw.h"
#include "service/uformMain.h"

namespace {

constexpr const wchar_t* kMainClass = L"TVexilor2Wnd";
constexpr const wchar_t* kLocatorClass = L"TVexilorLocWnd";

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kCyan = RGB(0, 255, 255);
constexpr COLORREF kSteel = RGB(40, 120, 200);

COLORREF Inverse(COLORREF c) {
  return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c));
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

SIZE WindowSize(HWND wnd) {
  RECT r{};
  ::GetWindowRect(wnd, &r);
  return {r.right - r.left, r.bottom - r.top};
}

class PointerLocator : public ::testing::Test {
 protected:
  void SetUp() override {
    vxl::ResetToDefaults(record_);
    ASSERT_TRUE(service_.Start()) << "no service main window";
    main_ = service_.Main();
    locator_ = e2e::WaitForWindow(kLocatorClass, service_.Id());
    ASSERT_NE(locator_, nullptr) << "no locator window";
    ASSERT_TRUE(service_.WaitForStartUp()) << "the start-up did not finish";
  }

  void SendRecord() { ASSERT_TRUE(service_.SendRecord(record_)); }

  // Shows the locator through the configuration program's preview message
  // and waits until it reaches 40 pixels beyond the pointer at (x, y).
  void ShowWithPointerAt(int x, int y) {
    e2e::MoveMouse(x, y);
    ASSERT_EQ(e2e::Send(main_, vxl::WM_VXL_PREVIEW, vxl::Preview::Pointer, vxl::Preview::kShow), 1);
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
          const SIZE s = WindowSize(locator_);
          return ::IsWindowVisible(locator_) && s.cx == std::min(x + 40, 1280) &&
                 s.cy == std::min(y + 40, 1024);
        },
        3000))
        << "the locator did not follow the pointer to " << x << ", " << y;
  }

  // Waits for the screen pixel to settle on the expected colour, then checks it.
  void ExpectPixel(int x, int y, COLORREF expected, int tolerance, const char* what) {
    e2e::WaitUntil([&] { return Near(e2e::ScreenPixel(x, y), expected, tolerance); }, 1500);
    const COLORREF seen = e2e::ScreenPixel(x, y);
    EXPECT_TRUE(Near(seen, expected, tolerance))
        << what << " at (" << x << ", " << y << "): saw " << e2e::ColourText(seen) << ", expected "
        << e2e::ColourText(expected);
  }

  // Under Wine the screen copy includes the locator itself, so effects that
  // are not idempotent change from frame to frame. To see exactly one paint
  // of an effect over the real screen, ticks are frozen by the system's
  // moving notification, the window is first painted all black (fully keyed
  // out) and then the effect is painted once by the record's arrival.
  void FreezeTicks() { ASSERT_EQ(e2e::Send(locator_, WM_ENTERSIZEMOVE, 0, 0), 1); }
  void PaintOnce() {
    vxl::TConfigRecord blank;
    vxl::ResetToDefaults(blank);
    blank.backgroundColour = 0x010101;
    blank.borderWidth = 0;
    blank.arrowBarWidth = 0;
    const auto blankImage = vxl::RecordBytes(blank);
    ASSERT_EQ(e2e::SendCopyData(main_, blankImage.data(), 612), 0);
    e2e::PumpMessages(150);
    SendRecord();
    e2e::PumpMessages(150);
  }

  // Interior points of the arrow's shaft and head, of the vertical and the
  // horizontal bar, from the production geometry for the pointer.
  struct Landmarks {
    POINT shaft, head, rightBar, bottomBar;
  };
  Landmarks LandmarksFor(vxl::Point pointer) const {
    const vxl::ArrowGeometry arrow = vxl::ComputeArrow(pointer, record_);
    const auto& p = arrow.points;
    const auto mid = [](vxl::Point a, vxl::Point b, vxl::Point c, vxl::Point d) {
      return POINT{(a.x + b.x + c.x + d.x) / 4, (a.y + b.y + c.y + d.y) / 4};
    };
    const int w = arrow.extent.width;
    const int h = arrow.extent.height;
    return {mid(p[0], p[1], p[5], p[6]),
            POINT{(p[2].x + p[3].x + p[4].x) / 3, (p[2].y + p[3].y + p[4].y) / 3},
            POINT{w - 2, h / 2}, POINT{w / 2, h - 2}};
  }

  e2e::ServiceUnderTest service_;
  HWND main_ = nullptr;
  HWND locator_ = nullptr;
  vxl::TConfigRecord record_;
};

TEST_F(PointerLocator, IsAHiddenClickThroughOverlayAtTheScreenCorner) {
  RECT r{};
  ASSERT_TRUE(::GetWindowRect(locator_, &r));
  EXPECT_FALSE(::IsWindowVisible(locator_));
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, 1);
  EXPECT_EQ(r.bottom, 1);
  EXPECT_EQ(::GetWindow(locator_, GW_OWNER), main_) << "owned: no taskbar button";
  const LONG_PTR style = ::GetWindowLongPtrW(locator_, GWL_STYLE);
  const LONG_PTR exStyle = ::GetWindowLongPtrW(locator_, GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_DLGFRAME | WS_BORDER));
  for (const LONG_PTR bit :
       std::vector<LONG_PTR>{WS_EX_TOPMOST, WS_EX_LAYERED, WS_EX_TRANSPARENT, WS_EX_TOOLWINDOW}) {
    EXPECT_TRUE(exStyle & bit) << "extended style bit 0x" << std::hex << bit;
  }
  COLORREF key = 1;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(locator_, &key, &alpha, &flags));
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
  EXPECT_EQ(key, kBlack);
}

TEST_F(PointerLocator, PreviewShowsFollowsAndHidesTheLocator) {
  e2e::Backdrop backdrop(kSteel);
  ShowWithPointerAt(1000, 700);
  RECT r{};
  ::GetWindowRect(locator_, &r);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, 1040);
  EXPECT_EQ(r.bottom, 740);
  EXPECT_FALSE(::IsWindowVisible(main_)) << "the first locator request hides the main window";
  EXPECT_NE(::GetForegroundWindow(), locator_);

  // Clicks inside the locator land on the window beneath.
  e2e::MoveMouse(500, 300);
  e2e::PumpMessages(100);
  e2e::MouseButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(e2e::WaitUntil([&] { return backdrop.LeftClicks() == 1; }, 3000))
      << "the click did not pass through the locator";

  e2e::MoveMouse(1270, 1020);
  EXPECT_TRUE(e2e::WaitUntil(
      [&] {
        const SIZE s = WindowSize(locator_);
        return s.cx == 1280 && s.cy == 1024;
      },
      3000))
      << "not clamped to the 1280 x 1024 screen";

  EXPECT_EQ(e2e::Send(main_, vxl::WM_VXL_PREVIEW, vxl::Preview::Pointer, vxl::Preview::kHide), 1);
  EXPECT_FALSE(::IsWindowVisible(locator_));
  ::GetWindowRect(locator_, &r);
  EXPECT_EQ(r.right - r.left, 1);
  EXPECT_EQ(r.bottom - r.top, 1);

  // The computer going to sleep hides it too.
  ShowWithPointerAt(600, 400);
  EXPECT_EQ(e2e::Send(main_, WM_POWERBROADCAST, PBT_APMSUSPEND, 0), 1);
  EXPECT_FALSE(::IsWindowVisible(locator_));
}

// Messages meant for the configuration program's previews, sent with no
// configuration program running, must not leave the locator on a preview
// point away from the pointer.
TEST_F(PointerLocator, StillReachesThePointerAfterPreviewsWithoutTheConfigurationProgram) {
  ASSERT_EQ(e2e::Send(main_, vxl::WM_VXL_PREVIEW, vxl::Preview::Caret, vxl::Preview::kShow), 1);
  ShowWithPointerAt(700, 500);
  ASSERT_EQ(e2e::Send(main_, vxl::WM_VXL_PREVIEW, vxl::Preview::Pointer, vxl::Preview::kHide), 1);
  // Configuration mode asked for by a process that is no configuration
  // program: the service returns to normal mode by itself.
  ASSERT_EQ(e2e::Send(main_, vxl::WM_VXL_SETMODE, vxl::SetMode::Configuration, 0), 1);
  ShowWithPointerAt(800, 600);
}

TEST_F(PointerLocator, FollowsThePointerWithinAboutOneFramePeriod) {
  ShowWithPointerAt(300, 300);
  std::vector<double> latencies;
  for (int i = 1; i <= 12; ++i) {
    const int x = 300 + 61 * i;
    const int y = 300 + 37 * i;
    LARGE_INTEGER frequency, start, now;
    ::QueryPerformanceFrequency(&frequency);
    e2e::MoveMouse(x, y);
    ::QueryPerformanceCounter(&start);
    for (;;) {
      const SIZE s = WindowSize(locator_);
      ::QueryPerformanceCounter(&now);
      const double ms = (now.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
      if (s.cx == x + 40 && s.cy == y + 40) {
        latencies.push_back(ms);
        break;
      }
      ASSERT_LT(ms, 1000.0) << "the locator did not follow to " << x << ", " << y;
      ::Sleep(1);
    }
    e2e::PumpMessages(30);
  }
  std::sort(latencies.begin(), latencies.end());
  const double median = latencies[latencies.size() / 2];
  std::printf(
      "[ figures  ] pointer to locator size: median %.1f ms, worst %.1f ms (period 40 ms)\n",
      median, latencies.back());
  EXPECT_LT(median, 100.0);
}

TEST_F(PointerLocator, PerformanceModeDrawsWithTheRecordsColours) {
  e2e::Backdrop backdrop(kSteel);
  record_.performanceMode = true;
  SendRecord();
  ShowWithPointerAt(1000, 700);
  e2e::PumpMessages(200);
  e2e::SaveScreenshot(L"locator-performance-mode");
  const Landmarks at = LandmarksFor({1000, 700});
  ExpectPixel(at.shaft.x, at.shaft.y, record_.arrowBrushColour, 0, "arrow shaft");
  ExpectPixel(at.head.x, at.head.y, record_.arrowBrushColour, 0, "arrow head");
  ExpectPixel(at.rightBar.x, at.rightBar.y, record_.borderBrushColour, 0, "vertical bar");
  ExpectPixel(at.bottomBar.x, at.bottomBar.y, record_.borderBrushColour, 0, "horizontal bar");
  ExpectPixel(300, 600, kSteel, 0, "undrawn region (keyed out)");
  // Beyond the tip, on the line to the pointer, nothing is drawn.
  const vxl::Point tip = vxl::ComputeArrow({1000, 700}, record_).Tip();
  ExpectPixel((tip.x + 1000) / 2 + 4, (tip.y + 700) / 2 + 3, kSteel, 0, "between tip and pointer");
}

TEST_F(PointerLocator, AutomaticColoursInvertWhatLiesBeneath) {
  e2e::Backdrop backdrop(kSteel);
  ShowWithPointerAt(1000, 700);
  FreezeTicks();
  const Landmarks at = LandmarksFor({1000, 700});
  const struct {
    std::uint32_t rop;
    COLORREF region;  // what the effect makes of the steel backdrop
    const wchar_t* shot;
  } cases[] = {{vxl::kRopNoEffect, kSteel, L"locator-auto-colours-none"},
               {vxl::kRopColouring, RGB(40, 0, 128), L"locator-auto-colours-colouring"}};
  for (const auto& c : cases) {
    record_.backgroundRasterOp = c.rop;
    PaintOnce();
    e2e::SaveScreenshot(c.shot);
    ExpectPixel(300, 600, c.region, 0, "region");
    ExpectPixel(at.shaft.x, at.shaft.y, Inverse(c.region), 0, "arrow shaft");
    ExpectPixel(at.head.x, at.head.y, Inverse(c.region), 0, "arrow head");
    ExpectPixel(at.rightBar.x, at.rightBar.y, Inverse(c.region), 0, "vertical bar");
    ExpectPixel(at.bottomBar.x, at.bottomBar.y, Inverse(c.region), 0, "horizontal bar");
  }
}

TEST_F(PointerLocator, BackgroundEffectsOverAKnownPattern) {
  const std::vector<COLORREF> pattern = {kWhite, kBlack, kCyan, kSteel};
  e2e::StripedBackdrop stripes(pattern, 80);
  ShowWithPointerAt(1000, 700);
  FreezeTicks();
  const COLORREF c = vxl::Rgb(255, 129, 129);
  const struct {
    const wchar_t* name;
    bool tinted;
    std::uint32_t rop;
    vxl::TColour colour;
    COLORREF expected[4];  // over white, black, cyan, steel
    int tolerance;
  } cases[] = {
      {L"none", false, vxl::kRopNoEffect, c, {kWhite, kBlack, kCyan, kSteel}, 0},
      {L"colouring",
       false,
       vxl::kRopColouring,
       c,
       {c, kBlack, RGB(0, 129, 129), RGB(40, 0, 128)},
       0},
      // White inverts to black, which is keyed out: the real white shows.
      {L"inversion",
       false,
       vxl::kRopInversion,
       c,
       {kWhite, kWhite, RGB(255, 0, 0), RGB(215, 135, 55)},
       0},
      {L"coloured-inversion",
       false,
       vxl::kRopColourInversion,
       c,
       {c, kWhite, c, RGB(255, 135, 183)},
       0},
      // Screen at 200/255 over the colour at 55/255.
      {L"tinted",
       true,
       vxl::kRopColouring,
       c,
       {RGB(255, 228, 228), RGB(55, 28, 28), RGB(55, 228, 228), RGB(86, 122, 185)},
       3},
      // Nothing filled: the AND with black leaves the region transparent.
      {L"colouring-no-fill",
       false,
       vxl::kRopColouring,
       0x010101,
       {kWhite, kBlack, kCyan, kSteel},
       0},
  };
  for (const auto& effect : cases) {
    SCOPED_TRACE(::testing::Message() << "effect " << effect.name);
    record_.backgroundTinted = effect.tinted;
    record_.backgroundRasterOp = effect.rop;
    record_.backgroundColour = effect.colour;
    PaintOnce();
    e2e::SaveScreenshot(std::wstring(L"locator-effect-") + effect.name);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
      const int x = stripes.StripeCentre(i, 0);
      ExpectPixel(x, 600, effect.expected[i], effect.tolerance, "region");
    }
    // Beyond the painted region the window is black and keyed out.
    ExpectPixel(1010, 600, stripes.ColourAt(1010), 0, "window beyond the bars");
  }
}

TEST_F(PointerLocator, TintedPerformanceModeMakesTheWholeWindowTranslucent) {
  e2e::Backdrop backdrop(kSteel);
  record_.performanceMode = true;
  record_.backgroundTinted = true;
  record_.backgroundTransparency = 200;
  SendRecord();
  ShowWithPointerAt(1000, 700);
  e2e::PumpMessages(200);
  e2e::SaveScreenshot(L"locator-performance-tinted");
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(locator_, &key, &alpha, &flags));
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));
  EXPECT_EQ(key, record_.backgroundColour);
  EXPECT_EQ(alpha, 55);
  // Back to the plain record: the alpha goes away again.
  record_.backgroundTinted = false;
  SendRecord();
  ASSERT_TRUE(::GetLayeredWindowAttributes(locator_, &key, &alpha, &flags));
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
  EXPECT_EQ(key, kBlack);
}

TEST_F(PointerLocator, HidesItselfAfterAStillPeriod) {
  ShowWithPointerAt(400, 400);
  // Keeps moving, faster than the 40 ms frame period so that no two ticks
  // see the same point, for longer than the 2.5 s check interval: stays shown.
  const ULONGLONG movingSince = ::GetTickCount64();
  for (int i = 0; ::GetTickCount64() - movingSince < 3200; ++i) {
    e2e::MoveMouse(400 + (i % 2) * 30, 400 + (i % 3) * 20);
    ::Sleep(10);
    ASSERT_TRUE(::IsWindowVisible(locator_)) << "hidden while the pointer moved, step " << i;
  }
  const ULONGLONG stillSince = ::GetTickCount64();
  EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindowVisible(locator_); }, 4000))
      << "still shown 4 s after the pointer stopped";
  const ULONGLONG hiddenAfter = ::GetTickCount64() - stillSince;
  std::printf("[ figures  ] hidden %llu ms after the pointer stopped (check every 2500 ms)\n",
              hiddenAfter);
  EXPECT_LE(hiddenAfter, 2500u + 400u);
  EXPECT_EQ(WindowSize(locator_).cx, 1);
}

TEST_F(PointerLocator, PerformanceMonitorPanelPerEffect) {
  e2e::StripedBackdrop stripes({kWhite, kBlack, kCyan, kSteel}, 80);
  ShowWithPointerAt(1000, 700);
  ASSERT_EQ(e2e::Send(main_, vxl::WM_VXL_RELOAD, vxl::Reload::PerformanceMonitor, 0), 1);
  ExpectPixel(100, 0, RGB(255, 255, 0), 0, "panel outline");
  ExpectPixel(195, 86, RGB(0, 0, 128), 0, "panel background");
  const struct {
    const wchar_t* name;
    bool tinted;
    std::uint32_t rop;
  } effects[] = {{L"none", false, vxl::kRopNoEffect},
                 {L"colouring", false, vxl::kRopColouring},
                 {L"inversion", false, vxl::kRopInversion},
                 {L"coloured-inversion", false, vxl::kRopColourInversion},
                 {L"tinted", true, vxl::kRopColouring}};
  for (const auto& effect : effects) {
    record_.backgroundTinted = effect.tinted;
    record_.backgroundRasterOp = effect.rop;
    SendRecord();
    e2e::PumpMessages(400);
    e2e::SaveScreenshot(std::wstring(L"monitor-") + effect.name);
  }
  ASSERT_EQ(e2e::Send(main_, vxl::WM_VXL_RELOAD, vxl::Reload::PerformanceMonitor, 0), 1);
  ExpectPixel(195, 86, stripes.ColourAt(195), 0, "panel gone");
}

TEST_F(PointerLocator, FrameTimerSleepsWhileHiddenAndCpuUseStaysLow) {
  e2e::Backdrop backdrop(kSteel);
  const int linuxPid = e2e::FindLinuxProcess(service_.Folder().FilePath(L"Vexilor2.exe"));
  ASSERT_NE(linuxPid, 0) << "the service's Linux process was not found in /proc";
  struct Phase {
    double cpuMs;
    long timerWakeups;
  };
  const auto measure = [&](const char* what) {
    const auto before = e2e::SampleLinuxProcess(linuxPid);
    e2e::PumpMessages(10000);
    const auto after = e2e::SampleLinuxProcess(linuxPid);
    if (!before || !after) return Phase{-1, -1};
    const Phase phase{after->cpuMs - before->cpuMs,
                      after->otherThreadsWakeups - before->otherThreadsWakeups};
    std::printf(
        "[ figures  ] service over 10 s, %s: CPU %.0f ms (%.1f %% of one core), "
        "frame thread wake-ups %ld\n",
        what, phase.cpuMs, phase.cpuMs / 100.0, phase.timerWakeups);
    return phase;
  };
  // Shown and still without hiding itself.
  record_.autoHideOnIdle = false;
  SendRecord();
  ShowWithPointerAt(1000, 700);
  const Phase full = measure("shown, full mode, pointer still");
  record_.performanceMode = true;
  SendRecord();
  const Phase fast = measure("shown, performance mode, pointer still");
  ASSERT_TRUE(::IsWindowVisible(locator_));
  EXPECT_EQ(e2e::Send(main_, vxl::WM_VXL_PREVIEW, vxl::Preview::Pointer, vxl::Preview::kHide), 1);
  e2e::PumpMessages(300);
  const Phase hidden = measure("hidden");
  ASSERT_GE(hidden.cpuMs, 0.0) << "/proc could not be read";
  // About 25 ticks a second in full mode, 14 at the 70 ms performance period.
  EXPECT_GE(full.timerWakeups, 200);
  EXPECT_GE(fast.timerWakeups, 100);
  EXPECT_EQ(hidden.timerWakeups, 0) << "the frame timer ticked while the locator was hidden";
  EXPECT_LE(hidden.cpuMs, 20.0);
}

}  // namespace
