// The service's hook component, hosted by the test program under a window of
// its own: real X input on another program becomes typed events with the
// sampled key state, and the component's answer (StopMessage, or a handler's
// StopMsg) keeps the click from that program.
#include <gtest/gtest.h>

#include <vector>

#include "E2eClickTarget.h"
#include "E2eHarness.h"
#include "HookE2e.h"
#include "service/HookMouseXP_win.h"
#include "ui/WinText_win.h"

namespace {

using vxl::THookMouseXP;
using vxl::TMouseButtonEx;
using vxl::TShiftStateEx;

struct ButtonEvent {
  bool down;
  TMouseButtonEx button;
  TShiftStateEx shift;
  std::int32_t x, y;
  bool clientArea;
};

std::wstring Point(POINT p) { return std::to_wstring(p.x) + L" " + std::to_wstring(p.y); }

class HookMouseXPComponent : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(e2e::NoLiveHook()) << "another hook is installed";
    ASSERT_NE(owner_, nullptr);
    ASSERT_NE(target_.Handle(), nullptr);
    THookMouseXP& hook = component_.Component();
    hook.OnMouseDown = [this](THookMouseXP&, TMouseButtonEx button, TShiftStateEx shift,
                              std::int32_t x, std::int32_t y, vxl::WindowRef, std::uint32_t,
                              std::uint32_t, std::uint32_t, bool clientArea, bool& stop) {
      buttons_.push_back({true, button, shift, x, y, clientArea});
      stop = stop || (stopLeftPresses_ && button == vxl::mbxLeft);
    };
    hook.OnMouseUp = [this](THookMouseXP&, TMouseButtonEx button, TShiftStateEx shift,
                            std::int32_t x, std::int32_t y, vxl::WindowRef, std::uint32_t,
                            std::uint32_t, std::uint32_t, bool clientArea, bool&) {
      buttons_.push_back({false, button, shift, x, y, clientArea});
    };
    hook.OnMouseWheel = [this](THookMouseXP&, TShiftStateEx, std::int32_t delta, vxl::Point,
                               vxl::WindowRef, bool&) { wheels_.push_back(delta); };
    hook.OnMouseWheelDown = [this](THookMouseXP&, TShiftStateEx, vxl::Point, vxl::WindowRef,
                                   bool&) { ++wheelDowns_; };
    hook.OnMouseWheelUp = [this](THookMouseXP&, TShiftStateEx, vxl::Point, vxl::WindowRef, bool&) {
      ++wheelUps_;
    };
    hook.SetDirectoryDll(vxl::win::Narrow(folder_.Path()));
    hook.SetEnabled(true);
    ASSERT_TRUE(hook.Hooked());
  }

  void TearDown() override {
    component_.Component().SetEnabled(false);
    EXPECT_TRUE(e2e::NoHookRecorded()) << "disabling left the hook recorded";
    ::DestroyWindow(owner_);
  }

  int Presses(TMouseButtonEx button) const {
    int n = 0;
    for (const auto& e : buttons_) n += e.down && e.button == button;
    return n;
  }
  const ButtonEvent* LastPress(TMouseButtonEx button) const {
    for (auto it = buttons_.rbegin(); it != buttons_.rend(); ++it) {
      if (it->down && it->button == button) return &*it;
    }
    return nullptr;
  }

  e2e::TempProgramFolder folder_;
  e2e::ClickTarget target_{RECT{250, 200, 650, 500}};
  HWND owner_ = ::CreateWindowExW(0, L"STATIC", L"hook owner", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, nullptr, nullptr);
  vxl::TWinHookMouseXP component_{owner_, L"e2e", false};
  std::vector<ButtonEvent> buttons_;
  std::vector<std::int32_t> wheels_;
  int wheelDowns_ = 0, wheelUps_ = 0;
  bool stopLeftPresses_ = false;
};

TEST_F(HookMouseXPComponent, RealInputBecomesTypedEventsWithTheHeldButtons) {
  HWND receiver = e2e::HookReceiverInSection();
  EXPECT_EQ(receiver, component_.ReceiverHandle());
  EXPECT_EQ(::GetAncestor(receiver, GA_PARENT), owner_);

  const POINT centre = target_.Centre();
  // Left pressed while the right button is held, then a wheel notch each way
  // and the first extra button.
  ASSERT_TRUE(e2e::XdoTool(L"mousemove " + Point(centre) +
                           L" mousedown 3 sleep 0.3 click 1 sleep 0.3 mouseup 3 sleep 0.2"
                           L" click 5 click 4 click 8"));
  ASSERT_TRUE(e2e::WaitUntil([&] { return Presses(vxl::mbxPrevious) == 1 && wheels_.size() == 2; }))
      << "events seen: " << buttons_.size() << " buttons, " << wheels_.size() << " wheels";

  const ButtonEvent* left = LastPress(vxl::mbxLeft);
  ASSERT_NE(left, nullptr);
  EXPECT_TRUE(left->shift.Contains(vxl::ssRight)) << "shift 0x" << std::hex << left->shift.Bits();
  EXPECT_FALSE(left->shift.Contains(vxl::ssLeft));
  EXPECT_TRUE(left->clientArea);
  EXPECT_EQ(left->x, centre.x);
  EXPECT_EQ(left->y, centre.y);
  const ButtonEvent* right = LastPress(vxl::mbxRight);
  ASSERT_NE(right, nullptr);
  EXPECT_FALSE(right->shift.Contains(vxl::ssRight));
  EXPECT_FALSE(LastPress(vxl::mbxPrevious)->shift.Contains(vxl::ssPrevious));

  EXPECT_EQ(wheels_, (std::vector<std::int32_t>{-120, 120}));
  EXPECT_EQ(wheelDowns_, 1);
  EXPECT_EQ(wheelUps_, 1);
  EXPECT_TRUE(target_.WaitForLeftPressesAbove(0)) << "nothing asked to swallow the click";
}

TEST_F(HookMouseXPComponent, TheAnswerKeepsTheClickFromTheOtherProgram) {
  THookMouseXP& hook = component_.Component();
  const std::wstring moveThere = L"mousemove " + Point(target_.Centre());

  hook.SetStopMessage(true);
  ASSERT_TRUE(e2e::XdoTool(moveThere + L" click 1"));
  ASSERT_TRUE(e2e::WaitUntil([&] { return buttons_.size() == 2; }))
      << "the events still fire while everything is swallowed";
  e2e::PumpMessages(300);
  EXPECT_EQ(target_.LeftPresses(), 0) << "StopMessage must swallow the click";

  hook.SetStopMessage(false);
  stopLeftPresses_ = true;
  ASSERT_TRUE(e2e::XdoTool(L"click 1"));
  ASSERT_TRUE(e2e::WaitUntil([&] { return buttons_.size() == 4; }));
  e2e::PumpMessages(300);
  EXPECT_EQ(target_.LeftPresses(), 0) << "a handler's StopMsg must swallow the press";
  EXPECT_GT(target_.LeftReleases(), 0) << "the releases were not swallowed";

  stopLeftPresses_ = false;
  ASSERT_TRUE(e2e::XdoTool(L"click 1"));
  EXPECT_TRUE(target_.WaitForLeftPressesAbove(0)) << "with nothing swallowing, it passes";
}

}  // namespace
