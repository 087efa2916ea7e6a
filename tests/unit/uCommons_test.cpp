#include "common/uCommons.h"

#include <gtest/gtest.h>

#include <cstring>

#include "TestFiles.h"

namespace vxl {
namespace {

constexpr WindowRef kOwner = 0x1234;

// A valid record image that differs from every other marker by its version.
std::string Image(std::int32_t marker) {
  TConfigRecord record;
  ResetToDefaults(record);
  record.version = marker;
  const auto bytes = RecordBytes(record);
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::string ImageOf(const TConfigRecord& record) {
  const auto bytes = RecordBytes(record);
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

TEST(ProgramFolder, IsThePathUpToItsLastBackslash) {
  const struct {
    const char* path;
    const char* folder;
  } cases[] = {{"C:\\Program Files\\Tool\\Vexilor2.exe", "C:\\Program Files\\Tool\\"},
               {"C:\\Vexilor2.exe", "C:\\"},
               {"\\\\server\\share\\V.exe", "\\\\server\\share\\"},
               {"Vexilor2.exe", "Vexilor2.exe"}};
  for (const auto& c : cases) EXPECT_EQ(ProgramFolderOf(c.path), c.folder) << c.path;
}

TEST(ProfileNames, OnlyNamesThatStayInTheirFolderAreSafe) {
  for (const char* name :
       {"Default", "Mon profil", "\xC3\xA9t\xC3\xA9 2024", "a.b", "AllUsers", "CONSOLE", "..x"}) {
    EXPECT_TRUE(IsSafeFileName(name)) << name;
  }
  for (const char* name :
       {"",    "  ", ".",  "..",   "..\\evil",  "sub\\x", "a/b", "C:evil",  "x<y",  "x>y",
        "x|y", "a?", "a*", "a\"b", "tab\there", "CON",    "con", "Nul.txt", "LPT1", "COM9 "}) {
    EXPECT_FALSE(IsSafeFileName(name)) << name;
  }
}

class ProfileStorage : public ::testing::Test {
 protected:
  ProfileStorage() : storage_{files_, boxes_, Texts, folder_.Root()} { ResetToDefaults(record_); }
  // Texts of the keys in brackets, so that boxes show which key they used.
  static std::string Texts(std::string_view key) { return "<" + std::string(key) + ">"; }

  bool Load(std::string_view name = "Default", bool fromTemplates = false,
            std::string_view folder = "bob") {
    return LoadProfile(storage_, record_, kOwner, fromTemplates, folder, name);
  }
  bool Save(std::string_view name, bool confirm = false, bool toTemplates = false,
            std::string_view folder = "bob") {
    return SaveProfile(storage_, record_, kOwner, toTemplates, folder, confirm, name);
  }

  test::TempFolder folder_;
  test::FaultyFileSystem files_;
  test::RecordingBoxes boxes_;
  TProfileStorage storage_;
  TConfigRecord record_;
};

TEST_F(ProfileStorage, FirstStartCreatesTheSharedDefaultAndTheUsersFolder) {
  record_.version = 77;  // the record in memory becomes the shared default
  ASSERT_TRUE(Load());
  EXPECT_EQ(folder_.Read("Users\\AllUsers\\Default.cnf"), Image(77));
  EXPECT_EQ(folder_.Read("Users\\bob\\Default.cnf"), Image(77));
  EXPECT_EQ(record_.version, 77);
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(ProfileStorage, ANewUsersFolderReceivesTheSharedProfilesAndSettings) {
  folder_.Write("Users\\AllUsers\\Default.cnf", Image(1));
  folder_.Write("Users\\AllUsers\\WORK.CNF", Image(2));
  folder_.Write("Users\\AllUsers\\Filters.ini", "[LastUsed]\n");
  folder_.Write("Users\\AllUsers\\notes.txt", "not a profile");
  ASSERT_TRUE(Load());
  EXPECT_EQ(record_.version, 1);
  EXPECT_EQ(folder_.AllFiles(),
            (std::vector<std::string>{"Users/AllUsers/Default.cnf", "Users/AllUsers/Filters.ini",
                                      "Users/AllUsers/WORK.CNF", "Users/AllUsers/notes.txt",
                                      "Users/bob/Default.cnf", "Users/bob/Filters.ini",
                                      "Users/bob/WORK.CNF"}));
}

TEST_F(ProfileStorage, ATransportFolderSeedsNewUsersInsteadOfAllUsers) {
  folder_.Write("Users\\AllUsers\\Default.cnf", Image(1));
  folder_.Write("Users\\Transport\\Default.cnf", Image(5));
  ASSERT_TRUE(Load());
  EXPECT_EQ(record_.version, 5);
  EXPECT_EQ(folder_.Read("Users\\bob\\Default.cnf"), Image(5));
}

TEST_F(ProfileStorage, AShortProfileIsRepairedWithoutTouchingTheUsersOtherFiles) {
  folder_.Write("Users\\AllUsers\\Default.cnf", Image(1));
  folder_.Write("Users\\AllUsers\\Work.cnf", Image(2));
  folder_.Write("Users\\AllUsers\\VexilorConfig.ini", "[Interface]\nLang=Francais\n");
  folder_.Write("Users\\bob\\Default.cnf", Image(9).substr(0, 611));
  folder_.Write("Users\\bob\\Work.cnf", Image(3));
  folder_.Write("Users\\bob\\VexilorConfig.ini", "[Interface]\nLang=English\n");
  ASSERT_TRUE(Load());
  EXPECT_EQ(record_.version, 1);
  EXPECT_EQ(folder_.Read("Users\\bob\\Default.cnf"), Image(1));
  EXPECT_EQ(folder_.Read("Users\\bob\\Work.cnf"), Image(3));
  EXPECT_EQ(folder_.Read("Users\\bob\\VexilorConfig.ini"), "[Interface]\nLang=English\n");
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(ProfileStorage, AnUnrepairableProfileWarnsWithTheUsersPathAndKeepsTheRecord) {
  folder_.Write("Users\\AllUsers\\Default.cnf", Image(1).substr(0, 611));
  folder_.Write("Users\\bob\\Default.cnf", Image(9).substr(0, 611));
  record_.version = 42;
  const std::string before = ImageOf(record_);
  EXPECT_FALSE(Load());
  EXPECT_EQ(ImageOf(record_), before) << "a short file must not overwrite part of the record";
  ASSERT_EQ(boxes_.shown.size(), 1u);
  const test::ShownBox& box = boxes_.shown[0];
  EXPECT_EQ(box.owner, kOwner);
  EXPECT_EQ(box.caption, "<rsErrorTitle>");
  EXPECT_EQ(box.text, "<rsErrorRead>\n" + folder_.Root() + "Users\\bob\\Default.cnf");
  EXPECT_EQ(box.icon, BoxIcon::Warning);
}

TEST_F(ProfileStorage, OnlyAWhole612ByteImageIsAdopted) {
  const struct {
    std::string content;
    bool adopted;
  } cases[] = {{"", false},
               {Image(8).substr(0, 1), false},
               {Image(8).substr(0, 611), false},
               {Image(8), true},
               {Image(8) + std::string(88, '\x7F'), true}};  // a longer file gives its start
  for (const auto& c : cases) {
    folder_.Write("p.cnf", c.content);
    TConfigRecord record;
    ResetToDefaults(record);
    EXPECT_EQ(ReadRecord(files_, folder_.Root() + "p.cnf", record), c.adopted) << c.content.size();
    EXPECT_EQ(record.version, c.adopted ? 8 : 200);
  }
  TConfigRecord record;
  EXPECT_FALSE(ReadRecord(files_, folder_.Root() + "missing.cnf", record));
}

TEST_F(ProfileStorage, SavingReplacesWithoutAskingUnlessConfirmIsWanted) {
  folder_.Write("Users\\bob\\Work.cnf", Image(1));
  record_.version = 2;
  ASSERT_TRUE(Save("Work"));
  EXPECT_EQ(folder_.Read("Users\\bob\\Work.cnf"), Image(2));
  EXPECT_TRUE(boxes_.shown.empty());
  EXPECT_TRUE(boxes_.beeps.empty());

  record_.version = 3;
  boxes_.answer = BoxAnswer::No;
  EXPECT_FALSE(Save("Work", /*confirm=*/true));
  EXPECT_EQ(folder_.Read("Users\\bob\\Work.cnf"), Image(2)) << "refused, yet written";
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.beeps, std::vector<BoxIcon>{BoxIcon::Information});
  EXPECT_EQ(boxes_.shown[0].caption, "<rsSaveAs>");
  EXPECT_EQ(boxes_.shown[0].text,
            folder_.Root() + "Users\\bob\\Work.cnf\r\n<rsFileExists>\r\n\r\n<rsFileReplace>");
  EXPECT_EQ(boxes_.shown[0].icon, BoxIcon::Question);
  EXPECT_EQ(boxes_.shown[0].buttons, BoxButtons::YesNo);

  boxes_.answer = BoxAnswer::Yes;
  EXPECT_TRUE(Save("Work", /*confirm=*/true));
  EXPECT_EQ(folder_.Read("Users\\bob\\Work.cnf"), Image(3));
}

TEST_F(ProfileStorage, TemplatesAreSavedAndLoadedInTheLanguageFolder) {
  record_.version = 6;
  ASSERT_TRUE(Save("Contrast", false, /*toTemplates=*/true, "Francais"));
  EXPECT_EQ(folder_.Read("Templates\\Francais\\Contrast.cnf"), Image(6));
  record_.version = 0;
  ASSERT_TRUE(Load("Contrast", /*fromTemplates=*/true, "Francais"));
  EXPECT_EQ(record_.version, 6);

  EXPECT_FALSE(Load("Missing", true, "Francais"));
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text,
            "<rsErrorRead>\n" + folder_.Root() + "Templates\\Francais\\Missing.cnf");
  EXPECT_FALSE(folder_.Exists("Users")) << "a template load has no business in Users";
}

TEST_F(ProfileStorage, ANameThatWouldLeaveItsFolderIsRefusedAndNothingIsWritten) {
  folder_.Write("Users\\bob\\Default.cnf", Image(1));
  const auto before = folder_.AllFiles();
  for (const char* name : {"sub\\x", "..\\..\\evil", "C:\\evil", "a/b", "x:y", "CON", "", ".."}) {
    boxes_.shown.clear();
    EXPECT_FALSE(Save(name)) << name;
    ASSERT_EQ(boxes_.shown.size(), 1u) << name;
    EXPECT_EQ(boxes_.shown[0].caption, "<rsErrorTitle>");
    EXPECT_EQ(boxes_.shown[0].text,
              "<rsErrorCreate>\n" + folder_.Root() + "Users\\bob\\" + name + ".cnf");
  }
  EXPECT_FALSE(Save("Work", false, false, "..\\..\\elsewhere"));
  EXPECT_EQ(folder_.AllFiles(), before);
  EXPECT_FALSE(std::filesystem::exists(folder_.Native("evil.cnf")));
}

TEST_F(ProfileStorage, AFailedSaveNeverLeavesATruncatedProfile) {
  folder_.Write("Users\\bob\\Default.cnf", Image(1));
  record_.version = 2;
  const struct {
    const char* fault;
    const char* textKey;
  } cases[] = {
      {"write", "<rsErrorWrite>"}, {"create", "<rsErrorCreate>"}, {"move", "<rsErrorCreate>"}};
  for (const auto& c : cases) {
    files_ = test::FaultyFileSystem();
    if (std::string(c.fault) == "write") files_.failWritesOf = "Default.cnf";
    if (std::string(c.fault) == "create") files_.failCreatesOf = "Default.cnf";
    if (std::string(c.fault) == "move") files_.failMoves = true;
    boxes_.shown.clear();
    EXPECT_FALSE(Save("Default")) << c.fault;
    EXPECT_EQ(folder_.Read("Users\\bob\\Default.cnf"), Image(1)) << c.fault;
    EXPECT_EQ(folder_.AllFiles(), std::vector<std::string>{"Users/bob/Default.cnf"})
        << c.fault << ": a temporary file was left behind";
    ASSERT_EQ(boxes_.shown.size(), 1u) << c.fault;
    EXPECT_EQ(boxes_.shown[0].text,
              std::string(c.textKey) + "\n" + folder_.Root() + "Users\\bob\\Default.cnf");
  }
}

TEST_F(ProfileStorage, CopyingStopsAtTheFirstFailure) {
  folder_.Write("Users\\AllUsers\\readme.txt", "");
  EXPECT_TRUE(CopyProfiles(storage_, "AllUsers", "bob")) << "nothing to copy is no failure";
  EXPECT_TRUE(folder_.Exists("Users\\bob"));

  folder_.Write("Users\\bob\\Default.cnf", Image(1));
  files_.failCopies = true;
  EXPECT_FALSE(CopyProfiles(storage_, "bob", "Transport"));

  files_.failCopies = false;
  files_.failMakeDirectory = true;
  EXPECT_FALSE(CopyProfiles(storage_, "bob", "Elsewhere"));
}

}  // namespace
}  // namespace vxl
