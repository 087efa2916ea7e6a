#include "config/uformConfig.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "common/ServiceProtocol.h"

namespace vxl {
namespace {

// The catalogue of these tests names each text by its key. (Appending, not
// operator+ on a literal: GCC 12 warns falsely about the latter at -O3.)
std::string Key(std::string_view key) {
  std::string text(1, '<');
  text.append(key);
  text.push_back('>');
  return text;
}

TEST(ConfigPages, EveryNodeHasItsParentBeforeItAndThePreviewPagesAreTheFour) {
  for (int i = 0; i < kConfigPageCount; ++i) {
    const int parent = kConfigTree[i].parent;
    EXPECT_LT(parent, i) << "node " << i;
    if (parent >= 0) {
      EXPECT_EQ(kConfigTree[parent].parent, -1) << "two levels only, node " << i;
      EXPECT_NE(kConfigPages[i].frame, ConfigFrame::ShortCuts) << "a leaf shows its page";
    }
  }
  // The parents show the placeholder.
  for (int parent : {1, 4, 10}) EXPECT_EQ(kConfigPages[parent].frame, ConfigFrame::ShortCuts);
  std::vector<int> previews;
  for (int i = 0; i < kConfigPageCount; ++i) {
    if (kConfigPages[i].pointerPreview) previews.push_back(i);
  }
  EXPECT_EQ(previews, (std::vector<int>{0, 6, 7, 8}));
  EXPECT_EQ(kConfigPages[kInterfacePage].helpKeyword, nullptr) << "Interface keeps the keyword";
  EXPECT_EQ(kConfigPages[kCaretPage].frame, ConfigFrame::Caret);
  EXPECT_EQ(kConfigPages[kKeyboardPage].frame, ConfigFrame::ShortcutsKeys);
  EXPECT_EQ(TreeCaptionKey(13), "Tree+13");
}

class ConfigWindowStateTest : public ::testing::Test {
 protected:
  TProgramSettings Settings() {
    return TProgramSettings(files_, boxes_, {folder_.Root(), "bob", 0});
  }
  void WriteSettings(const std::string& content) {
    folder_.Write("Users\\bob\\VexilorConfig.ini", content);
  }

  test::TempFolder folder_;
  test::FaultyFileSystem files_;
  test::RecordingBoxes boxes_;
};

TEST_F(ConfigWindowStateTest, ScaleAndLastFrameAreKeptInTheirRanges) {
  const struct {
    const char* ini;
    int scale, tab, page;
  } cases[] = {
      {"", 1000, 0, 0},
      {"[Interface]\r\nScale=1250\r\nLastFrame=6\r\nLastShKTab=2\r\n", 1250, 2, 6},
      {"[Interface]\r\nScale=3000\r\nLastFrame=99\r\n", 1750, 0, 13},
      {"[Interface]\r\nScale=500\r\nLastFrame=-5\r\n", 1000, 0, 0},
      {"[Interface]\r\nScale=abc\r\nLastFrame=\r\n", 1000, 0, 0},
  };
  for (const auto& c : cases) {
    WriteSettings(c.ini);
    auto settings = Settings();
    const ConfigWindowState state = ReadWindowState(settings);
    EXPECT_EQ(state.zoomScale, c.scale) << c.ini;
    EXPECT_EQ(state.lastShKTab, c.tab) << c.ini;
    EXPECT_EQ(state.page, c.page) << c.ini;
  }
}

TEST_F(ConfigWindowStateTest, SavingWritesTheFourKeysAndReadsBack) {
  WriteSettings("[Interface]\r\nHelpBrowser=x\r\n");
  auto settings = Settings();
  settings.SetCurrentLanguage("English");
  SaveWindowState(settings, 7, 1500, 1);
  const ConfigWindowState state = ReadWindowState(settings);
  EXPECT_EQ(state.page, 7);
  EXPECT_EQ(state.zoomScale, 1500);
  EXPECT_EQ(state.lastShKTab, 1);
  EXPECT_EQ(settings.ReadString("Lang", ""), "English");
  EXPECT_EQ(settings.ReadString("HelpBrowser", ""), "x") << "other keys are kept";
  SaveWindowState(settings, std::nullopt, 1000, 0);
  EXPECT_EQ(ReadWindowState(settings).page, 0) << "no selected node saves 0";
}

TEST(ConfigZoom, FactorFitAndFontSizeInIntegers) {
  EXPECT_EQ(ZoomFactor(1250, 1000), 1250);
  EXPECT_EQ(ZoomFactor(1000, 1250), 800);
  EXPECT_EQ(ZoomFactor(1750, 1500), 1166) << "truncating division";
  EXPECT_EQ(ZoomFactor(1000, 1000), 1000);
  // Work area 1000 high: 850 available.
  EXPECT_TRUE(ZoomFits(1000, 357, 1750));   // 624
  EXPECT_TRUE(ZoomFits(1000, 500, 1700));   // 850: exactly the room there is
  EXPECT_FALSE(ZoomFits(1000, 500, 1702));  // 851
  EXPECT_FALSE(ZoomFits(400, 357, 1000)) << "even 100 % may not fit a small screen";
  EXPECT_EQ(ZoomFontPoints(1000, 96), 10);
  EXPECT_EQ(ZoomFontPoints(1500, 96), 15);
  EXPECT_EQ(ZoomFontPoints(1000, 120), 8);
}

class FakeStarter : public IServiceStarter {
 public:
  std::vector<WindowRef> finds;  // answers of the successive searches
  bool starts = true;
  int started = 0;
  WindowRef FindServiceWindow() override {
    if (finds.empty()) return 0;
    const WindowRef found = finds.front();
    finds.erase(finds.begin());
    return found;
  }
  bool StartService() override {
    ++started;
    return starts;
  }
};

TEST(ConfigServiceLink, FindsStartsOrTellsWhy) {
  FakeStarter running;
  running.finds = {0x40};
  ServiceFind find = FindOrStartService(running, "C:\\P\\", Key);
  EXPECT_EQ(find.window, 0x40u);
  EXPECT_EQ(find.status, ServiceFindStatus::Found);
  EXPECT_EQ(running.started, 0) << "a running service is not started again";

  FakeStarter missing;
  missing.starts = false;
  find = FindOrStartService(missing, "C:\\P\\", Key);
  EXPECT_EQ(find.status, ServiceFindStatus::CannotStart);
  EXPECT_EQ(find.message, "C:\\P\\Vexilor2.exe\r\n<rsFileNotFound>");

  FakeStarter slow;
  find = FindOrStartService(slow, "C:\\P\\", Key);
  EXPECT_EQ(slow.started, 1);
  EXPECT_EQ(find.status, ServiceFindStatus::NotYetThere);
  EXPECT_EQ(find.message, "<rsWndNotFound>");

  FakeStarter quick;
  quick.finds = {0, 0x50};
  find = FindOrStartService(quick, "C:\\P\\", Key);
  EXPECT_EQ(find.window, 0x50u);
  EXPECT_EQ(find.status, ServiceFindStatus::Found);
}

class FakeCloseHost : public IConfigCloseHost {
 public:
  bool serviceKnown = true;
  // Answers of the service by message; absent: the send fails.
  std::map<std::uint32_t, std::intptr_t> answers{{WM_VXL_RELOAD, 1}, {WM_VXL_SETMODE, 1}};
  std::vector<std::string> calls;

  void ReloadDefaultProfile() override { calls.push_back("reload profile"); }
  bool SendConfig() override {
    calls.push_back("send config");
    return serviceKnown;
  }
  void SaveWindowState() override { calls.push_back("save state"); }
  std::optional<std::intptr_t> SendToService(std::uint32_t message, std::uintptr_t wParam,
                                             std::intptr_t) override {
    calls.push_back((message == WM_VXL_RELOAD ? "reload " : "mode ") + std::to_string(wParam));
    auto it = answers.find(message);
    if (it == answers.end()) return std::nullopt;
    return it->second;
  }
  void ReleaseKeyboardPageHotKeys() override { calls.push_back("release keys"); }
  void ShowPage(int index) override { calls.push_back("show page " + std::to_string(index)); }
  void FreePagesAndTexts() override { calls.push_back("free"); }
};

TEST(ConfigClose, TheSequenceClosesOnlyWhenTheServiceIsBackOrTheUserSaysSo) {
  using V = std::vector<std::string>;
  const V full = {"reload profile", "send config", "save state", "reload 0", "mode 1", "free"};
  const struct Case {
    const char* name;
    bool serviceKnown;
    std::map<std::uint32_t, std::intptr_t> answers;
    int page;
    BoxAnswer answer;
    bool closes;
    V calls;
    std::size_t boxes;
  } cases[] = {
      {"all well",
       true,
       {{WM_VXL_RELOAD, 1}, {WM_VXL_SETMODE, 1}},
       0,
       BoxAnswer::Yes,
       true,
       full,
       0},
      {"keyboard page lets its keys go before normal mode",
       true,
       {{WM_VXL_RELOAD, 1}, {WM_VXL_SETMODE, 1}},
       kKeyboardPage,
       BoxAnswer::Yes,
       true,
       V{"reload profile", "send config", "save state", "reload 0", "release keys", "mode 1",
         "free"},
       0},
      {"no service, stay",
       false,
       {},
       0,
       BoxAnswer::No,
       false,
       V{"reload profile", "send config"},
       1},
      {"no service, close anyway",
       false,
       {},
       kKeyboardPage,
       BoxAnswer::Yes,
       true,
       V{"reload profile", "send config", "save state", "release keys", "free"},
       1},
      {"reload answered 0, stay",
       true,
       {{WM_VXL_RELOAD, 0}, {WM_VXL_SETMODE, 1}},
       0,
       BoxAnswer::No,
       false,
       V{"reload profile", "send config", "save state", "reload 0"},
       1},
      {"reload timed out, close anyway",
       true,
       {{WM_VXL_SETMODE, 1}},
       0,
       BoxAnswer::Yes,
       true,
       full,
       1},
      {"mode refused, stay: back to configuration mode and the keys again",
       true,
       {{WM_VXL_RELOAD, 1}},
       kKeyboardPage,
       BoxAnswer::No,
       false,
       V{"reload profile", "send config", "save state", "reload 0", "release keys", "mode 1",
         "mode 2", "show page 3"},
       1},
  };
  for (const Case& c : cases) {
    FakeCloseHost host;
    host.serviceKnown = c.serviceKnown;
    host.answers = c.answers;
    test::RecordingBoxes boxes;
    boxes.answer = c.answer;
    EXPECT_EQ(ConfigCloseQuery(host, boxes, Key, c.page), c.closes) << c.name;
    EXPECT_EQ(host.calls, c.calls) << c.name;
    ASSERT_EQ(boxes.shown.size(), c.boxes) << c.name;
    for (const auto& box : boxes.shown) {
      EXPECT_EQ(box.caption, "<rsVXLError>") << c.name;
      EXPECT_EQ(box.buttons, BoxButtons::YesNo) << c.name;
      EXPECT_EQ(box.owner, 0u) << c.name;
      EXPECT_NE(box.text.find("<rsWantExit>"), std::string::npos) << c.name;
    }
  }
}

}  // namespace
}  // namespace vxl
