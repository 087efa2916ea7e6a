#include "service/HookMouseXP.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace vxl {
namespace {

constexpr TShiftStateEx kEverything{ssShift,  ssAlt, ssCtrl,     ssLeft, ssRight,
                                    ssMiddle, ssWin, ssPrevious, ssNext};

TMouseHookData Record(std::int32_t msg, std::uint32_t mouseData = 0) {
  return {msg, 10, 20, 0x1234, 1, 0, mouseData};
}

// --- decoding ---------------------------------------------------------------

struct DecodeCase {
  std::int32_t msg;
  MouseEventKind kind;
  TMouseButtonEx button;
  bool clientArea;
  TShiftStateEx removed;
};

// The message table, written out by hand.
const DecodeCase kTable[] = {
    {0x0200, MouseEventKind::Move, mbxLeft, true, {}},
    {0x00A0, MouseEventKind::Move, mbxLeft, false, {}},
    {0x0201, MouseEventKind::Down, mbxLeft, true, {ssLeft}},
    {0x0202, MouseEventKind::Up, mbxLeft, true, {}},
    {0x0204, MouseEventKind::Down, mbxRight, true, {ssRight}},
    {0x0205, MouseEventKind::Up, mbxRight, true, {}},
    {0x0207, MouseEventKind::Down, mbxMiddle, true, {ssMiddle}},
    {0x0208, MouseEventKind::Up, mbxMiddle, true, {}},
    {0x00A1, MouseEventKind::Down, mbxLeft, false, {ssLeft}},
    {0x00A2, MouseEventKind::Up, mbxLeft, false, {}},
    {0x00A4, MouseEventKind::Down, mbxRight, false, {ssRight}},
    {0x00A5, MouseEventKind::Up, mbxRight, false, {}},
    {0x00A7, MouseEventKind::Down, mbxMiddle, false, {ssMiddle}},
    {0x00A8, MouseEventKind::Up, mbxMiddle, false, {}},
    {0x020A, MouseEventKind::Wheel, mbxLeft, true, {}},
};

TEST(HookMouseXPDecode, EveryListedMessageGivesItsKindButtonAreaAndShift) {
  for (const DecodeCase& c : kTable) {
    for (TShiftStateEx sampled : {TShiftStateEx{}, kEverything, TShiftStateEx{ssCtrl}}) {
      const TDecodedMouseMessage d = DecodeMouseMessage(Record(c.msg), sampled);
      SCOPED_TRACE(testing::Message()
                   << "msg 0x" << std::hex << c.msg << " sampled 0x" << sampled.Bits());
      EXPECT_EQ(d.kind, c.kind);
      if (c.kind == MouseEventKind::Down || c.kind == MouseEventKind::Up) {
        EXPECT_EQ(d.button, c.button);
      }
      EXPECT_EQ(d.clientArea, c.clientArea);
      EXPECT_EQ(d.shift, sampled.Without(c.removed));
    }
  }
}

TEST(HookMouseXPDecode, XButtonsAreNamedByTheHighWordAndDropBothXButtonsOnPress) {
  struct XCase {
    std::int32_t msg;
    std::uint32_t mouseData;
    MouseEventKind kind;
    TMouseButtonEx button;
    bool clientArea;
  };
  const XCase cases[] = {
      {0x020B, 0x00010020, MouseEventKind::Down, mbxPrevious, true},  // low word: MK_XBUTTON1
      {0x020B, 0x00020040, MouseEventKind::Down, mbxNext, true},
      {0x020C, 0x00010000, MouseEventKind::Up, mbxPrevious, true},
      {0x020C, 0x00020000, MouseEventKind::Up, mbxNext, true},
      {0x00AB, 0x00010000, MouseEventKind::Down, mbxPrevious, false},
      {0x00AC, 0x00020000, MouseEventKind::Up, mbxNext, false},
      {0x020B, 0x00000000, MouseEventKind::Down, mbxUnknownX, true},
      {0x020C, 0x00030000, MouseEventKind::Up, mbxUnknownX, true},
      {0x00AB, 0xFFFF0000, MouseEventKind::Down, mbxUnknownX, false},
  };
  const TShiftStateEx held{ssPrevious, ssNext, ssRight, ssShift};
  for (const XCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "msg 0x" << std::hex << c.msg << " data " << c.mouseData);
    const TDecodedMouseMessage d = DecodeMouseMessage(Record(c.msg, c.mouseData), held);
    EXPECT_EQ(d.kind, c.kind);
    EXPECT_EQ(static_cast<int>(d.button), static_cast<int>(c.button));
    EXPECT_EQ(d.clientArea, c.clientArea);
    const TShiftStateEx expected =
        c.kind == MouseEventKind::Down ? TShiftStateEx{ssRight, ssShift} : held;
    EXPECT_EQ(d.shift, expected);
  }
  EXPECT_EQ(static_cast<int>(mbxUnknownX), 9);
}

TEST(HookMouseXPDecode, APressKeepsTheOtherButtonsHeld) {
  const TDecodedMouseMessage left = DecodeMouseMessage(Record(kWmLButtonDown), {ssRight, ssLeft});
  EXPECT_EQ(left.button, mbxLeft);
  EXPECT_EQ(left.shift, (TShiftStateEx{ssRight}));
  // The release reports the sampled state as it is.
  const TDecodedMouseMessage up = DecodeMouseMessage(Record(kWmLButtonUp), {ssRight, ssLeft});
  EXPECT_EQ(up.shift, (TShiftStateEx{ssRight, ssLeft}));
}

TEST(HookMouseXPDecode, UnlistedMessagesAreOfNoKindAndKeepTheSampledState) {
  const std::int32_t unlisted[] = {kWmMouseHWheel, 0x0000, 0x0100,    0x020F,
                                   0x00A9 + 1,     -1,     0x7FFFFFFF};
  for (std::int32_t msg : unlisted) {
    const TDecodedMouseMessage d = DecodeMouseMessage(Record(msg, 0xFF880000), kEverything);
    EXPECT_EQ(d.kind, MouseEventKind::None) << "msg 0x" << std::hex << msg;
    EXPECT_EQ(d.shift, kEverything);
    EXPECT_EQ(d.wheelDelta, 0);
  }
}

TEST(HookMouseXPDecode, ADoubleClickIsAPressMarkedDouble) {
  struct DoubleCase {
    std::int32_t msg;
    std::uint32_t mouseData;
    TMouseButtonEx button;
    bool clientArea;
    TShiftStateEx shift;  // the held set below, less the pressed button(s), plus ssDouble
  };
  const TShiftStateEx held{ssLeft, ssRight, ssMiddle, ssPrevious, ssNext, ssCtrl};
  const DoubleCase cases[] = {
      {0x0203, 0, mbxLeft, true, {ssRight, ssMiddle, ssPrevious, ssNext, ssCtrl, ssDouble}},
      {0x0206, 0, mbxRight, true, {ssLeft, ssMiddle, ssPrevious, ssNext, ssCtrl, ssDouble}},
      {0x0209, 0, mbxMiddle, true, {ssLeft, ssRight, ssPrevious, ssNext, ssCtrl, ssDouble}},
      {0x020D, 0x00010000, mbxPrevious, true, {ssLeft, ssRight, ssMiddle, ssCtrl, ssDouble}},
      {0x00A3, 0, mbxLeft, false, {ssRight, ssMiddle, ssPrevious, ssNext, ssCtrl, ssDouble}},
      {0x00A6, 0, mbxRight, false, {ssLeft, ssMiddle, ssPrevious, ssNext, ssCtrl, ssDouble}},
      {0x00A9, 0, mbxMiddle, false, {ssLeft, ssRight, ssPrevious, ssNext, ssCtrl, ssDouble}},
      {0x00AD, 0x00020000, mbxNext, false, {ssLeft, ssRight, ssMiddle, ssCtrl, ssDouble}},
  };
  for (const DoubleCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "msg 0x" << std::hex << c.msg);
    const TDecodedMouseMessage d = DecodeMouseMessage(Record(c.msg, c.mouseData), held);
    EXPECT_EQ(d.kind, MouseEventKind::Down);
    EXPECT_EQ(static_cast<int>(d.button), static_cast<int>(c.button));
    EXPECT_EQ(d.clientArea, c.clientArea);
    EXPECT_EQ(d.shift, c.shift);
  }
}

TEST(HookMouseXPDecode, WheelTowardsTheUserIsAlwaysOneNotchAwayIsAsReported) {
  struct WheelCase {
    std::int16_t reported;
    std::int32_t delta;
  };
  const WheelCase cases[] = {{-120, -120}, {120, 120}, {-30, -120}, {30, 30},       {-240, -120},
                             {240, 240},   {0, 0},     {-1, -120},  {32767, 32767}, {-32768, -120}};
  for (const WheelCase& c : cases) {
    // Key flags in the low word must not leak into the delta.
    const std::uint32_t data =
        (static_cast<std::uint32_t>(static_cast<std::uint16_t>(c.reported)) << 16) | 0xFFFFu;
    EXPECT_EQ(DecodeMouseMessage(Record(kWmMouseWheel, data), {}).wheelDelta, c.delta)
        << "reported " << c.reported;
  }
}

TEST(HookMouseXPRecord, ReadsExactlyOneLittleEndianRecordAndNothingElse) {
  const std::uint8_t bytes[29] = {0x01, 0x02, 0x00, 0x00,  // Msg 0x0201
                                  0xFE, 0xFF, 0xFF, 0xFF,  // X -2
                                  0x00, 0x04, 0x00, 0x00,  // Y 1024
                                  0x78, 0x56, 0x34, 0x12,  // HandleWindow
                                  0x01, 0x00, 0x00, 0x00,  // HitTestCode HTCLIENT
                                  0xEF, 0xBE, 0xAD, 0xDE,  // ExtraInfo
                                  0x20, 0x00, 0x02, 0x00,  // MouseData: X button 2, MK_XBUTTON1
                                  0xAA};
  TMouseHookData data{};
  ASSERT_TRUE(ReadMouseHookData(bytes, 28, data));
  EXPECT_EQ(data.Msg, 0x0201);
  EXPECT_EQ(data.X, -2);
  EXPECT_EQ(data.Y, 1024);
  EXPECT_EQ(data.HandleWindow, 0x12345678u);
  EXPECT_EQ(data.HitTestCode, 1u);
  EXPECT_EQ(data.ExtraInfo, 0xDEADBEEFu);
  EXPECT_EQ(data.MouseData, 0x00020020u);

  for (std::size_t size :
       {std::size_t{0}, std::size_t{1}, std::size_t{27}, std::size_t{29}, std::size_t{612}}) {
    TMouseHookData untouched{7, 7, 7, 7, 7, 7, 7};
    EXPECT_FALSE(ReadMouseHookData(bytes, size, untouched)) << size;
    EXPECT_EQ(untouched.Msg, 7);
  }
  EXPECT_FALSE(ReadMouseHookData(nullptr, 28, data));
}

TEST(HookMouseXPRecord, WindowHandlesWidenAsTheSystemDoes) {
  EXPECT_EQ(WindowFromRecord(0x00012345u), WindowRef{0x12345});
  EXPECT_EQ(WindowFromRecord(0u), WindowRef{0});
  // Handles are sign-extended when they grow to 64 bits.
  EXPECT_EQ(static_cast<std::intptr_t>(WindowFromRecord(0xFFFFFFFEu)), -2);
}

TEST(HookMouseXPShift, SamplesTenKeysIntoTheirElements) {
  struct KeyCase {
    int virtualKey;
    TShiftStateEx expected;
  };
  const KeyCase cases[] = {
      {0x01, {ssLeft}},     {0x02, {ssRight}}, {0x04, {ssMiddle}}, {0x10, {ssShift}},
      {0x11, {ssCtrl}},     {0x12, {ssAlt}},   {0x5B, {ssWin}},    {0x5C, {ssWin}},
      {0x05, {ssPrevious}}, {0x06, {ssNext}},  {0xA0, {}},         {0x03, {}},
  };
  for (const KeyCase& c : cases) {
    const TShiftStateEx shift = SampleShiftState([&](int vk) { return vk == c.virtualKey; });
    EXPECT_EQ(shift, c.expected) << "virtual key 0x" << std::hex << c.virtualKey;
  }
  const TShiftStateEx all = SampleShiftState([](int) { return true; });
  EXPECT_EQ(all, kEverything);
  EXPECT_FALSE(all.Contains(ssDouble));
  int queried = 0;
  SampleShiftState([&](int) { return ++queried, false; });
  EXPECT_EQ(queried, 10);
}

// --- the component -----------------------------------------------------------

class FakeLibrarySystem : public IHookLibrarySystem {
 public:
  bool libraryFound = true;
  bool hasInitialisation = true;
  bool hasFinalisation = true;
  bool initialisationSucceeds = true;
  std::vector<std::string> calls;

  bool LoadHookLibrary(const std::string& path) override {
    calls.push_back("load " + path);
    return libraryFound;
  }
  bool BindInitialisationHook() override { return hasInitialisation; }
  bool BindFinalisationHook() override { return hasFinalisation; }
  bool CallInitialisationHook() override {
    calls.push_back("init");
    return initialisationSucceeds;
  }
  void CallFinalisationHook() override { calls.push_back("fin"); }
  void FreeHookLibrary() override { calls.push_back("free"); }
  void ShowMessage(const std::string& text) override { calls.push_back("box " + text); }
};

using Calls = std::vector<std::string>;

TEST(HookMouseXPComponent, LoadsByNameOnlyWhenEnabledAndLoaded) {
  FakeLibrarySystem system;
  {
    THookMouseXP hook(system);
    EXPECT_TRUE(hook.Enabled());
    EXPECT_TRUE(system.calls.empty()) << "nothing loads before the properties are read";
    hook.Loaded();
    EXPECT_EQ(system.calls, (Calls{"load ZARTHOOK.DLL", "init"}));
    EXPECT_TRUE(hook.LibraryLoaded());
    EXPECT_TRUE(hook.Hooked());
  }
  EXPECT_EQ(system.calls, (Calls{"load ZARTHOOK.DLL", "init", "fin", "free"}));

  FakeLibrarySystem designedOff;
  {
    THookMouseXP hook(designedOff, false);
    hook.Loaded();
    hook.SetDirectoryDll("C:\\Program Files\\Vexilor");
    hook.SetEnabled(true);
    EXPECT_EQ(designedOff.calls, (Calls{"load C:\\Program Files\\Vexilor\\ZARTHOOK.DLL", "init"}));
    hook.SetEnabled(true);
    EXPECT_EQ(designedOff.calls.size(), 2u) << "the same value must do nothing";
    hook.SetEnabled(false);
    EXPECT_EQ(designedOff.calls.back(), "free");
    hook.SetEnabled(false);
  }
  EXPECT_EQ(designedOff.calls,
            (Calls{"load C:\\Program Files\\Vexilor\\ZARTHOOK.DLL", "init", "fin", "free"}))
      << "a disabled component unloads nothing at its end";
}

TEST(HookMouseXPComponent, FailuresShowTheirTextsAndLeaveTheComponentEnabled) {
  FakeLibrarySystem missing;
  missing.libraryFound = false;
  {
    THookMouseXP hook(missing, false);
    hook.SetDirectoryDll("D:\\x\\");
    hook.SetEnabled(true);
    EXPECT_TRUE(hook.Enabled());
    EXPECT_FALSE(hook.LibraryLoaded());
  }
  EXPECT_EQ(missing.calls, (Calls{"load D:\\x\\ZARTHOOK.DLL",
                                  "box Dll non trouv\xC3\xA9"
                                  "e : D:\\x\\ZARTHOOK.DLL"}))
      << "nothing was loaded, so nothing is finalised or freed";

  FakeLibrarySystem refused;
  refused.initialisationSucceeds = false;
  {
    THookMouseXP hook(refused, false);
    hook.SetEnabled(true);
    EXPECT_TRUE(hook.LibraryLoaded()) << "the library stays loaded";
  }
  EXPECT_EQ(refused.calls, (Calls{"load ZARTHOOK.DLL", "init",
                                  "box Erreur \xC3\xA0 l'initialisation du Hook", "free"}))
      << "the hook recorded by someone else must stay in place";

  FakeLibrarySystem noExports;
  noExports.hasInitialisation = false;
  noExports.hasFinalisation = false;
  {
    THookMouseXP hook(noExports, false);
    hook.SetEnabled(true);
    hook.SetEnabled(false);
  }
  EXPECT_EQ(noExports.calls, (Calls{"load ZARTHOOK.DLL", "free"})) << "silently no hook";
}

TEST(HookMouseXPComponent, DirectoryDllEndsWithABackslashUnlessEmpty) {
  FakeLibrarySystem system;
  THookMouseXP hook(system, false);
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\Vxl", "C:\\Vxl\\"}, {"C:\\Vxl\\", "C:\\Vxl\\"}, {"", ""}, {"\\", "\\"}, {"a/", "a/\\"}};
  for (const auto& [given, stored] : cases) {
    hook.SetDirectoryDll(given);
    EXPECT_EQ(hook.DirectoryDll(), stored) << given;
  }
}

// Records the events of one component, and optionally stops in one of them.
class HookMouseXPEvents : public ::testing::Test {
 protected:
  void SetUp() override {
    hook_.OnMouseMessage = [this](THookMouseXP&, std::int32_t msg, std::int32_t x, std::int32_t y,
                                  WindowRef wnd, std::uint32_t, std::uint32_t,
                                  std::uint32_t mouseData, bool& stop) {
      log_.push_back("message " + std::to_string(msg) + " " + std::to_string(x) + "," +
                     std::to_string(y) + " wnd " + std::to_string(wnd) + " data " +
                     std::to_string(mouseData));
      stop = stop || stopIn_ == "message";
    };
    hook_.OnMouseMove = [this](THookMouseXP&, TShiftStateEx shift, std::int32_t, std::int32_t,
                               WindowRef, std::uint32_t, std::uint32_t, bool clientArea,
                               bool& stop) {
      log_.push_back("move shift " + std::to_string(shift.Bits()) +
                     (clientArea ? " client" : " frame") + Seen(stop));
      stop = stop || stopIn_ == "move";
    };
    hook_.OnMouseDown = ButtonHandler("down");
    hook_.OnMouseUp = ButtonHandler("up");
    hook_.OnMouseWheel = [this](THookMouseXP&, TShiftStateEx, std::int32_t delta, Point pos,
                                WindowRef, bool& stop) {
      log_.push_back("wheel " + std::to_string(delta) + " at " + std::to_string(pos.x) + "," +
                     std::to_string(pos.y));
      stop = stop || stopIn_ == "wheel";
    };
    hook_.OnMouseWheelDown = WheelHandler("wheel down");
    hook_.OnMouseWheelUp = WheelHandler("wheel up");
  }

  static std::string Seen(bool stop) { return stop ? " (stopped)" : ""; }

  TMouseHookEvent ButtonHandler(std::string name) {
    return [this, name](THookMouseXP&, TMouseButtonEx button, TShiftStateEx shift, std::int32_t,
                        std::int32_t, WindowRef, std::uint32_t, std::uint32_t, std::uint32_t,
                        bool clientArea, bool& stop) {
      log_.push_back(name + " button " + std::to_string(button) + " shift " +
                     std::to_string(shift.Bits()) + (clientArea ? " client" : " frame") +
                     Seen(stop));
      stop = stop || stopIn_ == name;
    };
  }
  TMouseWheelUpDownHookEvent WheelHandler(std::string name) {
    return [this, name](THookMouseXP&, TShiftStateEx, Point, WindowRef, bool& stop) {
      log_.push_back(name + Seen(stop));
      stop = stop || stopIn_ == name;
    };
  }

  std::intptr_t Forward(std::int32_t msg, std::uint32_t mouseData = 0, TShiftStateEx sampled = {}) {
    const TMouseHookData data{msg, 300, 200, 0x4242, 1, 0, mouseData};
    return hook_.HandleForwardedMessage(&data, sizeof data, sampled);
  }

  FakeLibrarySystem system_;
  THookMouseXP hook_{system_, false};
  std::vector<std::string> log_;
  std::string stopIn_;
};

TEST_F(HookMouseXPEvents, TheRawMessageComesFirstThenItsTypedEvent) {
  EXPECT_EQ(Forward(kWmLButtonDown, 0, {ssLeft, ssRight}), 0);
  EXPECT_EQ(Forward(kWmNcMouseMove, 0, {ssShift}), 0);
  EXPECT_EQ(log_, (Calls{"message 513 300,200 wnd 16962 data 0", "down button 0 shift 16 client",
                         "message 160 300,200 wnd 16962 data 0", "move shift 1 frame"}));
}

TEST_F(HookMouseXPEvents, TheHorizontalWheelReachesOnlyTheRawEvent) {
  Forward(kWmMouseHWheel, 0x00780000);
  Forward(kWmLButtonUp);
  EXPECT_EQ(log_, (Calls{"message 526 300,200 wnd 16962 data 7864320",
                         "message 514 300,200 wnd 16962 data 0", "up button 0 shift 0 client"}));
}

TEST_F(HookMouseXPEvents, WheelFiresTheDeltaThenItsDirection) {
  const std::pair<std::uint32_t, Calls> cases[] = {
      {0xFF880000, {"wheel -120 at 300,200", "wheel down"}},
      {0x00780000, {"wheel 120 at 300,200", "wheel up"}},
      {0xFFE20000, {"wheel -120 at 300,200", "wheel down"}},  // -30
      {0x001E0000, {"wheel 30 at 300,200", "wheel up"}},
      {0x00000000, {"wheel 0 at 300,200"}},
  };
  hook_.OnMouseMessage = nullptr;
  for (const auto& [data, expected] : cases) {
    log_.clear();
    EXPECT_EQ(Forward(kWmMouseWheel, data), 0);
    EXPECT_EQ(log_, expected) << std::hex << data;
  }
}

TEST_F(HookMouseXPEvents, AnyHandlerSettingStopMsgSwallowsAndLaterHandlersSeeIt) {
  const std::pair<std::string, std::int32_t> cases[] = {
      {"message", kWmLButtonDown}, {"down", kWmRButtonDown}, {"up", kWmMButtonUp},
      {"move", kWmMouseMove},      {"wheel", kWmMouseWheel}, {"wheel down", kWmMouseWheel}};
  for (const auto& [stopIn, msg] : cases) {
    stopIn_ = stopIn;
    log_.clear();
    EXPECT_EQ(Forward(msg, 0xFF880000), 1) << "stopped in " << stopIn;
    EXPECT_EQ(Forward(kWmMouseMove), stopIn == "move" || stopIn == "message" ? 1 : 0)
        << "StopMsg must start false for every message";
  }
  stopIn_ = "message";
  log_.clear();
  Forward(kWmXButtonDown, 0x00010000, {ssPrevious, ssNext});
  EXPECT_EQ(log_.back(), "down button 3 shift 0 client (stopped)");
  stopIn_ = "wheel";
  log_.clear();
  Forward(kWmMouseWheel, 0x00780000);
  EXPECT_EQ(log_.back(), "wheel up (stopped)");
}

TEST_F(HookMouseXPEvents, StopMessageSwallowsEveryMouseMessageEvenWithoutHandlers) {
  THookMouseXP bare(system_, false);
  bare.SetStopMessage(true);
  for (std::int32_t msg :
       {kWmMouseMove, kWmLButtonDown, kWmLButtonDblClk, kWmMouseHWheel, kWmNcXButtonUp, 0x0000}) {
    const TMouseHookData data{msg, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(bare.HandleForwardedMessage(&data, sizeof data, {}), 1) << msg;
  }
  bare.SetStopMessage(false);
  const TMouseHookData move{kWmMouseMove, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(bare.HandleForwardedMessage(&move, sizeof move, {}), 0);
}

TEST_F(HookMouseXPEvents, ABlockThatIsNotOneRecordIsAnsweredZeroUnread) {
  hook_.SetStopMessage(true);
  stopIn_ = "message";
  std::uint8_t block[64] = {};
  std::memcpy(block, &kWmLButtonDown, sizeof kWmLButtonDown);
  for (std::size_t size :
       {std::size_t{0}, std::size_t{4}, std::size_t{27}, std::size_t{29}, std::size_t{64}}) {
    EXPECT_EQ(hook_.HandleForwardedMessage(block, size, {}), 0) << size;
  }
  EXPECT_EQ(hook_.HandleForwardedMessage(nullptr, 28, {}), 0);
  EXPECT_TRUE(log_.empty()) << "no event for a block that is not a record";
}

}  // namespace
}  // namespace vxl
