#include "service/uformMouseLoc.h"

#include <gtest/gtest.h>

#include <vector>

#include "FakeServiceHost.h"
#include "service/uformMain.h"

namespace vxl {
namespace {

constexpr Size kScreen{1280, 1024};

TEST(LocatorWindowSize, ReachesFortyBeyondThePointerWithinTheScreen) {
  const struct {
    Point pointer;
    Size size;
  } cases[] = {
      {{1000, 700}, {1040, 740}}, {{1270, 1020}, {1280, 1024}},  // clamped on both axes
      {{1250, 500}, {1280, 540}}, {{0, 0}, {40, 40}},
      {{-1, -1}, {39, 39}},       {{-500, -100}, {0, 0}},  // left of and above the primary screen
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LocatorWindowSize(c.pointer, kScreen), c.size) << c.pointer.x << ", " << c.pointer.y;
  }
}

TEST(LayeredAttributes, FollowTheRecordsModes) {
  TConfigRecord config;
  ResetToDefaults(config);
  EXPECT_EQ(ChooseLayeredAttributes(config),
            (LayeredAttributes{0, 255, false, PaintRoutine::Full}));
  config.backgroundTinted = true;  // no effect outside performance mode
  EXPECT_EQ(ChooseLayeredAttributes(config),
            (LayeredAttributes{0, 255, false, PaintRoutine::Full}));

  config.performanceMode = true;
  config.backgroundTinted = false;
  EXPECT_EQ(ChooseLayeredAttributes(config).routine, PaintRoutine::BarsAndArrow);
  config.arrowBarWidth = 0;
  EXPECT_EQ(ChooseLayeredAttributes(config),
            (LayeredAttributes{0, 255, false, PaintRoutine::BarsOnly}));
  config.arrowBarWidth = -6;  // not 0: the arrow routine, which skips the arrow
  EXPECT_EQ(ChooseLayeredAttributes(config).routine, PaintRoutine::BarsAndArrow);

  config.backgroundTinted = true;
  config.backgroundTransparency = 200;
  EXPECT_EQ(ChooseLayeredAttributes(config),
            (LayeredAttributes{Rgb(255, 129, 129), 55, true, PaintRoutine::BarsAndArrow}));
}

TEST(FramePeriod, ZeroFallsBackToTheDefault) {
  EXPECT_EQ(EffectiveFramePeriodMs(40), 40u);
  EXPECT_EQ(EffectiveFramePeriodMs(70), 70u);
  EXPECT_EQ(EffectiveFramePeriodMs(0), 40u);
  EXPECT_EQ(EffectiveFramePeriodMs(65535), 65535u);
}

TEST(ShowAt, RefusedOnlyWhenTheFilterFrameLiesAboveAndLeft) {
  EXPECT_FALSE(ShowAtRefused({400, 300}, std::nullopt));
  EXPECT_TRUE(ShowAtRefused({400, 300}, Point{300, 200}));
  EXPECT_FALSE(ShowAtRefused({250, 300}, Point{300, 200}));
  EXPECT_FALSE(ShowAtRefused({300, 300}, Point{300, 200}));  // strictly less
  EXPECT_FALSE(ShowAtRefused({-1, -1}, Point{0, 0}));
}

class LocatorTickTest : public ::testing::Test {
 protected:
  TickContext At(Point target) {
    TickContext context;
    context.target = target;
    context.taskbarRect = {0, 994, 1280, 1024};
    context.screen = kScreen;
    return context;
  }
  LocatorPositions positions_;
};

TEST_F(LocatorTickTest, MovedPointerResizesAndRepaints) {
  positions_.currentPosition.Store({500, 500});
  const TickDecision d = LocatorTick(positions_, false, At({1000, 700}));
  EXPECT_EQ(d.action, TickAction::Resize);
  EXPECT_EQ(d.flags, 0x11Eu);
  EXPECT_EQ(d.size, (Size{1040, 740}));
  EXPECT_TRUE(d.repaint);
  EXPECT_EQ(positions_.previousPosition.Load(), (Point{500, 500}));
  EXPECT_EQ(positions_.currentPosition.Load(), (Point{1000, 700}));
}

TEST_F(LocatorTickTest, StillPointerReordersAndRepaintsOnlyInFullMode) {
  positions_.currentPosition.Store({600, 400});
  TickDecision d = LocatorTick(positions_, false, At({600, 400}));
  EXPECT_EQ(d.action, TickAction::Reorder);
  EXPECT_EQ(d.flags, 0x11Fu);
  EXPECT_TRUE(d.repaint) << "full mode shows a fresh capture every tick";

  TickContext fast = At({600, 400});
  fast.performanceMode = true;
  d = LocatorTick(positions_, false, fast);
  EXPECT_EQ(d.action, TickAction::Reorder);
  EXPECT_FALSE(d.repaint);
  EXPECT_EQ(positions_.previousPosition.Load(), (Point{600, 400}));
}

TEST_F(LocatorTickTest, OverTheTaskbarTheWindowIsReordered) {
  positions_.currentPosition.Store({600, 1000});
  EXPECT_EQ(LocatorTick(positions_, false, At({600, 1000})).flags, 0x11Bu);
  const TickDecision moved = LocatorTick(positions_, false, At({700, 1010}));
  EXPECT_EQ(moved.action, TickAction::Resize);
  EXPECT_EQ(moved.flags, 0x11Au);
  EXPECT_EQ(moved.size, (Size{740, 1024}));
  // Just above the taskbar the z-order is left alone.
  EXPECT_EQ(LocatorTick(positions_, false, At({700, 993})).flags, 0x11Eu);
  // No taskbar at all: never re-ordered.
  TickContext noTaskbar = At({100, 1010});
  noTaskbar.taskbarRect = {};
  EXPECT_EQ(LocatorTick(positions_, false, noTaskbar).flags, 0x11Eu);
}

TEST_F(LocatorTickTest, ClampedSizeStillRepaintsWhenThePointerMoves) {
  positions_.currentPosition.Store({1265, 1015});
  const TickDecision d = LocatorTick(positions_, false, At({1270, 1020}));
  EXPECT_EQ(d.action, TickAction::Resize);
  EXPECT_EQ(d.size, (Size{1280, 1024}));
  EXPECT_TRUE(d.repaint);
}

TEST_F(LocatorTickTest, FilterWindowUnderThePointerHidesTheLocator) {
  positions_.currentPosition.Store({100, 100});
  TickContext context = At({400, 300});
  context.filterLensOrigin = Point{300, 200};
  EXPECT_EQ(LocatorTick(positions_, false, context).action, TickAction::Hide);
  context.target = {250, 300};
  EXPECT_EQ(LocatorTick(positions_, false, context).action, TickAction::Resize);
  // A still pointer is re-ordered, not hidden: the filter test follows a move.
  EXPECT_EQ(LocatorTick(positions_, false, context).action, TickAction::Reorder);
}

TEST_F(LocatorTickTest, FirstTickAfterShowAtAlwaysResizes) {
  positions_.previousPosition.Store({-1, -1});
  positions_.currentPosition.Store({-1, -1});
  const TickDecision d = LocatorTick(positions_, false, At({0, 0}));
  EXPECT_EQ(d.action, TickAction::Resize);
  EXPECT_EQ(d.size, (Size{40, 40}));
}

TEST_F(LocatorTickTest, NothingHappensWhileTheWindowIsMoved) {
  positions_.currentPosition.Store({10, 10});
  positions_.previousPosition.Store({5, 5});
  EXPECT_EQ(LocatorTick(positions_, true, At({900, 900})).action, TickAction::Nothing);
  EXPECT_EQ(positions_.currentPosition.Load(), (Point{10, 10}));
  EXPECT_EQ(positions_.previousPosition.Load(), (Point{5, 5}));
}

class AutoTracking : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetToDefaults(config_);
    config_.autoShowOnMove = true;
    config_.autoShowDistance = 90;
  }
  TConfigRecord config_;
};

TEST_F(AutoTracking, ShowsOnceOneAxisExceedsTheDistance) {
  const Point rest{500, 500};
  EXPECT_TRUE(AutoShowWanted(1, config_, false, {591, 500}, rest));
  EXPECT_TRUE(AutoShowWanted(1, config_, false, {500, 409}, rest));
  EXPECT_FALSE(AutoShowWanted(1, config_, false, {590, 590}, rest));
  EXPECT_FALSE(AutoShowWanted(1, config_, true, {900, 900}, rest)) << "already visible";
  EXPECT_FALSE(AutoShowWanted(2, config_, false, {900, 900}, rest)) << "configuration mode";
  config_.autoShowOnMove = false;
  EXPECT_FALSE(AutoShowWanted(1, config_, false, {900, 900}, rest));
}

TEST_F(AutoTracking, HidesAtACheckWhenTheLastTwoTicksAgree) {
  EXPECT_TRUE(AutoHideWanted(1, config_, true, {300, 300}, {300, 300}));
  EXPECT_FALSE(AutoHideWanted(1, config_, true, {300, 300}, {301, 300}));
  EXPECT_FALSE(AutoHideWanted(1, config_, false, {300, 300}, {300, 300}));
  EXPECT_FALSE(AutoHideWanted(2, config_, true, {300, 300}, {300, 300}));
  config_.autoHideOnIdle = false;
  EXPECT_FALSE(AutoHideWanted(1, config_, true, {300, 300}, {300, 300}));
}

TEST(MovementTest, SlowDriftAddsUpFromWhereTheLocatorLastWas) {
  FakeHost host;
  TServiceCore core(host);
  core.Config().autoShowOnMove = true;
  core.Positions().currentPosition.Store({500, 500});
  for (int x = 510; x <= 590; x += 10) core.MovementTest({x, 500});
  EXPECT_TRUE(host.calls.empty());
  core.MovementTest({591, 500});
  EXPECT_EQ(host.calls, (Calls{"ShowPointerLocator 591,500 show"}));
  // Shown: moves never ask again.
  core.MovementTest({1200, 900});
  EXPECT_EQ(host.calls.size(), 1u);
}

TEST(MovementTest, ConfigurationModeAndTheDefaultRecordNeverShow) {
  FakeHost host;
  TServiceCore core(host);
  core.MovementTest({900, 900});  // autoShowOnMove is off by default
  core.Config().autoShowOnMove = true;
  core.State().serviceMode = kServiceModeConfiguration;
  core.MovementTest({900, 900});
  EXPECT_TRUE(host.calls.empty());
}

}  // namespace
}  // namespace vxl
