#include "common/uclLocalizer.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "TestFiles.h"
#include "common/Encoding.h"

namespace vxl {
namespace {

// A component of a designed form: text properties Caption and Hint, an
// integer Width, and the string list Items for a drop-down ("cbo...") or
// Lines for a memo ("mem...").
class FakeComponent : public ILocalizableComponent {
 public:
  FakeComponent(std::string name, int tag = 0) : name_(std::move(name)), tag_(tag) {}

  FakeComponent& Add(std::string name, int tag = 0) {
    owned_.push_back(std::make_unique<FakeComponent>(std::move(name), tag));
    return *owned_.back();
  }
  std::string Name() const override { return name_; }
  int Tag() const override { return tag_; }
  ILocalizableComponent* FindComponent(std::string_view name) override {
    for (auto& component : owned_) {
      if (component->name_ == name) return component.get();
    }
    return nullptr;
  }
  PropertyKind KindOf(std::string_view property) const override {
    for (const char* text : {"Caption", "Hint"}) {
      if (EqualsNoCase(property, text)) return PropertyKind::Text;
    }
    if ((name_.starts_with("cbo") && EqualsNoCase(property, "Items")) ||
        (name_.starts_with("mem") && EqualsNoCase(property, "Lines"))) {
      return PropertyKind::StringList;
    }
    return EqualsNoCase(property, "Width") ? PropertyKind::Other : PropertyKind::Absent;
  }
  void SetText(std::string_view property, const std::string& value) override {
    texts[std::string(property)] = value;
  }
  void SetLines(std::string_view property, const std::vector<std::string>& lines) override {
    lists[std::string(property)] = lines;
  }

  std::map<std::string, std::string> texts;
  std::map<std::string, std::vector<std::string>> lists;

 private:
  std::string name_;
  int tag_;
  std::vector<std::unique_ptr<FakeComponent>> owned_;
};

class FormLocalizer : public ::testing::Test {
 protected:
  FormLocalizer() {
    folder_.Write("Lang\\Francais.Lng", "[frmTest]\nbtnSave.Caption=Enregistrer\n");
    folder_.Write("Lang\\English.Lng",
                  "[frmTest]\n"
                  "frmTest.Caption=Test window\n"
                  "btnSave.Caption=%s%Save\n"
                  "btnSave.Hint=Saves the profile\n"
                  "btnSave.Width=200\n"
                  "btnSave.Colour=red\n"
                  "btnGone.Caption=nobody\n"
                  "cboList.Items+1=One\n"
                  "cboList.Items+2=Two\n"
                  "cboList.Items+3=%s%Three\n"
                  "btnKeep.Caption=Changed\n"
                  "btnKeep.Hint=Changed\n"
                  "memKeep.Lines+1=Changed\n"
                  "btnSave.Items+1=not a list of a button\n"
                  "[frmOther]\n"
                  "lblInfo.Caption=Other form\n");
  }
  TFormLocalizer Localizer(const std::string& language) {
    return TFormLocalizer(files_, boxes_, "Francais", folder_.Root() + "Lang", language);
  }
  FakeComponent& MakeForm() {
    form_.Add("btnSave");
    form_.Add("cboList");
    form_.Add("btnKeep", kKeepTextsTag);
    form_.Add("memKeep", kKeepTextsTag);
    return form_;
  }
  FakeComponent& Owned(const std::string& name) {
    return static_cast<FakeComponent&>(*form_.FindComponent(name));
  }

  test::TempFolder folder_;
  test::FaultyFileSystem files_;
  test::RecordingBoxes boxes_;
  FakeComponent form_{"frmTest"};
};

TEST_F(FormLocalizer, SetsTextsAndListsByComponentAndPropertyName) {
  MakeForm();
  TFormLocalizer localizer = Localizer("English");
  int localized = 0;
  localizer.SetOnLocalized([&](TFormLocalizer&) { ++localized; });
  localizer.SetControl(&form_);
  localizer.Localize(false);

  EXPECT_EQ(form_.texts["Caption"], "Test window") << "the form itself, named like its section";
  EXPECT_EQ(Owned("btnSave").texts, (std::map<std::string, std::string>{
                                        {"Caption", " Save"}, {"Hint", "Saves the profile"}}));
  EXPECT_TRUE(Owned("btnSave").lists.empty());
  EXPECT_EQ(Owned("cboList").lists["Items"], (std::vector<std::string>{"One", "Two", " Three"}));
  EXPECT_TRUE(Owned("btnKeep").texts.empty()) << "Tag 999 keeps its texts";
  EXPECT_TRUE(Owned("memKeep").lists.empty()) << "Tag 999 keeps its lines too";
  EXPECT_EQ(localized, 1);
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(FormLocalizer, TheNativeLanguageIsReadOnlyWhenForced) {
  MakeForm();
  TFormLocalizer localizer = Localizer("Francais");
  int localized = 0;
  localizer.SetOnLocalized([&](TFormLocalizer&) { ++localized; });
  localizer.SetControl(&form_);
  const int reads = files_.reads;
  localizer.Localize(false);
  EXPECT_EQ(files_.reads, reads);
  EXPECT_TRUE(Owned("btnSave").texts.empty());
  EXPECT_EQ(localized, 0);

  localizer.Localize(true);  // restores the French texts after another language
  EXPECT_EQ(Owned("btnSave").texts["Caption"], "Enregistrer");
  EXPECT_EQ(localized, 1);
}

TEST_F(FormLocalizer, AListInterruptedByAnotherControlStartsAgain) {
  folder_.Write("Lang\\English.Lng",
                "[frmTest]\n"
                "cboList.Items+1=One\n"
                "cboList.Items+2=Two\n"
                "cboList.Items+3=Three\n"
                "btnSave.Caption=Save\n"
                "cboList.Items+4=Four\n");
  MakeForm();
  TFormLocalizer localizer = Localizer("English");
  localizer.SetControl(&form_);
  localizer.Localize(false);
  EXPECT_EQ(Owned("cboList").lists["Items"], std::vector<std::string>{"Four"});
  EXPECT_EQ(Owned("btnSave").texts["Caption"], "Save");
}

TEST_F(FormLocalizer, EachFormReadsItsOwnSection) {
  MakeForm();
  FakeComponent other("frmOther");
  other.Add("lblInfo");
  TFormLocalizer localizer = Localizer("English");
  localizer.SetControl(&form_);
  localizer.Localize(false);
  localizer.SetControl(&other);
  localizer.Localize(false);
  EXPECT_EQ(static_cast<FakeComponent*>(other.FindComponent("lblInfo"))->texts["Caption"],
            "Other form");
  EXPECT_EQ(other.texts.count("Caption"), 0u);
}

TEST_F(FormLocalizer, AMissingLanguageFileIsReportedAndNothingChanges) {
  MakeForm();
  TFormLocalizer localizer = Localizer("Deutsch");
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].owner, 0u);
  EXPECT_EQ(boxes_.shown[0].caption, "This file does not exist");
  EXPECT_EQ(boxes_.shown[0].text, folder_.Root() + "Lang\\Deutsch.Lng");
  int localized = 0;
  localizer.SetOnLocalized([&](TFormLocalizer&) { ++localized; });
  localizer.SetControl(&form_);
  localizer.Localize(true);
  EXPECT_TRUE(Owned("btnSave").texts.empty());
  EXPECT_EQ(localized, 0);
}

TEST_F(FormLocalizer, AnEmptyNativeLanguageMakesItUnusable) {
  MakeForm();
  TFormLocalizer unusable(files_, boxes_, "", folder_.Root() + "Lang", "English");
  EXPECT_TRUE(boxes_.shown.empty());
  unusable.SetControl(&form_);
  EXPECT_FALSE(unusable.IsReady());
  unusable.Localize(true);
  EXPECT_TRUE(Owned("btnSave").texts.empty());

  TFormLocalizer defaulted(files_, boxes_, "Francais", folder_.Root() + "Lang", "");
  EXPECT_EQ(defaulted.Language(), "Francais") << "no target language means the native one";
}

}  // namespace
}  // namespace vxl
