// The shipped language files hold every text the programs ask for.
#include <gtest/gtest.h>

#include <set>

#include "TestFiles.h"
#include "common/IniFile.h"
#include "common/uclMsgLoc.h"

namespace vxl {
namespace {

const std::vector<std::string> kServiceKeys = {
    "rsBPP1",       "rsBPP2",        "rsBPP3",         "rsBPP4",       "rsCantBeAssigned",
    "rsError",      "rsErrorCreate", "rsErrorRead",    "rsErrorTitle", "rsErrorWrite",
    "rsFileExists", "rsFileReplace", "rsFiltDefTempl", "rsVXL2",       "rsSaveAs"};

// Asked for by the colour-depth check, whose catalogue reads "Commons" only.
const std::vector<std::string> kCommonsOnlyKeys = {"rsError", "rsBPP1", "rsBPP2", "rsBPP3",
                                                   "rsBPP4"};

std::vector<std::string> ConfigurationKeys() {
  std::vector<std::string> keys = {"rsAlreadyAssigned",
                                   "rsBnLeft",
                                   "rsBnMid",
                                   "rsBnPrev",
                                   "rsBnRight",
                                   "rsBnWhDn",
                                   "rsBnWhUp",
                                   "rsBrNotFnd",
                                   "rsCantBeAssigned",
                                   "rsConfirmDelAll",
                                   "rsCpProfFail",
                                   "rsCpProfOK",
                                   "rsDelQuestion",
                                   "rsDelete",
                                   "rsErrSendConf",
                                   "rsErrSetMode",
                                   "rsError",
                                   "rsErrorCreate",
                                   "rsErrorRead",
                                   "rsErrorTitle",
                                   "rsErrorWrite",
                                   "rsFileExists",
                                   "rsFileNotFound",
                                   "rsFileReplace",
                                   "rsFraCaretTrack",
                                   "rsFraGeneral",
                                   "rsFraMsTrackBkg",
                                   "rsFraMseTrack",
                                   "rsFraMseTrackArrow",
                                   "rsFraMseTrackAuto",
                                   "rsFraMseTrackBrdr",
                                   "rsFraShKeyb",
                                   "rsFraShMouse",
                                   "rsFraShortcuts",
                                   "rsFraUI",
                                   "rsFraUIHelp",
                                   "rsFraUILang",
                                   "rsFraUIZoom",
                                   "rsGrdHdr1",
                                   "rsGrdHdr2",
                                   "rsGrdHdr3",
                                   "rsGridHeader1",
                                   "rsGridHeader2",
                                   "rsHBDestFile",
                                   "rsHBTitle",
                                   "rsHKDestFile",
                                   "rsHKTitle",
                                   "rsInvalidHotKey",
                                   "rsMnAlt",
                                   "rsMnAltCtrl",
                                   "rsMnCtrl",
                                   "rsMnPrev",
                                   "rsMnRight",
                                   "rsMnShift",
                                   "rsMnShiftCtrl",
                                   "rsNoBrowser",
                                   "rsPrefix",
                                   "rsVXLConfig",
                                   "rsVXLError",
                                   "rsSaveAs",
                                   "rsUseBrbtn",
                                   "rsWantExit",
                                   "rsWndNotFound"};
  for (int node = 0; node <= 13; ++node) keys.push_back("Tree+" + std::to_string(node));
  return keys;
}

class LanguageFiles : public ::testing::TestWithParam<std::string> {
 protected:
  TMsgLocalizer Catalogue(const char* section, const char* common) {
    TMsgLocalizer catalogue(files_, boxes_, GetParam(), kLangFolder);
    catalogue.SetSection(section);
    catalogue.SetCommonSection(common);
    return catalogue;
  }
  static constexpr const char* kLangFolder = VXL_SOURCE_DIR "/data/Lang";
  TStdFileSystem files_;
  test::RecordingBoxes boxes_;
};

TEST_P(LanguageFiles, DefineEveryKeyTheProgramsAskFor) {
  TMsgLocalizer service = Catalogue("Vexilor", "Commons");
  for (const auto& key : kServiceKeys) EXPECT_NE(service.GetMsg(key), "") << key;
  TMsgLocalizer commons = Catalogue("Commons", "");
  for (const auto& key : kCommonsOnlyKeys) EXPECT_NE(commons.GetMsg(key), "") << key;
  TMsgLocalizer configuration = Catalogue("VXLConfig", "Commons");
  for (const auto& key : ConfigurationKeys()) EXPECT_NE(configuration.GetMsg(key), "") << key;
  EXPECT_TRUE(boxes_.shown.empty()) << "the .Msg file is missing";
}

TEST_P(LanguageFiles, JoinedTextsCarryTheirBlanks) {
  TMsgLocalizer configuration = Catalogue("VXLConfig", "Commons");
  // Texts that follow a key name or a number start with a blank; texts
  // that a name or number follows end with one.
  for (const char* key : {"rsCantBeAssigned", "rsAlreadyAssigned", "rsInvalidHotKey"}) {
    EXPECT_TRUE(configuration.GetMsg(key).starts_with(' ')) << key;
  }
  for (const char* key : {"rsHBTitle", "rsHKTitle", "rsPrefix", "rsBPP1"}) {
    EXPECT_TRUE(configuration.GetMsg(key).ends_with(' ')) << key;
  }
  EXPECT_TRUE(configuration.GetMsg("rsBPP2").starts_with(' '));
}

TEST_P(LanguageFiles, OfferExactly46DistinctActionEntries) {
  TMsgLocalizer catalogue = Catalogue("VXLConfig", "Commons");
  std::vector<std::string> actions;
  ASSERT_TRUE(catalogue.FillStrings("cboActions", actions));
  ASSERT_EQ(actions.size(), 46u);
  for (const auto& text : actions) EXPECT_NE(text, "");
  std::set<std::string> keys;
  const auto lines = TIniFile(files_, std::string(kLangFolder) + "/" + GetParam() + ".Msg")
                         .ReadSectionLines("cboActions");
  for (const auto& line : lines) keys.insert(line.substr(0, line.find('=')));
  EXPECT_EQ(keys.size(), 46u) << "the keys of the action list must differ";
}

TEST_P(LanguageFiles, AreUtf8WithTheirFormTextsBeside) {
  const auto document =
      TIniFile(files_, std::string(kLangFolder) + "/" + GetParam() + ".Msg").Read();
  ASSERT_TRUE(document);
  EXPECT_EQ(document->Encoding(), TextEncoding::Utf8);
  EXPECT_TRUE(files_.IsFile(std::string(kLangFolder) + "/" + GetParam() + ".Lng"));
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageFiles, ::testing::Values("Francais", "English"));

}  // namespace
}  // namespace vxl
