#include "common/uclMsgLoc.h"

#include <gtest/gtest.h>

#include <map>

#include "TestFiles.h"

namespace vxl {
namespace {

constexpr const char* kCatalogue =
    "[VXLConfig]\n"
    "rsVXLConfig=Configuration\n"
    "rsShared=from the main section\n"
    "RSERRORREAD=written in capitals\n"
    "rsDup=first\n"
    "rsDup=second\n"
    "rsLead=%s%leading\n"
    "rsTrail=trailing%s%%s%\n"
    "rsCase=keep %S% and %s\n"
    "Tree+3=Keyboard\n"
    "Tree+5=\n"
    "Tree+6=%s%raw\n"
    "[Commons]\n"
    "rsShared=from the common section\n"
    "rsError=Error\n"
    "[cboActions]\n"
    "a=Un\n"
    "b=Deux\n"
    "c=%s%Trois\n";

class MsgLocalizer : public ::testing::Test {
 protected:
  MsgLocalizer() { folder_.Write("Lang\\Test.Msg", kCatalogue); }
  TMsgLocalizer Catalogue(const std::string& language = "Test") {
    TMsgLocalizer catalogue(files_, boxes_, language, folder_.Root() + "Lang");
    catalogue.SetSection("VXLConfig");
    catalogue.SetCommonSection("Commons");
    return catalogue;
  }

  test::TempFolder folder_;
  test::FaultyFileSystem files_;
  test::RecordingBoxes boxes_;
};

class FakeTree : public ITreeCaptions {
 public:
  explicit FakeTree(int count) {
    for (int i = 0; i < count; ++i) captions[i] = "node " + std::to_string(i);
  }
  int NodeCount() const override { return static_cast<int>(captions.size()); }
  void SetNodeCaption(int index, const std::string& caption) override { captions[index] = caption; }
  std::map<int, std::string> captions;
};

TEST_F(MsgLocalizer, LooksKeysUpMainSectionFirstWithoutRegardToCase) {
  TMsgLocalizer catalogue = Catalogue();
  const struct {
    const char* key;
    const char* text;
  } cases[] = {
      {"rsVXLConfig", "Configuration"},
      {"rsShared", "from the main section"},
      {"rsError", "Error"},                    // from the common section
      {"rsErrorRead", "written in capitals"},  // found whatever the case in the file
      {"RSVXLCONFIG", "Configuration"},
      {"rsDup", "first"},
      {"rsLead", " leading"},
      {"rsTrail", "trailing  "},
      {"rsCase", "keep %S% and %s"},  // only the exact "%s%" is a blank
      {"rsMissing", ""},
      {"a", ""},  // other sections are not part of the catalogue
  };
  for (const auto& c : cases) EXPECT_EQ(catalogue.GetMsg(c.key), c.text) << c.key;
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(MsgLocalizer, ALoadedCatalogueAnswersFromMemory) {
  TMsgLocalizer catalogue = Catalogue();
  EXPECT_FALSE(catalogue.IsLoaded()) << "loaded lazily, by the first lookup";
  EXPECT_EQ(catalogue.GetMsg("rsError"), "Error");
  const int readsAfterLoad = files_.reads;
  for (int i = 0; i < 100; ++i) catalogue.GetMsg(i % 2 ? "rsError" : "rsNothing");
  EXPECT_EQ(files_.reads, readsAfterLoad);
  EXPECT_TRUE(catalogue.IsLoaded());
  EXPECT_EQ(catalogue.Cache()->size(), 13u);
}

TEST_F(MsgLocalizer, ACatalogueWithoutItsSectionsReadsAgainAtEveryLookup) {
  folder_.Write("Lang\\Test.Msg", "[Other]\nrsError=elsewhere\n");
  TMsgLocalizer catalogue = Catalogue();
  EXPECT_EQ(catalogue.GetMsg("rsError"), "");
  const int reads = files_.reads;
  EXPECT_EQ(catalogue.GetMsg("rsError"), "");
  EXPECT_EQ(files_.reads, reads + 1);
  folder_.Write("Lang\\Test.Msg", kCatalogue);  // mended meanwhile
  EXPECT_EQ(catalogue.GetMsg("rsError"), "Error");
}

TEST_F(MsgLocalizer, AMissingFileIsReportedOnceAndEveryLookupIsEmpty) {
  TMsgLocalizer catalogue = Catalogue("Klingon");
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].owner, 0u);
  EXPECT_EQ(boxes_.shown[0].caption, "This file does not exist");
  EXPECT_EQ(boxes_.shown[0].text, folder_.Root() + "Lang\\Klingon.Msg");
  EXPECT_EQ(boxes_.shown[0].icon, BoxIcon::Error);
  EXPECT_FALSE(catalogue.FileFound());
  EXPECT_EQ(catalogue.GetMsg("rsError"), "");
  FakeTree tree(3);
  EXPECT_FALSE(catalogue.FillTree("Tree+", tree));
  std::vector<std::string> list{"stale"};
  EXPECT_FALSE(catalogue.FillStrings("cboActions", list));
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(boxes_.shown.size(), 1u);
}

TEST_F(MsgLocalizer, AnEmptyLanguageGivesAnEmptyCatalogueSilently) {
  TMsgLocalizer catalogue = Catalogue("");
  EXPECT_TRUE(boxes_.shown.empty());
  EXPECT_FALSE(catalogue.IsReady());
  EXPECT_EQ(catalogue.GetMsg("rsError"), "");
}

TEST_F(MsgLocalizer, SwitchingLanguageReloadsWithoutCheckingTheFileAgain) {
  folder_.Write("Lang\\Other.Msg", "[VXLConfig]\nrsVXLConfig=Einstellungen\n");
  TMsgLocalizer catalogue = Catalogue();
  EXPECT_EQ(catalogue.GetMsg("rsVXLConfig"), "Configuration");
  catalogue.SetLanguage("Other");
  EXPECT_EQ(catalogue.GetMsg("rsVXLConfig"), "Einstellungen");
  EXPECT_EQ(catalogue.GetMsg("rsError"), "");
  catalogue.SetLanguage("Missing");
  EXPECT_TRUE(catalogue.FileFound());
  EXPECT_EQ(catalogue.GetMsg("rsVXLConfig"), "");
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(MsgLocalizer, FillsAListWithTheValuesOfASectionAsWritten) {
  TMsgLocalizer catalogue = Catalogue();
  std::vector<std::string> list{"stale"};
  ASSERT_TRUE(catalogue.FillStrings("cboActions", list));
  EXPECT_EQ(list, (std::vector<std::string>{"Un", "Deux", "%s%Trois"}));
  EXPECT_FALSE(catalogue.FillStrings("Missing", list));
  EXPECT_TRUE(list.empty());
}

TEST_F(MsgLocalizer, FillsOnlyTheTreeNodesThatHaveAText) {
  TMsgLocalizer catalogue = Catalogue();
  FakeTree tree(14);
  ASSERT_TRUE(catalogue.FillTree("Tree+", tree));
  for (const auto& [index, caption] : tree.captions) {
    if (index == 3) {
      EXPECT_EQ(caption, "Keyboard");
    } else if (index == 6) {
      EXPECT_EQ(caption, "%s%raw") << "tree captions are used as written";
    } else {
      EXPECT_EQ(caption, "node " + std::to_string(index)) << index;
    }
  }
  FakeTree empty(0);
  EXPECT_FALSE(catalogue.FillTree("Tree+", empty));
}

TEST_F(MsgLocalizer, TheDirectoryEndsWithABackslashUnlessEmpty) {
  TMsgLocalizer catalogue = Catalogue();
  EXPECT_EQ(catalogue.Directory(), folder_.Root() + "Lang\\");
  catalogue.SetDirectory("C:\\Lang\\");
  EXPECT_EQ(catalogue.Directory(), "C:\\Lang\\");
  catalogue.SetDirectory("");
  EXPECT_EQ(catalogue.Directory(), "");
}

}  // namespace
}  // namespace vxl
