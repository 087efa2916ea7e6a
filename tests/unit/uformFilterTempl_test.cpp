#include "service/uformFilterTempl.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

#include "TestFiles.h"
#include "common/IniFile.h"

namespace vxl {

void PrintTo(const TFilterTemplate& t, std::ostream* os) {
  *os << "{frame " << t.Frame.left << "," << t.Frame.top << " " << t.Frame.width << "x"
      << t.Frame.height << " onTop " << t.ForceOnTop << " mode " << t.Filter << std::hex
      << " pair1 " << t.ColSubst1.Src << ">" << t.ColSubst1.Dst << " pair2 " << t.ColSubst2.Src
      << ">" << t.ColSubst2.Dst << std::dec << " bars " << t.MouseBars << "}";
}

namespace {

constexpr Size kScreen{1920, 1080};
constexpr std::uint32_t kRed = 16711680, kBlue = 255;

// The file after one template named Loupe was saved in mode 2 with red
// replaced by blue.
const char* const kExampleLines[] = {
    "[LastUsed]",
    "Name=Loupe",
    "[Loupe]",
    "Left=490",
    "Top=180",
    "Width=311",
    "Height=230",
    "ForceOnTop=0",
    "Filter=2",
    "ColSubst1.Src=16711680",
    "ColSubst1.Dst=255",
    "ColSubst2.Src=1193046",
    "ColSubst2.Dst=1193046",
    "MouseBars=1",
};

// A literal's bytes, NULs included.
template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

std::string ExampleFile() {
  std::string text;
  for (const char* line : kExampleLines) text += std::string(line) + "\r\n";
  return text;
}

TFilterTemplate Loupe() {
  TFilterTemplate t;
  t.Filter = fmColourSubstitution;
  t.ColSubst1 = {kRed, kBlue};
  return t;
}

TFilterTemplate Templ(Box frame, std::int32_t mode, TColourPair pair1 = {}, TColourPair pair2 = {},
                      bool forceOnTop = false, bool mouseBars = true) {
  return {frame, forceOnTop, mode, pair1, pair2, mouseBars};
}

class FilterTemplatesTest : public ::testing::Test {
 protected:
  FilterTemplatesTest() { std::filesystem::create_directories(folder_.Native(kUserFolder)); }

  TFilterTemplates Templates() { return TFilterTemplates(files_, Path()); }
  std::string Path() const { return FilterTemplatesPath(folder_.Root(), "bob"); }
  void WriteFile(const std::string& bytes) { folder_.Write(kFile, bytes); }
  std::string FileBytes() const { return folder_.Read(kFile); }
  bool FileExists() const { return folder_.Exists(kFile); }
  // The file's lines that are not blank.
  std::vector<std::string> FileLines() const {
    std::vector<std::string> lines;
    std::string line;
    for (char c : FileBytes()) {
      if (c == '\n') {
        if (!line.empty()) lines.push_back(line);
        line.clear();
      } else if (c != '\r') {
        line += c;
      }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
  }

  static constexpr const char* kUserFolder = "Users\\bob";
  static constexpr const char* kFile = "Users\\bob\\Filters.ini";
  test::TempFolder folder_;
  test::FaultyFileSystem files_;
};

TEST(FilterTemplatesPathTest, IsInTheUsersFolder) {
  EXPECT_EQ(FilterTemplatesPath("C:\\Vexilor\\", "bob"), "C:\\Vexilor\\Users\\bob\\Filters.ini");
}

TEST_F(FilterTemplatesTest, ReadsTheExampleFile) {
  WriteFile(ExampleFile());
  const TFilterTemplates templates = Templates();
  EXPECT_EQ(templates.Load("Loupe", kScreen), Loupe());
  EXPECT_EQ(templates.Load("LOUPE", kScreen), Loupe()) << "names without regard to case";
  EXPECT_EQ(templates.LastUsedName(), "Loupe");
  EXPECT_EQ(templates.ResolveName("", "Filtre par défaut"), "Loupe");
  EXPECT_EQ(templates.Names(), std::vector<std::string>{"Loupe"});
}

TEST_F(FilterTemplatesTest, SavingIntoNoFileWritesTheExample) {
  ASSERT_FALSE(FileExists());
  ASSERT_TRUE(Templates().Save("Loupe", Loupe()));
  EXPECT_EQ(FileLines(),
            std::vector<std::string>(std::begin(kExampleLines), std::end(kExampleLines)));
  EXPECT_EQ(Templates().Load("Loupe", kScreen), Loupe());
}

TEST_F(FilterTemplatesTest, FirstUseGivesTheDefaults) {
  const TFilterTemplates templates = Templates();
  const TFilterTemplate defaults =
      Templ({490, 180, 311, 230}, fmColourInversion, {NoColour, NoColour}, {NoColour, NoColour},
            /*forceOnTop=*/false, /*mouseBars=*/true);
  EXPECT_EQ(templates.Load("Filtre par défaut", kScreen), defaults);
  EXPECT_EQ(templates.Load("", kScreen), defaults);
  EXPECT_TRUE(templates.Names().empty());
  EXPECT_EQ(templates.LastUsedName(), "");
  EXPECT_EQ(templates.ResolveName("", "Filtre par défaut"), "Filtre par défaut");
  EXPECT_EQ(templates.ResolveName("", ""), kFallbackTemplateName);
  EXPECT_EQ(templates.ResolveName("  ", "\r\n"), kFallbackTemplateName);
  EXPECT_EQ(templates.ResolveName(" Mon filtre ", "Filtre par défaut"), "Mon filtre");

  const TTemplateList list = MakeTemplateList(templates.Names(), "Filtre par défaut");
  EXPECT_EQ(list.names, std::vector<std::string>{"Filtre par défaut"});
  EXPECT_EQ(list.selected, 0);
  EXPECT_FALSE(CanDeleteTemplate(list)) << "the only template cannot be deleted";
  EXPECT_FALSE(FileExists()) << "reading creates nothing";
}

TEST_F(FilterTemplatesTest, BadFilesGiveUsableTemplates) {
  const Box defaultFrame{490, 180, 311, 230};
  const struct {
    const char* name;
    std::string file;
    Size screen;
    TFilterTemplate expected;
  } cases[] = {
      {"empty file", "", kScreen, Templ(defaultFrame, 0)},
      {"truncated header", "[Lou", kScreen, Templ(defaultFrame, 0)},
      {"truncated value", "[Loupe]\r\nLeft=100\r\nTop=2", kScreen, Templ({100, 2, 311, 230}, 0)},
      {"truncated after the key", "[Loupe]\nFilter=6\nWidth", kScreen, Templ(defaultFrame, 6)},
      {"UTF-16",
       Bytes("\xFF\xFE[\0L\0o\0u\0p\0e\0]\0\r\0\n\0F\0i\0l\0t\0e\0r\0=\0"
             "2\0"),
       kScreen, Templ(defaultFrame, 0)},
      {"negative sizes", "[Loupe]\nLeft=-5000\nTop=-5000\nWidth=-3\nHeight=-1\n", kScreen,
       Templ({0, -20, kMinFrameWidth, kMinFrameHeight}, 0)},
      {"huge sizes", "[Loupe]\nLeft=2147483647\nTop=99999\nWidth=2147483647\nHeight=5000\n",
       kScreen, Templ({0, 0, 1920, 1080}, 0)},
      {"beyond 32 bits", "[Loupe]\nLeft=99999999999\nWidth=-99999999999\n", kScreen,
       Templ(defaultFrame, 0)},
      {"frame off the right and bottom", "[Loupe]\nLeft=1800\nTop=1000\n", kScreen,
       Templ({1920 - 311, 1080 - 230, 311, 230}, 0)},
      {"small screen", "[Loupe]\n", {640, 480}, Templ({640 - 311, 180, 311, 230}, 0)},
      {"no screen", "[Loupe]\n", {0, -1}, Templ({0, 0, kMinFrameWidth, kMinFrameHeight}, 0)},
      {"mode 42", "[Loupe]\nFilter=42\nColSubst1.Src=255\n", kScreen, Templ(defaultFrame, 0)},
      {"negative mode", "[Loupe]\nFilter=-1\n", kScreen, Templ(defaultFrame, 0)},
      {"mode not a number", "[Loupe]\nFilter=deux\n", kScreen, Templ(defaultFrame, 0)},
      {"hexadecimal", "[Loupe]\nFilter=$3\nColSubst1.Src=$FF0000\nColSubst1.Dst=0xff\n", kScreen,
       Templ(defaultFrame, 3, {kRed, kBlue})},
      {"colours not numbers", "[Loupe]\nFilter=2\nColSubst1.Src=red\nColSubst1.Dst=\n", kScreen,
       Templ(defaultFrame, 2)},
      {"colours beyond 24 bits",
       "[Loupe]\nFilter=2\nColSubst1.Src=-1\nColSubst1.Dst=16777216\nColSubst2.Src=$1000000\n"
       "ColSubst2.Dst=16777215\n",
       kScreen, Templ(defaultFrame, 2, {NoColour, NoColour}, {NoColour, 0xFFFFFF})},
      {"colours of a mode without pairs", "[Loupe]\nFilter=4\nColSubst1.Src=255\n", kScreen,
       Templ(defaultFrame, 4)},
      {"booleans", "[Loupe]\nForceOnTop=7\nMouseBars=0\n", kScreen,
       Templ(defaultFrame, 0, {}, {}, true, false)},
      {"booleans not numbers", "[Loupe]\nForceOnTop=oui\nMouseBars=non\n", kScreen,
       Templ(defaultFrame, 0)},
      {"blanks and first of duplicates", "[ loupe ]\n  Filter = 5 \nFilter=6\n[Loupe]\nFilter=7\n",
       kScreen, Templ(defaultFrame, 5)},
  };
  for (const auto& c : cases) {
    WriteFile(c.file);
    EXPECT_EQ(Templates().Load("Loupe", c.screen), c.expected) << c.name;
  }
}

TEST(FilterTemplateNames, TypedNamesCannotBreakTheFile) {
  const std::string e = "\xC3\xA9";  // é
  std::string longName;
  for (int i = 0; i < 150; ++i) longName += e;
  std::string cutName;
  for (std::size_t i = 0; i < kTemplateNameMaxChars; ++i) cutName += e;
  const struct {
    std::string typed;
    std::string stored;
  } cases[] = {
      {"Loupe", "Loupe"},
      {"  Loupe\t ", "Loupe"},
      {"a]b", "a]b"},
      {"[x]", "[x]"},
      {"x=1", "x=1"},
      {";comment", ";comment"},
      {"two\r\nlines", "two  lines"},
      {"Evil]\r\n[LastUsed]\r\nName=Hack", "Evil]  [LastUsed]  Name=Hack"},
      {std::string("nul\0byte", 8), "nul byte"},
      {"\x7F"
       "del",
       "del"},
      {"\xC9"
       "cran",
       "\xC3\x89"
       "cran"},  // Windows-1252 É
      {longName, cutName},
      {"\r\n", ""},
      {"   ", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SanitizeTemplateName(c.typed), c.stored) << c.typed;
  }
}

TEST_F(FilterTemplatesTest, ASavedNameReadsBackAsOneWellFormedTemplate) {
  const std::string evil = "Evil]\r\n[LastUsed]\r\nName=Hack";
  const TFilterTemplate t = Templ({10, 20, 300, 200}, 7, {}, {}, true, false);
  for (const std::string& typed :
       {std::string("a]b"), std::string("x=1 "), std::string(" [x] "), evil,
        std::string("\xC9"
                    "cran")}) {
    std::filesystem::remove(folder_.Native(kFile));
    ASSERT_TRUE(Templates().Save(typed, t)) << typed;
    const std::string stored = SanitizeTemplateName(typed);
    const TIniDocument file = TIniDocument::Parse(FileBytes());
    EXPECT_EQ(file.SectionNames(), (std::vector<std::string>{"LastUsed", stored})) << typed;
    EXPECT_EQ(file.SectionLines("LastUsed"), std::vector<std::string>{"Name=" + stored});
    EXPECT_EQ(file.SectionLines(stored).size(), 11u) << typed;
    EXPECT_EQ(Templates().Names(), std::vector<std::string>{stored});
    EXPECT_EQ(Templates().LastUsedName(), stored);
    EXPECT_EQ(Templates().Load(typed, kScreen), t) << typed;
    EXPECT_EQ(Templates().Load(stored, kScreen), t) << typed;
  }
  std::filesystem::remove(folder_.Native(kFile));
  EXPECT_FALSE(Templates().Save(" \r\n ", t)) << "a name of nothing is refused";
  EXPECT_FALSE(FileExists());
}

TEST_F(FilterTemplatesTest, SavingAgainReplacesTheKeysAndKeepsEverythingElse) {
  // Windows-1252 (É is one byte), LF line ends, a comment, an unknown key.
  const std::string original =
      "; my filters\n[LastUsed]\nName=\xC9"
      "cran\n[\xC9"
      "cran]\nFilter=5\nNote=mine\n";
  WriteFile(original);
  ASSERT_TRUE(Templates().Save("Loupe", Loupe()));
  const TFilterTemplate second = Templ({0, 0, 400, 300}, 1, {}, {}, false, false);
  ASSERT_TRUE(Templates().Save("loupe", second));
  const TFilterTemplate accented = Templ({5, 6, 200, 100}, 3, {kRed, kBlue});
  ASSERT_TRUE(
      Templates().Save("\xC3\x89"
                       "cran",
                       accented));

  const std::string bytes = FileBytes();
  EXPECT_EQ(bytes.substr(0, 19), original.substr(0, 19)) << "the lines before stay as they were";
  EXPECT_EQ(bytes.find('\r'), std::string::npos) << "new lines end as the file's do";
  EXPECT_NE(bytes.find("[\xC9"
                       "cran]\nFilter=3\nNote=mine\n"),
            std::string::npos)
      << "still Windows-1252, keys replaced in place, the unknown key kept";
  const TIniDocument file = TIniDocument::Parse(bytes);
  EXPECT_EQ(file.SectionNames(), (std::vector<std::string>{"LastUsed",
                                                           "\xC3\x89"
                                                           "cran",
                                                           "Loupe"}));
  EXPECT_EQ(file.SectionLines("Loupe").size(), 11u) << "each key once";
  EXPECT_EQ(Templates().Load("Loupe", kScreen), second);
  EXPECT_EQ(Templates().Load("\xC3\x89"
                             "cran",
                             kScreen),
            accented);
  EXPECT_EQ(Templates().LastUsedName(),
            "\xC3\x89"
            "cran");
}

TEST_F(FilterTemplatesTest, SavingIntoAFileOfAnotherEncodingKeepsItsBytes) {
  const std::string utf16 = Bytes("\xFF\xFE[\0L\0o\0u\0p\0e\0]\0\r\0\n\0");
  WriteFile(utf16);
  EXPECT_TRUE(Templates().Names().empty());
  ASSERT_TRUE(Templates().Save("Loupe", Loupe()));
  EXPECT_EQ(FileBytes().substr(0, utf16.size()), utf16);
  EXPECT_EQ(Templates().Load("Loupe", kScreen), Loupe());
  EXPECT_EQ(Templates().Names(), std::vector<std::string>{"Loupe"});
}

TEST_F(FilterTemplatesTest, SavingFailsWithoutHarmWhenTheFileCannotBeReadOrWritten) {
  WriteFile(ExampleFile());
  files_.failReadsOf = "Filters.ini";
  EXPECT_FALSE(Templates().Save("Autre", Loupe()));
  files_.failReadsOf.clear();
  files_.failCreatesOf = "Filters.ini";
  EXPECT_FALSE(Templates().Save("Autre", Loupe()));
  files_.failCreatesOf.clear();
  files_.failWritesOf = "Filters.ini";
  EXPECT_FALSE(Templates().Save("Autre", Loupe()));
  files_.failWritesOf.clear();
  files_.failMoves = true;
  EXPECT_FALSE(Templates().Save("Autre", Loupe()));
  EXPECT_FALSE(Templates().Delete("Loupe"));
  files_.failMoves = false;
  EXPECT_EQ(FileBytes(), ExampleFile());

  std::filesystem::remove_all(folder_.Native(kUserFolder));
  EXPECT_FALSE(Templates().Save("Loupe", Loupe())) << "no user folder";
}

TEST_F(FilterTemplatesTest, ListsSortedNamesWithoutLastUsed) {
  WriteFile("[LastUsed]\nName=b\n[b]\n[A]\n[lastused]\n[]\n[tab\there]\n[ c ]\n");
  const TFilterTemplates templates = Templates();
  EXPECT_EQ(templates.Names(), (std::vector<std::string>{"A", "b", "c"}));

  const struct {
    const char* current;
    int selected;
    bool canDelete;
  } cases[] = {
      {"b", 1, true},
      {"B", 1, true},  // letter case ignored
      {"a", 0, true},
      {"zzz", -1, false},  // not listed: nothing selected
  };
  for (const auto& c : cases) {
    const TTemplateList list = MakeTemplateList(templates.Names(), c.current);
    EXPECT_EQ(list.names, (std::vector<std::string>{"A", "b", "c"})) << c.current;
    EXPECT_EQ(list.selected, c.selected) << c.current;
    EXPECT_EQ(CanDeleteTemplate(list), c.canDelete) << c.current;
  }
  EXPECT_FALSE(CanDeleteTemplate(MakeTemplateList({"A"}, "A")));
}

TEST_F(FilterTemplatesTest, DeletesOneTemplateAndNeverLastUsed) {
  WriteFile(ExampleFile() + "[Autre]\r\nFilter=4\r\n");
  TFilterTemplates templates = Templates();
  EXPECT_FALSE(templates.Delete("LastUsed"));
  EXPECT_FALSE(templates.Delete(" lastused "));
  EXPECT_FALSE(templates.Delete(" \n"));
  EXPECT_EQ(FileBytes(), ExampleFile() + "[Autre]\r\nFilter=4\r\n");

  EXPECT_TRUE(templates.Delete(" loupe "));
  EXPECT_EQ(templates.Names(), std::vector<std::string>{"Autre"});
  EXPECT_EQ(templates.LastUsedName(), "Loupe") << "LastUsed is left as it was";
  EXPECT_EQ(templates.Load("Loupe", kScreen), Templ({490, 180, 311, 230}, 0));
  EXPECT_EQ(templates.Load("Autre", kScreen).Filter, fmGreyLevels);
  EXPECT_EQ(FileBytes(), "[LastUsed]\r\nName=Loupe\r\n[Autre]\r\nFilter=4\r\n");
}

}  // namespace
}  // namespace vxl
