#include "common/IniFile.h"

#include <gtest/gtest.h>

#include "TestFiles.h"

namespace vxl {
namespace {

constexpr const char* kSample =
    "; a comment line\r\n"
    "orphan=outside any section\r\n"
    "[Interface]\r\n"
    "  Lang  =  English  \r\n"
    ";Scale=1200\r\n"
    "Scale=1100\r\n"
    "scale=1300\r\n"
    "Equation=a=b\r\n"
    "Empty=\r\n"
    "NoEquals\r\n"
    "\r\n"
    "[ Other ]\r\n"
    "Lang=Deutsch\r\n"
    "[INTERFACE]\r\n"
    "Lang=Second section of the same name\r\n"
    "Extra=only here\r\n";

TEST(IniDocument, FindsValuesLikeTheProfileFunctions) {
  const TIniDocument ini = TIniDocument::Parse(kSample);
  const struct {
    const char* section;
    const char* key;
    std::optional<std::string> value;
  } cases[] = {
      {"Interface", "Lang", "English"},  // blanks trimmed
      {"interface", "LANG", "English"},  // names without regard to case
      {"Interface", "Scale", "1100"},    // first duplicate wins, comment skipped
      {"Interface", "Equation", "a=b"},  // split at the first equals sign
      {"Interface", "Empty", ""},
      {"Interface", "NoEquals", ""},
      {"Other", "Lang", "Deutsch"},           // blanks inside brackets trimmed
      {"Interface", "Extra", std::nullopt},   // the first section of a name wins
      {"Interface", "orphan", std::nullopt},  // keys before any section belong to none
      {"Interface", ";Scale", std::nullopt},
      {"Missing", "Lang", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ini.Value(c.section, c.key), c.value) << c.section << "/" << c.key;
  }
}

TEST(IniDocument, ReadsSectionsAsOrderedLinesAndListsTheirNames) {
  const TIniDocument ini = TIniDocument::Parse(kSample);
  EXPECT_EQ(ini.SectionLines("INTERFACE"),
            (std::vector<std::string>{"Lang=English", "Scale=1100", "scale=1300", "Equation=a=b",
                                      "Empty=", "NoEquals"}));
  EXPECT_TRUE(ini.SectionLines("Missing").empty());
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Interface", "Other"}));
}

TEST(IniDocument, CutsLongValuesTo2047Characters) {
  const std::string accented = "\xC3\xA9";  // one character, two bytes
  std::string longValue;
  for (int i = 0; i < 3000; ++i) longValue += accented;
  const auto value = TIniDocument::Parse("[S]\nk=" + longValue + "\n").Value("S", "k");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->size(), 2047u * 2);
}

TEST(IniDocument, UntouchedFilesAreWrittenBackByteForByte) {
  for (const std::string& text : {
           std::string(kSample),
           std::string("[A]\nk=v\n; note\n"),
           std::string("[A]\r\nk=v"),
           std::string(""),
           std::string("[A]\r\nk=v\nz=1\r\n\n; mixed line ends\n"),
           std::string("[A]\nk=v\r"),           // a lone CR at the very end
           std::string("[A]\r\nk=a\rb\r\r\n"),  // lone CRs inside and before a CR LF
           std::string("\r\n\n\r"),
       }) {
    EXPECT_EQ(TIniDocument::Parse(text).Serialize(), text) << ::testing::PrintToString(text);
  }
}

TEST(IniDocument, WritingChangesOnlyTheLineConcerned) {
  TIniDocument ini =
      TIniDocument::Parse("; settings\r\n[A]\r\nk = old\r\nz=1\r\n\r\n[B]\r\nx=2\r\n");
  ini.SetValue("a", "K", "new");
  ini.SetValue("A", "added", "3");
  ini.SetValue("C", "fresh", "4");
  EXPECT_EQ(
      ini.Serialize(),
      "; settings\r\n[A]\r\nk=new\r\nz=1\r\nadded=3\r\n\r\n[B]\r\nx=2\r\n\r\n[C]\r\nfresh=4\r\n");
}

TEST(IniDocument, EditsKeepEachLinesOwnEndAndNewLinesFollowTheFile) {
  const struct {
    const char* before;
    const char* after;
  } cases[] = {
      // Mostly LF: the changed line keeps its CR LF, added lines get LF.
      {"; c\n[A]\nk=old\r\nz=1\n", "; c\n[A]\nk=new\r\nz=1\nadded=2\n\n[B]\nfresh=3\n"},
      // Mostly CR LF: the LF-only lines stay as they are, added lines get CR LF.
      {"[A]\r\nk=old\nz=1\r\n; c\r\n",
       "[A]\r\nk=new\nz=1\r\nadded=2\r\n; c\r\n\r\n[B]\r\nfresh=3\r\n"},
      // No line end after the last line: it gets one, the new last line none.
      {"[A]\nk=old\nz=1", "[A]\nk=new\nz=1\nadded=2\n\n[B]\nfresh=3"},
      // A lone CR ending the file stays where it was.
      {"[A]\nz=1\r", "[A]\nz=1\r\nk=new\nadded=2\n\n[B]\nfresh=3"},
      // Nothing to follow: CR LF.
      {"", "[A]\r\nk=new\r\nadded=2\r\n\r\n[B]\r\nfresh=3\r\n"},
  };
  for (const auto& c : cases) {
    TIniDocument ini = TIniDocument::Parse(c.before);
    ini.SetValue("A", "k", "new");
    ini.SetValue("A", "added", "2");
    ini.SetValue("B", "fresh", "3");
    EXPECT_EQ(ini.Serialize(), c.after) << ::testing::PrintToString(std::string(c.before));
  }
}

TEST(IniDocument, ErasesEverySectionOfTheName) {
  TIniDocument ini = TIniDocument::Parse("[A]\nk=1\n[B]\nx=2\n[a]\nk=3\n");
  EXPECT_TRUE(ini.EraseSection("A"));
  EXPECT_FALSE(ini.EraseSection("A"));
  EXPECT_EQ(ini.Serialize(), "[B]\nx=2\n");
}

TEST(IniDocument, KeepsTheEncodingItWasReadIn) {
  TIniDocument ansi = TIniDocument::Parse("[S]\nk=caf\xE9\n");
  EXPECT_EQ(ansi.Value("S", "k"), "caf\xC3\xA9");
  ansi.SetValue("S", "n", "M\xC3\xBCller");
  EXPECT_EQ(ansi.Serialize(), "[S]\nk=caf\xE9\nn=M\xFCller\n");

  TIniDocument marked = TIniDocument::Parse("\xEF\xBB\xBF[S]\nk=1\n");
  marked.SetValue("S", "k", "\xC3\xA9");
  EXPECT_EQ(marked.Serialize(), "\xEF\xBB\xBF[S]\nk=\xC3\xA9\n");

  TIniDocument fresh = TIniDocument::Parse("");
  fresh.SetValue("S", "k", "\xC3\xA9");
  EXPECT_EQ(fresh.Serialize(), "[S]\r\nk=\xC3\xA9\r\n") << "new files are UTF-8";
}

class IniFileOnDisk : public ::testing::Test {
 protected:
  std::string Path() const { return folder_.Root() + "Sub\\Settings.ini"; }
  test::TempFolder folder_;
  test::FaultyFileSystem files_;
};

TEST_F(IniFileOnDisk, WritingCreatesTheFileAndSection) {
  folder_.Write("Sub\\keep.txt", "");
  TIniFile ini(files_, Path());
  EXPECT_EQ(ini.ReadString("Interface", "Lang", "undef"), "undef");
  ASSERT_TRUE(ini.WriteString("Interface", "Lang", "English"));
  EXPECT_EQ(folder_.Read("Sub\\Settings.ini"), "[Interface]\r\nLang=English\r\n");
  EXPECT_EQ(ini.ReadString("interface", "lang", "undef"), "English");
  EXPECT_EQ(ini.SectionNames(), std::vector<std::string>{"Interface"});
  ASSERT_TRUE(ini.EraseSection("Interface"));
  EXPECT_EQ(folder_.Read("Sub\\Settings.ini"), "");
}

// A decimal number with at most one sign, or 0x and hexadecimal digits;
// anything else, and any value outside the int range, gives the fallback.
TEST_F(IniFileOnDisk, ReadsIntegersOrFallsBack) {
  constexpr int kFallback = -77;
  const struct {
    const char* text;
    int expected;
  } cases[] = {
      {"12", 12},
      {"-5", -5},
      {"+5", 5},
      {" 7 ", 7},
      {"007", 7},
      {"0x1F", 31},
      {"0X1f", 31},
      {"0x7FFFFFFF", 2147483647},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"abc", kFallback},
      {"", kFallback},
      {"12abc", kFallback},
      {"1 2", kFallback},
      {"-", kFallback},
      {"+", kFallback},
      {"0x", kFallback},
      {"--5", kFallback},
      {"+-5", kFallback},
      {"-+5", kFallback},
      {"- 5", kFallback},
      {"0x-10", kFallback},
      {"0x+10", kFallback},
      {"-0x10", kFallback},
      {"0x0x1", kFallback},
      {"2147483648", kFallback},
      {"-2147483649", kFallback},
      {"0x80000000", kFallback},
      {"99999999999", kFallback},
      {"9223372036854775807", kFallback},
      {"-9223372036854775808", kFallback},
      {"--9223372036854775808", kFallback},
      {"99999999999999999999999", kFallback},
  };
  const auto key = [](std::size_t i) { return std::string("K").append(std::to_string(i)); };
  std::string file = "[I]\r\n";
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    file += Concat({key(i), "=", cases[i].text, "\r\n"});
  }
  folder_.Write("Sub\\Settings.ini", file);
  TIniFile ini(files_, Path());
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(ini.ReadInteger("I", key(i), kFallback), cases[i].expected)
        << "\"" << cases[i].text << "\"";
  }
  EXPECT_EQ(ini.ReadInteger("I", "Absent", kFallback), kFallback);
}

TEST_F(IniFileOnDisk, AFailedWriteLeavesTheOldFileWhole) {
  const std::string original = "[Interface]\r\nLang=Deutsch\r\nScale=1200\r\n";
  folder_.Write("Sub\\Settings.ini", original);
  TIniFile ini(files_, Path());

  files_.failWritesOf = "Settings.ini";
  EXPECT_FALSE(ini.WriteString("Interface", "Lang", "English"));
  EXPECT_EQ(folder_.Read("Sub\\Settings.ini"), original);
  EXPECT_EQ(folder_.AllFiles(), std::vector<std::string>{"Sub/Settings.ini"})
      << "the temporary file was left behind";

  files_.failWritesOf.clear();
  files_.failReadsOf = "Settings.ini";
  EXPECT_FALSE(ini.WriteString("Interface", "Lang", "English"))
      << "an unreadable file must not be replaced by one holding a single key";
  EXPECT_EQ(folder_.Read("Sub\\Settings.ini"), original);
}

}  // namespace
}  // namespace vxl
