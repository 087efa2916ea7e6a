// The service's mouse hook as a peer process sees it: the desktop-wide hook
// with a receiver under TVexilor2Wnd, clicks on other programs passing
// through, the hook's failures reported, and a service that does not answer
// never holding the mouse of another program longer than the send bound.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "E2eClickTarget.h"
#include "E2eHarness.h"
#include "HookE2e.h"

namespace {

constexpr const wchar_t* kMainClass = L"TVexilor2Wnd";
// The library's send bound, and what Wine may add on a shared machine.
constexpr double kSendBoundMs = 250;
constexpr double kSchedulingSlackMs = 400;

std::wstring Point(POINT p) { return std::to_wstring(p.x) + L" " + std::to_wstring(p.y); }

// One left click by SendInput where the pointer is (over the target); the
// time from the input to the target's WM_LBUTTONDOWN, or a negative value
// when it did not arrive within timeoutMs. Returns once the release has
// arrived too, so that the next click does not queue behind it.
double TimedClick(const e2e::ClickTarget& target, DWORD timeoutMs) {
  const int presses = target.LeftPresses();
  const int releases = target.LeftReleases();
  const LONGLONG start = e2e::Ticks();
  e2e::MouseButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  if (!target.WaitForLeftPressesAbove(presses, timeoutMs)) return -1;
  const double latency = e2e::TicksToMs(target.LastLeftPressTicks() - start);
  if (!e2e::WaitUntil([&] { return target.LeftReleases() > releases; }, timeoutMs)) return -1;
  return latency;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

class ServiceMouseHook : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(e2e::NoLiveHook()) << "another hook is installed"; }

  HWND StartService() { return service_.Start() ? service_.Main() : nullptr; }

  e2e::ServiceUnderTest service_;
};

TEST_F(ServiceMouseHook, HooksTheDesktopWithAReceiverUnderItsMainWindow) {
  e2e::ClickTarget target(RECT{300, 250, 700, 550});
  ASSERT_NE(target.Handle(), nullptr);
  HWND main = StartService();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(e2e::WaitUntil([] { return e2e::HookReceiverInSection() != nullptr; }))
      << "the service installed no hook";
  HWND receiver = e2e::HookReceiverInSection();
  EXPECT_EQ(::GetAncestor(receiver, GA_PARENT), main) << "the receiver is not a child of "
                                                         "TVexilor2Wnd";
  EXPECT_EQ(e2e::WindowClassName(receiver), L"TReceptionMessageCopyData");

  // Clicks on another program reach the service and pass: nothing binds them yet.
  ASSERT_TRUE(e2e::XdoTool(L"mousemove " + Point(target.Centre()) + L" click 1"));
  EXPECT_TRUE(target.WaitForLeftPressesAbove(0)) << "the click did not pass the service";
  EXPECT_TRUE(target.HookLibraryLoaded()) << "the library was not loaded into the target";

  // The receiver answers a forwarded record, and a block of another size, with 0.
  const TMouseHookData press{0x0201, 10, 10, 0, HTCLIENT, 0, 0};
  EXPECT_EQ(e2e::SendCopyData(receiver, &press, sizeof press), 0);
  EXPECT_EQ(e2e::SendCopyData(receiver, &press, sizeof press - 1), 0);
  EXPECT_EQ(e2e::SendCopyData(receiver, nullptr, 0), 0);

  // The section is shared: the test program's own instance sees the hook.
  e2e::TestHookLibrary library(service_.Folder().Path());
  EXPECT_FALSE(library.Initialise(target.Handle())) << "a second hook was accepted";

  // Closing the service removes its hook.
  service_.End();
  EXPECT_FALSE(service_.Running());
  EXPECT_TRUE(e2e::NoHookRecorded()) << "the service left its hook recorded";
  EXPECT_TRUE(library.Initialise(target.Handle())) << "the hook could not be installed again";
}

TEST_F(ServiceMouseHook, AMissingLibraryIsReportedWithThePathTried) {
  ASSERT_TRUE(::DeleteFileW(service_.Folder().FilePath(L"ZARTHOOK.DLL").c_str()));
  ASSERT_TRUE(service_.Launch());
  HWND box = e2e::WaitForDialogBox(service_.Id());
  ASSERT_NE(box, nullptr) << "no message box";
  EXPECT_EQ(e2e::WindowText(box), L"Vexilor 2.00");
  EXPECT_EQ(e2e::DialogText(box), L"Dll non trouv\u00e9e : ZARTHOOK.DLL");
  EXPECT_TRUE(e2e::NoHookRecorded());
}

TEST_F(ServiceMouseHook, AHookHeldElsewhereIsReportedAndLeftInPlace) {
  e2e::TestHookLibrary library(service_.Folder().Path());
  HWND ours =
      ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_TRUE(library.Initialise(ours));
  const TDonneesHook held = *e2e::ReadHookSection();

  ASSERT_TRUE(service_.Launch());
  HWND box = e2e::WaitForDialogBox(service_.Id());
  ASSERT_NE(box, nullptr) << "no message box";
  EXPECT_EQ(e2e::DialogText(box), L"Erreur \u00e0 l'initialisation du Hook");
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  HWND main = e2e::WaitForWindow(kMainClass, service_.Id());
  ASSERT_NE(main, nullptr) << "the service did not go on after the message";
  service_.End();

  const TDonneesHook after = *e2e::ReadHookSection();
  EXPECT_EQ(after.HandleHook, held.HandleHook) << "the service removed a hook it did not own";
  EXPECT_EQ(after.HandleReceiver, held.HandleReceiver);
  library.Finalise();
  ::DestroyWindow(ours);
}

TEST_F(ServiceMouseHook, ASuspendedServiceHoldsAClickNoLongerThanTheSendBound) {
  e2e::ClickTarget target(RECT{300, 250, 700, 550});
  ASSERT_NE(target.Handle(), nullptr);
  ASSERT_NE(StartService(), nullptr);
  ASSERT_TRUE(e2e::WaitUntil([] { return e2e::HookReceiverInSection() != nullptr; }));
  e2e::MoveMouse(target.Centre().x, target.Centre().y);
  ASSERT_GT(TimedClick(target, 3000), 0) << "the click did not pass the running service";

  std::vector<double> delays;
  {
    e2e::SuspendedProcess suspended(service_.Id());
    ASSERT_GT(suspended.ThreadCount(), 0u);
    for (int i = 0; i < 3; ++i) {
      const double delay = TimedClick(target, 5000);
      ASSERT_GE(delay, 0) << "a suspended service froze the click";
      delays.push_back(delay);
    }
  }
  for (double delay : delays) {
    std::printf("click delay with the service suspended: %.1f ms\n", delay);
    EXPECT_LT(delay, kSendBoundMs + kSchedulingSlackMs);
  }
  EXPECT_GT(TimedClick(target, 3000), 0) << "the resumed service does not let clicks pass";
}

// A timing probe, not a timed test: the round trip the hook adds to a click,
// printed for the performance notes.
TEST_F(ServiceMouseHook, ProbeClickLatencyWithAndWithoutTheService) {
  e2e::ClickTarget target(RECT{300, 250, 700, 550});
  ASSERT_NE(target.Handle(), nullptr);
  e2e::MoveMouse(target.Centre().x, target.Centre().y);
  e2e::PumpMessages(200);
  constexpr int kClicks = 40;
  const auto measure = [&] {
    std::vector<double> latencies;
    for (int i = 0; i < kClicks; ++i) {
      const double latency = TimedClick(target, 3000);
      if (latency >= 0) latencies.push_back(latency);
    }
    return latencies;
  };
  const std::vector<double> bare = measure();
  ASSERT_NE(StartService(), nullptr);
  ASSERT_TRUE(e2e::WaitUntil([] { return e2e::HookReceiverInSection() != nullptr; }));
  const std::vector<double> hooked = measure();
  ASSERT_EQ(bare.size(), static_cast<std::size_t>(kClicks));
  ASSERT_EQ(hooked.size(), static_cast<std::size_t>(kClicks));
  const double bareMedian = Median(bare), hookedMedian = Median(hooked);
  std::printf("click latency median: %.3f ms without the service, %.3f ms with it (ratio %.2f)\n",
              bareMedian, hookedMedian, bareMedian > 0 ? hookedMedian / bareMedian : 0.0);
  RecordProperty("bare_median_us", static_cast<int>(bareMedian * 1000));
  RecordProperty("hooked_median_us", static_cast<int>(hookedMedian * 1000));
}

}  // namespace
