#include "config/uframeGeneral.h"

#include <gtest/gtest.h>

namespace vxl {
namespace {

const std::string kPrefix = "[Template]";

TEST(GeneralPage, TheListHoldsTemplatesAndOwnProfilesSortedWithDefaultSelected) {
  const ConfigList list =
      FillConfigList({"Present.cnf"}, {"Travail.cnf", "Default.cnf", "notes.cnf.cnf"}, kPrefix);
  EXPECT_EQ(list.items,
            (std::vector<std::string>{"[Template]Present", "Default", "notes.cnf", "Travail"}));
  EXPECT_EQ(list.selected, 1);
  // Letters compared without regard to case, for sorting and for "Default".
  const ConfigList lower = FillConfigList({}, {"zeta.cnf", "default.cnf", "Alpha.cnf"}, kPrefix);
  EXPECT_EQ(lower.items, (std::vector<std::string>{"Alpha", "default", "zeta"}));
  EXPECT_EQ(lower.selected, 1);
  EXPECT_EQ(FillConfigList({}, {"Mine.cnf"}, kPrefix).selected, -1);
  EXPECT_EQ(FillConfigList({}, {}, kPrefix).selected, -1);
}

TEST(GeneralPage, AChoiceTellsTemplatesByTheirPrefix) {
  EXPECT_EQ(ChooseConfig("[Template]Present", kPrefix).name, "Present");
  EXPECT_TRUE(ChooseConfig("[Template]Present", kPrefix).isTemplate);
  EXPECT_EQ(ChooseConfig("Travail", kPrefix).name, "Travail");
  EXPECT_FALSE(ChooseConfig("Travail", kPrefix).isTemplate);
  EXPECT_FALSE(ChooseConfig("Travail", "").isTemplate) << "an empty prefix marks nothing";
}

TEST(GeneralPage, DefaultProfilesCannotBeDeletedAndTheSelectionStaysInPlace) {
  EXPECT_EQ(DeletableFile("Default"), "");
  EXPECT_EQ(DeletableFile("MyDefault"), "") << "any name ending in Default";
  EXPECT_EQ(DeletableFile("[Template]Default"), "");
  EXPECT_EQ(DeletableFile("default"), "default.cnf") << "the test is of exact case";
  EXPECT_EQ(DeletableFile("Travail"), "Travail.cnf");
  EXPECT_EQ(SelectionAfterRemoval(1, 3), 1);
  EXPECT_EQ(SelectionAfterRemoval(2, 3), 1) << "the last removed: the one before";
  EXPECT_EQ(SelectionAfterRemoval(0, 1), -1);
}

TEST(GeneralPage, SavingPlansByTargetAndRefusesEmptyNamesAndAGlobalDefault) {
  const struct {
    const char* name;
    SaveTarget target;
    SavePlan::Action action;
    bool toTemplates;
    const char* folder;
    const char* display;
  } cases[] = {
      {"Travail", SaveTarget::Me, SavePlan::Save, false, "bob", "Travail"},
      {"Present", SaveTarget::Global, SavePlan::Save, true, "English", "[Template]Present"},
      {"Default", SaveTarget::Me, SavePlan::Save, false, "bob", "Default"},
      {"Default", SaveTarget::Global, SavePlan::Beep, false, "", ""},
      {"", SaveTarget::Me, SavePlan::Beep, false, "", ""},
      {"", SaveTarget::Transport, SavePlan::Beep, false, "", ""},
      {"x", SaveTarget::Transport, SavePlan::CopyForTransport, false, "", ""},
  };
  for (const auto& c : cases) {
    const SavePlan plan = PlanSave(c.name, c.target, "bob", "English", kPrefix);
    EXPECT_EQ(plan.action, c.action) << c.name;
    EXPECT_EQ(plan.toTemplates, c.toTemplates) << c.name;
    EXPECT_EQ(plan.folder, c.folder) << c.name;
    EXPECT_EQ(plan.displayName, c.display) << c.name;
  }
  EXPECT_EQ(TrimBlanks("  Mon profil \t\r\n"), "Mon profil");
  EXPECT_EQ(TrimBlanks(" \t "), "");
}

TEST(GeneralPage, StartingWithWindowsRunsTheQuotedServicePath) {
  EXPECT_EQ(StartWithWindowsValue("C:\\Program Files\\Vexilor 2\\"),
            "\"C:\\Program Files\\Vexilor 2\\Vexilor2.exe\"");
}

}  // namespace
}  // namespace vxl
