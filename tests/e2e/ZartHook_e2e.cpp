// ZARTHOOK.DLL on its own, loaded by the test program with a receiving
// window of its own: real X input on a window of another process is
// forwarded, and the receiver's answer decides whether the click arrives.
#include <gtest/gtest.h>

#include <vector>

#include "E2eClickTarget.h"
#include "E2eHarness.h"
#include "HookE2e.h"

namespace {

// A window of the test program that records the forwarded records and
// answers 1 to one chosen message.
class RecordingReceiver {
 public:
  RecordingReceiver() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VxlE2eHookReceiver";
    ::RegisterClassExW(&wc);  // fails harmlessly when registered already
    wnd_ = ::CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             wc.hInstance, this);
  }
  ~RecordingReceiver() { Destroy(); }
  RecordingReceiver(const RecordingReceiver&) = delete;
  RecordingReceiver& operator=(const RecordingReceiver&) = delete;

  HWND Handle() const { return wnd_; }
  void Destroy() {
    if (wnd_) ::DestroyWindow(wnd_);
    wnd_ = nullptr;
  }
  int Count(std::int32_t msg) const {
    int n = 0;
    for (const auto& r : records) n += r.Msg == msg;
    return n;
  }
  std::vector<TMouseHookData> Of(std::int32_t msg) const {
    std::vector<TMouseHookData> found;
    for (const auto& r : records) {
      if (r.Msg == msg) found.push_back(r);
    }
    return found;
  }

  std::vector<TMouseHookData> records;
  std::int32_t swallow = 0;  // the message answered 1; 0 = none

 private:
  static LRESULT CALLBACK Proc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      ::SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<RecordingReceiver*>(::GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (message == WM_COPYDATA && self != nullptr) {
      const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
      if (copy->cbData != sizeof(TMouseHookData)) return 0;
      const auto& data = *static_cast<const TMouseHookData*>(copy->lpData);
      self->records.push_back(data);
      return self->swallow != 0 && data.Msg == self->swallow;
    }
    return ::DefWindowProcW(wnd, message, wParam, lParam);
  }

  HWND wnd_ = nullptr;
};

std::wstring Point(POINT p) { return std::to_wstring(p.x) + L" " + std::to_wstring(p.y); }

std::int16_t HighWord(std::uint32_t value) { return static_cast<std::int16_t>(value >> 16); }

class ZartHookLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(e2e::NoLiveHook()) << "another hook is installed";
    ASSERT_TRUE(library_.Loaded()) << "ZARTHOOK.DLL or its exports are missing";
    ASSERT_NE(target_.Handle(), nullptr) << "the click target did not start";
  }

  e2e::TempProgramFolder folder_;
  e2e::TestHookLibrary library_{folder_.Path()};
  e2e::ClickTarget target_{RECT{200, 200, 600, 500}};
  RecordingReceiver receiver_;
};

TEST_F(ZartHookLibrary, TheReceiverAnswerDecidesWhetherTheClickReachesTheTarget) {
  ASSERT_TRUE(library_.Initialise(receiver_.Handle()));
  const auto section = e2e::ReadHookSection();
  ASSERT_TRUE(section.has_value());
  EXPECT_NE(section->HandleHook, 0u);
  EXPECT_EQ(section->HandleReceiver,
            static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(receiver_.Handle())));
  EXPECT_EQ(section->reserved, 0u);

  const POINT centre = target_.Centre();
  ASSERT_TRUE(e2e::XdoTool(L"mousemove " + Point(centre) + L" click 1"));
  ASSERT_TRUE(target_.WaitForLeftPressesAbove(0)) << "answer 0 must let the click through";
  ASSERT_TRUE(e2e::WaitUntil([&] { return receiver_.Count(0x0201) == 1; }));
  const TMouseHookData press = receiver_.Of(0x0201).front();
  EXPECT_EQ(press.X, centre.x);
  EXPECT_EQ(press.Y, centre.y);
  EXPECT_EQ(press.HandleWindow,
            static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(target_.Handle())));
  EXPECT_EQ(press.HitTestCode, static_cast<std::uint32_t>(HTCLIENT));
  EXPECT_TRUE(target_.HookLibraryLoaded()) << "the library was not loaded into the target";

  receiver_.swallow = 0x0201;
  ASSERT_TRUE(e2e::XdoTool(L"click 1"));
  ASSERT_TRUE(e2e::WaitUntil([&] { return receiver_.Count(0x0201) == 2; }));
  ASSERT_TRUE(e2e::WaitUntil([&] { return receiver_.Count(0x0202) == 2; }));
  e2e::PumpMessages(300);
  EXPECT_EQ(target_.LeftPresses(), 1) << "answer 1 must keep the press from the target";

  receiver_.swallow = 0;
  ASSERT_TRUE(e2e::XdoTool(L"click 1"));
  EXPECT_TRUE(target_.WaitForLeftPressesAbove(1)) << "clicks must pass again";
}

TEST_F(ZartHookLibrary, WheelAndExtraButtonsCarryTheirNumbersInTheHighWord) {
  ASSERT_TRUE(library_.Initialise(receiver_.Handle()));
  // Buttons 4 and 5 turn the wheel away and towards the user; 8 and 9 are
  // the extra buttons.
  ASSERT_TRUE(
      e2e::XdoTool(L"mousemove " + Point(target_.Centre()) + L" click 5 click 4 click 8 click 9"));
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return receiver_.Count(0x020A) == 2 && receiver_.Count(0x020C) == 2; }));
  const auto wheels = receiver_.Of(0x020A);
  EXPECT_EQ(HighWord(wheels[0].MouseData), -120);
  EXPECT_EQ(HighWord(wheels[1].MouseData), 120);
  const auto presses = receiver_.Of(0x020B);
  ASSERT_EQ(presses.size(), 2u);
  EXPECT_EQ(HighWord(presses[0].MouseData), 1);
  EXPECT_EQ(HighWord(presses[1].MouseData), 2);
}

TEST_F(ZartHookLibrary, OnlyOneHookIsRecordedAtATime) {
  RecordingReceiver second;
  const auto receiverBits = [](HWND wnd) {
    return static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(wnd));
  };
  EXPECT_FALSE(library_.Initialise(nullptr));
  EXPECT_TRUE(e2e::NoHookRecorded());

  ASSERT_TRUE(library_.Initialise(receiver_.Handle()));
  const TDonneesHook first = *e2e::ReadHookSection();
  EXPECT_FALSE(library_.Initialise(receiver_.Handle()));
  EXPECT_FALSE(library_.Initialise(second.Handle()));
  EXPECT_FALSE(library_.Initialise(nullptr));
  TDonneesHook now = *e2e::ReadHookSection();
  EXPECT_EQ(now.HandleHook, first.HandleHook) << "the first hook must stay in place";
  EXPECT_EQ(now.HandleReceiver, receiverBits(receiver_.Handle()));

  library_.Finalise();
  now = *e2e::ReadHookSection();
  EXPECT_EQ(now.HandleHook, 0u);
  EXPECT_EQ(now.HandleReceiver, receiverBits(receiver_.Handle())) << "the receiver is kept";
  library_.Finalise();  // nothing recorded: nothing happens
  EXPECT_EQ(e2e::ReadHookSection()->HandleHook, 0u);

  ASSERT_TRUE(library_.Initialise(second.Handle())) << "after finalisation it succeeds again";
  EXPECT_EQ(e2e::ReadHookSection()->HandleReceiver, receiverBits(second.Handle()));
  ASSERT_TRUE(e2e::XdoTool(L"mousemove " + Point(target_.Centre()) + L" click 1"));
  EXPECT_TRUE(e2e::WaitUntil([&] { return second.Count(0x0201) == 1; }));
  EXPECT_EQ(receiver_.Count(0x0201), 0);

  // A hook whose receiver is gone (its program ended without finalising)
  // does not keep the next one out.
  second.Destroy();
  EXPECT_TRUE(library_.Initialise(receiver_.Handle()));
  EXPECT_EQ(e2e::ReadHookSection()->HandleReceiver, receiverBits(receiver_.Handle()));
}

}  // namespace
