// Profiles and language files as the service meets them at start: a first
// start in an empty program folder, new users seeded from Transport, broken
// profiles repaired, and missing files reported.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "E2eHarness.h"
#include "common/ConfigRecord.h"
#include "common/StdFileSystem.h"
#include "common/WinFileSystem_win.h"
#include "common/uCommons.h"
#include "common/uclMsgLoc.h"
#include "service/uformMain.h"
#include "ui/WinHandles_win.h"

namespace {

constexpr const wchar_t* kMainClass = L"TVexilor2Wnd";

std::wstring UserName() {
  wchar_t name[257];
  DWORD size = 257;
  return ::GetUserNameW(name, &size) ? std::wstring(name, size - 1) : std::wstring();
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                        nullptr, nullptr);
  return result;
}

std::wstring Wide(const std::string& text) {
  if (text.empty()) return {};
  const int size =
      ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring result(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                        size);
  return result;
}

// A valid profile image told apart by its version.
std::vector<std::uint8_t> Image(std::int32_t version) {
  vxl::TConfigRecord record;
  vxl::ResetToDefaults(record);
  record.version = version;
  const auto bytes = vxl::RecordBytes(record);
  return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> DefaultsImage() {
  vxl::TConfigRecord record;
  vxl::ResetToDefaults(record);
  const auto bytes = vxl::RecordBytes(record);
  return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

class SilentBoxes : public vxl::IMessageBoxes {
 public:
  vxl::BoxAnswer Show(vxl::WindowRef, const std::string&, const std::string&, vxl::BoxIcon,
                      vxl::BoxButtons) override {
    return vxl::BoxAnswer::Ok;
  }
  void Beep(vxl::BoxIcon) override {}
};

// Boxes the shared routines would show, by text (the key's name stands for
// the catalogue text).
class RecordingBoxes : public vxl::IMessageBoxes {
 public:
  vxl::BoxAnswer Show(vxl::WindowRef, const std::string& text, const std::string&, vxl::BoxIcon,
                      vxl::BoxButtons) override {
    texts.push_back(text);
    return vxl::BoxAnswer::Ok;
  }
  void Beep(vxl::BoxIcon) override {}
  std::vector<std::string> texts;
};

// A file opened the way the other program of ours opens one to read it,
// or with less sharing.
vxl::win::UniqueFileHandle OpenForReading(const std::wstring& path, DWORD share) {
  return vxl::win::UniqueFileHandle(
      ::CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr));
}
constexpr DWORD kReaderSharing = FILE_SHARE_READ | FILE_SHARE_DELETE;

std::vector<std::uint8_t> ReadToEnd(HANDLE file) {
  std::vector<std::uint8_t> bytes;
  std::uint8_t buffer[4096];
  DWORD read = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    bytes.insert(bytes.end(), buffer, buffer + read);
  }
  return bytes;
}

std::vector<std::wstring> FileNamesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return names;
}

class SharedFoundation : public ::testing::Test {
 protected:
  SharedFoundation() : user_(UserName()) {
    // A run of the service straight from the build folder leaves a Users
    // folder there; every test here starts without one.
    service_.Folder().RemoveFolder(L"Users");
  }

  std::wstring UserFile(const std::wstring& name) const {
    return L"Users\\" + user_ + L"\\" + name;
  }
  void UseLanguage(const std::string& language) {
    ASSERT_TRUE(service_.Folder().WriteFile(UserFile(L"VexilorConfig.ini"),
                                            Bytes("[Interface]\r\nLang=" + language + "\r\n")));
  }
  // The service's text of a key in a shipped language, read the way the
  // service reads it.
  std::wstring Text(const std::string& language, const std::string& key) {
    vxl::TStdFileSystem files;
    SilentBoxes boxes;
    vxl::TMsgLocalizer catalogue(files, boxes, language, Utf8(service_.Folder().FilePath(L"Lang")));
    catalogue.SetSection("Vexilor");
    catalogue.SetCommonSection("Commons");
    return Wide(catalogue.GetMsg(key));
  }
  bool StartService() { return service_.Launch(); }
  // The service is up and its start-up went through without a box.
  void ExpectRunningWithoutABox() {
    HWND main = e2e::WaitForWindow(kMainClass, service_.Id());
    ASSERT_NE(main, nullptr) << "the service did not start";
    EXPECT_EQ(e2e::Send(main, vxl::WM_VXL_RELOAD, 7, 0), 1) << "the service does not answer";
    EXPECT_TRUE(e2e::DialogBoxes(service_.Id()).empty()) << "a box showed at start";
  }

  std::wstring user_;
  e2e::ServiceUnderTest service_;
};

TEST_F(SharedFoundation, FirstStartCreatesTheSharedDefaultAndTheUsersFolder) {
  ASSERT_FALSE(user_.empty());
  ASSERT_FALSE(service_.Folder().Exists(L"Users"));
  ASSERT_TRUE(StartService());
  ExpectRunningWithoutABox();
  EXPECT_EQ(service_.Folder().ReadFile(L"Users\\AllUsers\\Default.cnf"), DefaultsImage());
  EXPECT_EQ(service_.Folder().ReadFile(UserFile(L"Default.cnf")), DefaultsImage());
}

TEST_F(SharedFoundation, ATransportFolderSeedsTheNewUserInsteadOfAllUsers) {
  ASSERT_TRUE(service_.Folder().WriteFile(L"Users\\AllUsers\\Default.cnf", Image(1)));
  ASSERT_TRUE(service_.Folder().WriteFile(L"Users\\Transport\\Default.cnf", Image(5)));
  ASSERT_TRUE(service_.Folder().WriteFile(L"Users\\Transport\\Travel.cnf", Image(6)));
  ASSERT_TRUE(
      service_.Folder().WriteFile(L"Users\\Transport\\Filters.ini", Bytes("[LastUsed]\r\n")));
  ASSERT_TRUE(StartService());
  ExpectRunningWithoutABox();
  EXPECT_EQ(service_.Folder().ReadFile(UserFile(L"Default.cnf")), Image(5));
  EXPECT_EQ(service_.Folder().ReadFile(UserFile(L"Travel.cnf")), Image(6));
  EXPECT_TRUE(service_.Folder().Exists(UserFile(L"Filters.ini")));
  EXPECT_EQ(service_.Folder().ReadFile(L"Users\\AllUsers\\Default.cnf"), Image(1));
}

TEST_F(SharedFoundation, AShortProfileIsRepairedFromAllUsersAndTheServiceStarts) {
  ASSERT_TRUE(service_.Folder().WriteFile(L"Users\\AllUsers\\Default.cnf", Image(3)));
  std::vector<std::uint8_t> shortImage = Image(9);
  shortImage.resize(611);
  ASSERT_TRUE(service_.Folder().WriteFile(UserFile(L"Default.cnf"), shortImage));
  ASSERT_TRUE(service_.Folder().WriteFile(UserFile(L"Mine.cnf"), Image(4)));
  ASSERT_TRUE(StartService());
  ExpectRunningWithoutABox();
  EXPECT_EQ(service_.Folder().ReadFile(UserFile(L"Default.cnf")), Image(3));
  EXPECT_EQ(service_.Folder().ReadFile(UserFile(L"Mine.cnf")), Image(4))
      << "the user's other profile";
}

TEST_F(SharedFoundation, AnUnrepairableProfileIsReportedWithTheUsersPath) {
  std::vector<std::uint8_t> shortImage = Image(9);
  shortImage.resize(611);
  ASSERT_TRUE(service_.Folder().WriteFile(L"Users\\AllUsers\\Default.cnf", shortImage));
  ASSERT_TRUE(service_.Folder().WriteFile(UserFile(L"Default.cnf"), shortImage));
  UseLanguage("English");
  ASSERT_TRUE(StartService());
  HWND box = e2e::WaitForDialogBox(service_.Id());
  ASSERT_NE(box, nullptr) << "no warning";
  e2e::PumpMessages(500);  // let the box paint for the screenshot
  EXPECT_FALSE(e2e::SaveScreenshot(L"profile-read-warning").empty());
  EXPECT_EQ(e2e::WindowText(box), Text("English", "rsErrorTitle"));
  const std::wstring text = e2e::DialogText(box);
  EXPECT_NE(text.find(Text("English", "rsErrorRead")), std::wstring::npos) << text;
  EXPECT_NE(text.find(service_.Folder().FilePath(UserFile(L"Default.cnf"))), std::wstring::npos)
      << text;
  e2e::PressDialogButton(box, IDOK);
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::DialogBoxes(service_.Id()).empty(); }));
  ExpectRunningWithoutABox();
}

// Both programs read the same profiles and settings: one reading a file
// must not make the other's read fail (and its settings fall back).
TEST_F(SharedFoundation, AProfileAnotherProgramIsReadingIsStillReadAtStart) {
  ASSERT_TRUE(service_.Folder().WriteFile(L"Users\\AllUsers\\Default.cnf", Image(3)));
  ASSERT_TRUE(service_.Folder().WriteFile(UserFile(L"Default.cnf"), Image(7)));
  UseLanguage("English");
  const auto reader =
      OpenForReading(service_.Folder().FilePath(UserFile(L"Default.cnf")), kReaderSharing);
  ASSERT_TRUE(reader);
  ASSERT_TRUE(StartService());
  ExpectRunningWithoutABox();
  EXPECT_EQ(service_.Folder().ReadFile(UserFile(L"Default.cnf")), Image(7))
      << "repaired instead of read";
}

// The configuration program saves profiles (and settings) that the service
// may be reading at that moment. The save runs here through the programs'
// own file layer while this test holds the file open as a reader: with a
// reader that shares deletion it replaces the file in one step, and the
// reader goes on reading the old file whole; a reader that does not share
// deletion makes it fail cleanly, with the old file kept.
TEST_F(SharedFoundation, ASaveReplacesAProfileThatAnotherProgramIsReading) {
  const std::wstring profile = UserFile(L"Default.cnf");
  const struct {
    DWORD readerSharing;
    bool saved;
  } cases[] = {{kReaderSharing, true}, {FILE_SHARE_READ, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "reader sharing 0x" << std::hex << c.readerSharing);
    ASSERT_TRUE(service_.Folder().WriteFile(profile, Image(7)));
    vxl::win::TWinFileSystem files;
    RecordingBoxes boxes;
    const vxl::TProfileStorage storage{files, boxes,
                                       [](std::string_view key) { return std::string(key); },
                                       Utf8(service_.Folder().Path())};
    vxl::TConfigRecord record;
    vxl::ResetToDefaults(record);
    record.version = 8;
    {
      const auto reader = OpenForReading(service_.Folder().FilePath(profile), c.readerSharing);
      ASSERT_TRUE(reader);
      EXPECT_EQ(vxl::SaveProfile(storage, record, 0, false, Utf8(user_), false, "Default"),
                c.saved);
      EXPECT_EQ(ReadToEnd(reader.get()), Image(7)) << "the reader's file changed under it";
    }
    if (c.saved) {
      EXPECT_TRUE(boxes.texts.empty()) << boxes.texts.front();
    } else {
      EXPECT_EQ(boxes.texts, std::vector<std::string>{"rsErrorCreate\n" +
                                                      Utf8(service_.Folder().FilePath(profile))});
    }
    EXPECT_EQ(service_.Folder().ReadFile(profile), c.saved ? Image(8) : Image(7));
    EXPECT_EQ(FileNamesIn(service_.Folder().FilePath(L"Users\\" + user_)),
              std::vector<std::wstring>{L"Default.cnf"})
        << "a temporary file was left behind";
  }
}

TEST_F(SharedFoundation, AMissingLanguageFileIsReportedAndTheServiceRunsOn) {
  UseLanguage("English");
  ASSERT_TRUE(::DeleteFileW(service_.Folder().FilePath(L"Lang\\English.Msg").c_str()));
  ASSERT_TRUE(StartService());
  HWND box = e2e::WaitForDialogBox(service_.Id());
  ASSERT_NE(box, nullptr) << "the missing file was not reported";
  e2e::PumpMessages(500);
  EXPECT_FALSE(e2e::SaveScreenshot(L"missing-language-file").empty());
  EXPECT_EQ(e2e::WindowText(box), L"This file does not exist");
  EXPECT_EQ(e2e::DialogText(box), service_.Folder().FilePath(L"Lang\\English.Msg"));
  e2e::PressDialogButton(box, IDOK);
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::DialogBoxes(service_.Id()).empty(); }));
  ExpectRunningWithoutABox();
  EXPECT_EQ(service_.Folder().ReadFile(UserFile(L"Default.cnf")), DefaultsImage());
}

TEST_F(SharedFoundation, ReloadingTheLanguageAnswersAndKeepsTheServiceRunning) {
  UseLanguage("English");
  ASSERT_TRUE(StartService());
  ExpectRunningWithoutABox();
  HWND main = e2e::WaitForWindow(kMainClass, service_.Id());
  UseLanguage("Francais");
  EXPECT_EQ(e2e::Send(main, vxl::WM_VXL_RELOAD, vxl::Reload::Language, 0), 1);
  UseLanguage("Missing");  // falls back to Francais, silently
  EXPECT_EQ(e2e::Send(main, vxl::WM_VXL_RELOAD, vxl::Reload::Language, 0), 1);
  ExpectRunningWithoutABox();
}

}  // namespace
