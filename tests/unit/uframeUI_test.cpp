#include <gtest/gtest.h>

#include <set>

#include "config/uframeUIHelp.h"
#include "config/uframeUILang.h"
#include "config/uframeUIZoom.h"

namespace vxl {
namespace {

TEST(ZoomPage, TheWindowStepIsRefusedWhereApplyZoomWouldRefuseIt) {
  // Work area 1000 high (850 available), window 357 high at 100 %.
  EXPECT_TRUE(ConfigZoomStepAllowed(175, 1000, 1000, 357));
  EXPECT_FALSE(ConfigZoomStepAllowed(175, 1000, 600, 357)) << "624 > 510";
  EXPECT_TRUE(ConfigZoomStepAllowed(140, 1000, 600, 357)) << "499 <= 510";
  // From 150 %, the factor is relative to the current scale.
  EXPECT_TRUE(ConfigZoomStepAllowed(100, 1500, 600, 536));
}

TEST(ZoomPage, TheFilterZoomFollowsItsUpDownWithinItsRange) {
  EXPECT_EQ(FilterZoomForStep(100), 1000);
  EXPECT_EQ(FilterZoomForStep(175), 1750);
  EXPECT_EQ(FilterZoomForStep(176), std::nullopt) << "one step past the maximum";
  EXPECT_EQ(FilterZoomForStep(99), std::nullopt);
}

TEST(LanguagePage, ALanguageNeedsBothItsFilesAndTheListIsSorted) {
  const std::set<std::string> msgFiles = {"Francais.Msg", "English.Msg", "deutsch.Msg"};
  const auto languages = AvailableLanguages(
      {"Francais.Lng", "English.Lng", "Klingon.Lng", "deutsch.Lng", "English.old.Lng", ".Lng"},
      [&](const std::string& f) { return msgFiles.count(f) != 0; });
  EXPECT_EQ(languages, (std::vector<std::string>{"deutsch", "English", "Francais"}));
}

TEST(LanguagePage, ApplyingBeepsWithoutAChoiceAndIgnoresTheCurrentLanguage) {
  EXPECT_EQ(DecideLanguageApply(std::nullopt, "Francais"), LanguageApply::Beep);
  EXPECT_EQ(DecideLanguageApply("Francais", "Francais"), LanguageApply::Nothing);
  EXPECT_EQ(DecideLanguageApply("francais", "Francais"), LanguageApply::Apply)
      << "compared with case";
  EXPECT_EQ(DecideLanguageApply("English", "Francais"), LanguageApply::Apply);
}

TEST(HelpPage, KnownBrowsersAreLookedForBelowProgramFiles) {
  EXPECT_EQ(KnownBrowserPath('f', "C:\\Program Files"),
            "C:\\Program Files\\Mozilla Firefox\\firefox.exe");
  EXPECT_EQ(KnownBrowserPath('i', "C:\\Program Files\\"),
            "C:\\Program Files\\Internet Explorer\\iexplore.exe");
  EXPECT_EQ(KnownBrowserPath('o', "D:\\Apps"), "D:\\Apps\\Opera\\Opera.exe");
  EXPECT_EQ(KnownBrowserPath('x', "C:\\Program Files"), "");
  EXPECT_EQ(kKnownBrowsers[0].letter, 'i') << "Internet Explorer is searched first";
}

}  // namespace
}  // namespace vxl
