// The service as a user and the configuration program see it: one
// invisible, click-through main window that answers its messages.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "E2eHarness.h"
#include "common/ConfigRecord.h"
#include "service/uformMain.h"

namespace {

constexpr const wchar_t* kMainClass = L"TVexilor2Wnd";

class ServiceSpine : public ::testing::Test {
 protected:
  HWND StartService() { return service_.Start() ? service_.Main() : nullptr; }
  // Another instance started from the same folder.
  bool StartAnother(e2e::ChildProcess& process) {
    return process.Start(service_.Folder().FilePath(L"Vexilor2.exe"), L"",
                         service_.Folder().Path());
  }

  e2e::ServiceUnderTest service_;
};

TEST_F(ServiceSpine, StartsWithAnInvisibleClickThroughMainWindow) {
  e2e::Backdrop backdrop;
  ASSERT_EQ(e2e::ScreenPixel(5, 5), backdrop.Colour()) << "the backdrop did not show";
  HWND main = StartService();
  ASSERT_NE(main, nullptr) << "no window of class TVexilor2Wnd";
  // Shown by its message loop once the start-up is through.
  ASSERT_TRUE(e2e::WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));
  EXPECT_EQ(e2e::WindowText(main), L"Vexilor 2.00");

  const LONG_PTR style = ::GetWindowLongPtrW(main, GWL_STYLE);
  const LONG_PTR exStyle = ::GetWindowLongPtrW(main, GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & WS_DLGFRAME);
  EXPECT_FALSE(style & WS_BORDER);
  EXPECT_TRUE(exStyle & WS_EX_LAYERED);
  EXPECT_TRUE(exStyle & WS_EX_TRANSPARENT);
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW) << "it would get a taskbar button";
  EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);

  COLORREF key = 1;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(main, &key, &alpha, &flags));
  EXPECT_TRUE(flags & LWA_COLORKEY);
  EXPECT_EQ(key, RGB(0, 0, 0));

  RECT client;
  ASSERT_TRUE(::GetClientRect(main, &client));
  EXPECT_EQ(client.right - client.left, 128);
  EXPECT_EQ(client.bottom - client.top, 59);
  RECT window;
  ASSERT_TRUE(::GetWindowRect(main, &window));
  EXPECT_EQ(window.left, (::GetSystemMetrics(SM_CXSCREEN) - 128) / 2);
  EXPECT_EQ(window.top, (::GetSystemMetrics(SM_CYSCREEN) - 59) / 2);

  // Nothing of it reaches the screen, and a click on it lands on the window
  // beneath.
  const int centreX = (window.left + window.right) / 2;
  const int centreY = (window.top + window.bottom) / 2;
  EXPECT_EQ(::WindowFromPoint({centreX, centreY}), backdrop.Handle());
  e2e::PumpMessages(200);
  EXPECT_FALSE(e2e::SaveScreenshot(L"service-started").empty());
  EXPECT_EQ(e2e::ScreenPixel(centreX, centreY), backdrop.Colour())
      << "the main window shows on screen";
  e2e::MoveMouse(centreX, centreY);
  e2e::MouseButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(e2e::WaitUntil([&] { return backdrop.LeftClicks() == 1; }, 3000))
      << "the click did not pass through the main window";
  EXPECT_NE(::GetForegroundWindow(), main) << "the service took the focus";
}

TEST_F(ServiceSpine, SecondStartEndsSilentlyWithinASecond) {
  HWND first = StartService();
  ASSERT_NE(first, nullptr);
  e2e::ChildProcess second;
  ASSERT_TRUE(StartAnother(second));
  EXPECT_TRUE(second.WaitForExit(1000)) << "the second instance is still running";
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_EQ(e2e::TopLevelWindows(kMainClass).size(), 1u);
  EXPECT_TRUE(service_.Running());
  EXPECT_EQ(e2e::Send(first, vxl::WM_VXL_RELOAD, 7, 0), 1)
      << "the first instance stopped answering";
}

struct MessageCase {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  LRESULT result;
};

TEST_F(ServiceSpine, PrivateMessagesGiveTheirResults) {
  HWND main = StartService();
  ASSERT_NE(main, nullptr);
  const MessageCase cases[] = {
      {vxl::WM_VXL_SETMODE, vxl::SetMode::Configuration, 0, 1},
      {vxl::WM_VXL_SETMODE, vxl::SetMode::Normal, 0, 1},
      {vxl::WM_VXL_SETMODE, vxl::SetMode::Configuration, reinterpret_cast<LPARAM>(main), 1},
      {vxl::WM_VXL_SETMODE, 0, 0, 1},
      {vxl::WM_VXL_RELOAD, vxl::Reload::PerformanceMonitor, 0, 1},
      {vxl::WM_VXL_RELOAD, vxl::Reload::PerformanceMonitor, 0, 1},
      {vxl::WM_VXL_RELOAD, 42, 0, 1},
      {vxl::WM_VXL_PREVIEW, vxl::Preview::Pointer, vxl::Preview::kShow, 1},
      {vxl::WM_VXL_PREVIEW, vxl::Preview::Pointer, vxl::Preview::kHide, 1},
      {vxl::WM_VXL_PREVIEW, vxl::Preview::Caret, vxl::Preview::kHide, 1},
      {vxl::WM_VXL_PREVIEW, vxl::Preview::CaretPosition, MAKELPARAM(300, 200),
       0},  // no caret locator window
      {vxl::WM_VXL_PREVIEW, 3, 0, 1},
      {vxl::WM_VXL_FILTERS, vxl::Filters::OpenSettings, 0, 0},  // no filter frame: nothing opens
      {vxl::WM_VXL_FILTERS, vxl::Filters::FrameClosed, 0, 1},
      {vxl::WM_VXL_FILTERS, vxl::Filters::CloseFrame, 0, 1},
      {vxl::WM_VXL_FILTERS, 3, 0, 1},
      {vxl::WM_VXL_FILTERS, vxl::Filters::SettingsClosed, 0, 1},
      {vxl::WM_VXL_FILTERS, vxl::Filters::TemplatesClosed, 0, 1},
      {vxl::WM_VXL_FILTERS, 77, 0, 1},
      {WM_POWERBROADCAST, PBT_APMSUSPEND, 0, 1},
      {WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(e2e::Send(main, c.message, c.wParam, c.lParam), c.result)
        << "message 0x" << std::hex << c.message << " wParam " << std::dec << c.wParam << " lParam "
        << c.lParam;
  }
}

// Any process may send the service its private messages and records: none
// of them may stack boxes, stop it answering or keep it from ending.
TEST_F(ServiceSpine, AStormOfPrivateMessagesAndRecordsLeavesItAnsweringAndClosable) {
  HWND main = StartService();
  ASSERT_NE(main, nullptr);
  std::mt19937 random(20261211);
  auto pick = [&](std::uint32_t below) { return static_cast<std::uint32_t>(random() % below); };
  const UINT messages[] = {vxl::WM_VXL_SETMODE, vxl::WM_VXL_RELOAD, vxl::WM_VXL_PREVIEW,
                           vxl::WM_VXL_FILTERS};
  std::size_t mostBoxes = 0;
  for (int i = 0; i < 20000; ++i) {
    const UINT message = messages[pick(4)];
    // Mostly the values that mean something, now and then anything.
    const WPARAM wParam = pick(8) == 0 ? random() : pick(11);
    const LPARAM lParam = pick(4) == 0 ? static_cast<LPARAM>(random()) : pick(3);
    if (message == vxl::WM_VXL_RELOAD && wParam == 1) continue;  // the monitor: slow, harmless
    if (pick(2) == 0) {
      ::PostMessageW(main, message, wParam, lParam);
    } else {
      ASSERT_TRUE(e2e::Send(main, message, wParam, lParam, 3000).has_value())
          << "the service stopped answering at message " << i;
    }
    if (i % 400 == 0) {
      std::vector<std::uint8_t> record(vxl::kConfigRecordSize);
      for (auto& byte : record) byte = static_cast<std::uint8_t>(random());
      ASSERT_TRUE(
          e2e::SendCopyData(main, record.data(), static_cast<DWORD>(record.size())).has_value())
          << "a random record stopped it answering";
    }
    if (i % 1000 == 0) mostBoxes = std::max(mostBoxes, e2e::DialogBoxes(service_.Id()).size());
  }
  ASSERT_TRUE(e2e::Send(main, WM_NULL, 0, 0, 5000).has_value()) << "no answer after the storm";
  e2e::PumpMessages(500);
  mostBoxes = std::max(mostBoxes, e2e::DialogBoxes(service_.Id()).size());
  EXPECT_LE(mostBoxes, 1u) << "boxes were stacked";

  ::PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(service_.WaitForExit(5000)) << "WM_CLOSE did not end the service";
}

TEST_F(ServiceSpine, ThePreviewHidesTheMainWindowForGood) {
  HWND main = StartService();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(e2e::WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));
  EXPECT_EQ(e2e::Send(main, vxl::WM_VXL_PREVIEW, vxl::Preview::Pointer, vxl::Preview::kShow), 1);
  EXPECT_FALSE(::IsWindowVisible(main));
  EXPECT_EQ(e2e::Send(main, vxl::WM_VXL_PREVIEW, vxl::Preview::Pointer, vxl::Preview::kHide), 1);
  EXPECT_FALSE(::IsWindowVisible(main));
}

TEST_F(ServiceSpine, CopyDataOfAnySizeAndContentIsAnsweredZero) {
  HWND main = StartService();
  ASSERT_NE(main, nullptr);
  vxl::TConfigRecord record;
  vxl::ResetToDefaults(record);
  const auto image = vxl::RecordBytes(record);
  std::vector<std::uint8_t> garbage(4096);
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<std::uint8_t>(i * 131);

  EXPECT_EQ(e2e::SendCopyData(main, image.data(), 612, 12345), 0);
  EXPECT_EQ(e2e::SendCopyData(main, image.data(), 611), 0);
  EXPECT_EQ(e2e::SendCopyData(main, image.data(), 1), 0);
  EXPECT_EQ(e2e::SendCopyData(main, nullptr, 0), 0);
  EXPECT_EQ(e2e::SendCopyData(main, garbage.data(), 612), 0);
  EXPECT_EQ(e2e::SendCopyData(main, garbage.data(), static_cast<DWORD>(garbage.size())), 0);
  EXPECT_TRUE(service_.Running());
  EXPECT_EQ(e2e::Send(main, vxl::WM_VXL_RELOAD, 7, 0), 1);
}

TEST_F(ServiceSpine, ClosingTheMainWindowEndsItAndFreesTheSingleInstance) {
  HWND main = StartService();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(::PostMessageW(main, WM_CLOSE, 0, 0));
  ASSERT_TRUE(service_.WaitForExit(3000)) << "the service did not end";
  EXPECT_EQ(service_.ExitCode(), 0u);

  e2e::ChildProcess next;
  ASSERT_TRUE(StartAnother(next));
  EXPECT_NE(e2e::WaitForWindow(kMainClass, next.Id()), nullptr) << "a new instance could not start";
  EXPECT_TRUE(next.Running());
}

}  // namespace
