#include "common/ProgramSettings.h"

#include <gtest/gtest.h>

#include "TestFiles.h"

namespace vxl {
namespace {

constexpr int kLangGerman = 0x07;

class ProgramSettingsTest : public ::testing::Test {
 protected:
  TProgramSettings Settings(int uiLanguage = kLangGerman) {
    return TProgramSettings(files_, boxes_, {folder_.Root(), "bob", uiLanguage});
  }
  void WriteSettings(const std::string& content) {
    folder_.Write("Users\\bob\\VexilorConfig.ini", content);
  }
  void AddLanguage(const std::string& name, const std::string& msg = "[Commons]\nrsError=x\n") {
    folder_.Write("Lang\\" + name + ".Lng", "");
    folder_.Write("Lang\\" + name + ".Msg", msg);
  }

  test::TempFolder folder_;
  test::FaultyFileSystem files_;
  test::RecordingBoxes boxes_;
};

TEST_F(ProgramSettingsTest, ChoosesTheLanguageFromTheSettingOrTheUsersInterface) {
  const struct {
    const char* settings;  // nullptr: no settings file
    int uiLanguage;
    std::vector<std::string> languages;
    const char* expected;
  } cases[] = {
      {nullptr, kLangFrench, {"Francais", "English"}, "Francais"},
      {nullptr, kLangGerman, {"Francais", "English"}, "English"},
      {nullptr, kLangGerman, {"Francais"}, "Francais"},  // no English.Lng
      {"[Interface]\nLang=Deutsch\n", kLangFrench, {"Francais", "Deutsch"}, "Deutsch"},
      {"[Interface]\nLang=Deutsch\n", kLangFrench, {"Francais"}, "Francais"},
      {"[Interface]\nLang=undef\n", kLangGerman, {"Francais", "English"}, "English"},
      {"[Interface]\nLang=Undef\n", kLangGerman, {"Francais", "English"}, "Francais"},
      {"[Interface]\nLang=\n", kLangGerman, {"Francais", "English"}, "Francais"},
      {"[Other]\nLang=English\n", kLangFrench, {"Francais", "English"}, "Francais"},
      // Only 14 characters are read.
      {"[Interface]\nLang=Schweizerdeutsch\n", kLangFrench, {"Schweizerdeutsch"}, "Francais"},
      {"[Interface]\nLang=Schweizerdeutsch\n", kLangFrench, {"Schweizerdeuts"}, "Schweizerdeuts"},
  };
  for (const auto& c : cases) {
    std::filesystem::remove_all(folder_.Native("Lang"));
    std::filesystem::remove_all(folder_.Native("Users"));
    if (c.settings) WriteSettings(c.settings);
    for (const auto& language : c.languages) AddLanguage(language);
    auto settings = Settings(c.uiLanguage);
    EXPECT_EQ(settings.ReadLanguageSetting(), c.expected)
        << (c.settings ? c.settings : "no settings file") << " ui " << c.uiLanguage;
    EXPECT_EQ(settings.CurrentLanguage(), c.expected);
  }
  EXPECT_TRUE(boxes_.shown.empty()) << "choosing a language never shows a message";
}

TEST_F(ProgramSettingsTest, CatalogueHasCommonsAsSecondSectionUnlessItIsCommons) {
  AddLanguage("English", "[Vexilor]\nrsVXL2=Service\n[Commons]\nrsError=Error\n");
  auto settings = Settings();
  const auto service = settings.CreateMessageCatalogue("Vexilor");
  EXPECT_EQ(settings.CurrentLanguage(), "English");
  EXPECT_EQ(service->Language(), "English");
  EXPECT_EQ(service->Section(), "Vexilor");
  EXPECT_EQ(service->CommonSection(), "Commons");
  EXPECT_EQ(service->GetMsg("rsError"), "Error");
  const auto commons = settings.CreateMessageCatalogue("Commons");
  EXPECT_EQ(commons->CommonSection(), "");
  EXPECT_EQ(commons->GetMsg("rsVXL2"), "");
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(ProgramSettingsTest, ReloadingTakesTheLanguageNowInTheSettingsFile) {
  AddLanguage("English", "[Vexilor]\nrsVXL2=Service\n");
  AddLanguage("Francais", "[Vexilor]\nrsVXL2=Le service\n");
  auto settings = Settings();
  const auto catalogue = settings.CreateMessageCatalogue("Vexilor");
  EXPECT_EQ(catalogue->GetMsg("rsVXL2"), "Service");
  WriteSettings("[Interface]\nLang=Francais\n");
  settings.ReloadCatalogueLanguage(*catalogue);
  EXPECT_EQ(catalogue->Language(), "Francais");
  EXPECT_EQ(catalogue->GetMsg("rsVXL2"), "Le service");
}

TEST(HelpAddress, EscapesByteByByte) {
  EXPECT_EQ(
      EscapeHelpAddress("file:///C:\\Program Files\\Tool\\Help/Francais/Vexilor 2.00.htm#tocVxl"),
      "file:///C:/Program%20Files/Tool/Help/Francais/Vexilor%202.00.htm#tocVxl");
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {" !\"%'()*,", "%20%21%22%25%27%28%29%2A%2C"},
      {"#$&+-./:;<=>?@[]^_`", "#$&+-./:;<=>?@[]^_`"},  // passes unchanged
      {"azAZ09", "azAZ09"},
      {"{|}~\x7F", "%7B%7C%7D%7E%7F"},
      {"Fran\xC3\xA7"
       "ais",
       "Fran%C3%A7ais"},         // the bytes of the UTF-8 text
      {"a\tb\x01", "a\tb\x01"},  // control characters unchanged
      {"\\\\", "//"},
  };
  for (const auto& c : cases) EXPECT_EQ(EscapeHelpAddress(c.in), c.out) << c.in;
}

TEST_F(ProgramSettingsTest, HelpGoesToTheBrowserWhenItExistsElseToTheShell) {
  AddLanguage("Francais");
  folder_.Write("Browser\\firefox.exe", "");
  auto settings = Settings(kLangFrench);
  settings.ReadLanguageSetting();
  const std::string document = folder_.Root() + "Help\\Francais\\Vexilor 2.00.htm";

  HelpLaunch launch = settings.HelpFor("tocVxl");
  EXPECT_EQ(launch.file, document) << "no settings file: the shell opens the page";
  EXPECT_EQ(launch.parameters, "");

  const std::string browser = folder_.Root() + "Browser\\firefox.exe";
  WriteSettings("[Interface]\nHelpBrowser=" + browser + "\n");
  launch = settings.HelpFor("ConfGen");
  EXPECT_EQ(launch.file, browser);
  EXPECT_EQ(launch.parameters,
            "file:///" + folder_.Root() + "Help/Francais/Vexilor%202.00.htm#ConfGen");

  WriteSettings("[Interface]\nHelpBrowser=" + folder_.Root() + "Browser\\gone.exe\n");
  EXPECT_EQ(settings.ReadHelpBrowser(), "");
  EXPECT_EQ(settings.HelpFor("ConfGen").file, document);
}

TEST_F(ProgramSettingsTest, OtherInterfaceKeysAreReadAndWritten) {
  auto settings = Settings();
  EXPECT_EQ(settings.ReadInteger("Scale", 1000), 1000);
  folder_.Write("Users\\bob\\keep.txt", "");
  ASSERT_TRUE(settings.WriteString("Scale", "1250"));
  ASSERT_TRUE(settings.WriteString("Lang", "English"));
  EXPECT_EQ(settings.ReadInteger("Scale", 1000), 1250);
  EXPECT_EQ(folder_.Read("Users\\bob\\VexilorConfig.ini"),
            "[Interface]\r\nScale=1250\r\nLang=English\r\n");
}

}  // namespace
}  // namespace vxl
