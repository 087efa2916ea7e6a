// The gallery relabelled by a language file and scaled: texts, hints and
// list entries replaced by name (a Tag of 999 keeps its text), every
// control's rectangle scaled in proportion, screenshots at 100 % and 150 %.
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "E2eHarness.h"
#include "GalleryProcess.h"
#include "UiChecks.h"
#include "gallery/GalleryTable.h"
#include "ui/CustomForm_win.h"
#include "ui/WinText_win.h"

namespace {

using e2e::GalleryProcess;

// A folder of the test's own, deleted at the end.
class TempFolder {
 public:
  TempFolder() {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"vxl-gallery-" + std::to_wstring(::GetCurrentProcessId()) + L"\\";
    ::CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~TempFolder() {
    for (const std::wstring& file : files_) ::DeleteFileW(file.c_str());
    ::RemoveDirectoryW(path_.c_str());
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::wstring& Path() const { return path_; }
  void Write(const std::wstring& name, const std::string& bytes) {
    files_.push_back(path_ + name);
    HANDLE file =
        ::CreateFileW(files_.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
  }

 private:
  std::wstring path_;
  std::vector<std::wstring> files_;
};

std::vector<std::wstring> ListEntries(HWND control, UINT countMessage, UINT textMessage) {
  std::vector<std::wstring> entries;
  const auto count = e2e::Send(control, countMessage, 0, 0).value_or(0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t text[256] = L"";
    e2e::Send(control, textMessage, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    entries.emplace_back(text);
  }
  return entries;
}

TEST(GalleryLanguage, LngSectionRelabelsByNameAndKeepsTag999) {
  TempFolder folder;
  folder.Write(L"English.Lng",
               "[frmGallery]\r\n"
               "frmGallery.Caption=Control gallery\r\n"
               "btnPlain.Caption=&Apply\r\n"
               "btnPlain.Hint=Apply the settings\r\n"
               "radSecond.Caption=&Second choice\r\n"
               "lblName.Caption=%s%&Name:\r\n"
               "chkOnPage.Caption=&In the tab\r\n"
               "cboChoice.Items+1=Red\r\n"
               "cboChoice.Items+2=Green\r\n"
               "cboChoice.Items+3=Blue\r\n"
               "memNotes.Lines+1=First line\r\n"
               "memNotes.Lines+2=Second line\r\n"
               "lstItems.Items+a=One\r\n"
               "lstItems.Items+b=Two\r\n"
               "pnlStatus.Caption=Ready\r\n"
               "nothing.Caption=Nobody\r\n"
               "edtName.Items+1=Not a list\r\n"
               "[frameGalleryPage]\r\n"
               "chkInFrame.Caption=&Check of the frame\r\n");
  GalleryProcess gallery;
  ASSERT_NE(gallery.Form(), nullptr);
  EXPECT_EQ(gallery.HintAt(gallery.Centre("btnPlain")), L"Appliquer les réglages");
  ASSERT_NE(gallery.Command("localize " + vxl::win::Narrow(folder.Path()) + " English"), 0);

  EXPECT_EQ(e2e::WindowText(gallery.Form()), L"Control gallery");
  EXPECT_EQ(gallery.Text("btnPlain"), L"&Apply");
  EXPECT_EQ(gallery.Text("radSecond"), L"&Second choix") << "Tag 999 keeps the designed text";
  EXPECT_EQ(gallery.Text("lblName"), L" &Name:");
  EXPECT_EQ(gallery.Text("chkOnPage"), L"&In the tab");
  EXPECT_EQ(gallery.Text("pnlStatus"), L"Ready");
  EXPECT_EQ(gallery.Text("memNotes"), L"First line\r\nSecond line");
  EXPECT_EQ(ListEntries(gallery.Control("cboChoice"), CB_GETCOUNT, CB_GETLBTEXT),
            (std::vector<std::wstring>{L"Red", L"Green", L"Blue"}));
  EXPECT_EQ(ListEntries(gallery.Control("lstItems"), LB_GETCOUNT, LB_GETTEXT),
            (std::vector<std::wstring>{L"One", L"Two"}));
  EXPECT_EQ(gallery.Text("edtName"), L"");
  HWND frame = ::FindWindowExW(gallery.Form(), nullptr, gallery::kGalleryFrameClass, nullptr);
  EXPECT_EQ(e2e::WindowText(::GetDlgItem(frame, vxl::ui::kFirstControlId + 1)),
            L"&Check of the frame");
  EXPECT_EQ(gallery.HintAt(gallery.Centre("btnPlain")), L"Apply the settings");
}

TEST(GalleryHints, TipsTakeTheApplicationsTimings) {
  GalleryProcess gallery;
  ASSERT_NE(gallery.Form(), nullptr);
  DWORD processId = 0;
  ::GetWindowThreadProcessId(gallery.Form(), &processId);
  // Lists and trees have tips of their own; the form's holds a tool for
  // each of its controls.
  HWND formTip = nullptr;
  LRESULT most = 0;
  for (HWND tip : e2e::TopLevelWindows(L"tooltips_class32", processId)) {
    const LRESULT tools = e2e::Send(tip, TTM_GETTOOLCOUNT, 0, 0).value_or(0);
    if (tools > most) {
      most = tools;
      formTip = tip;
    }
  }
  ASSERT_GE(most, 20);
  EXPECT_EQ(e2e::Send(formTip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 50);
  EXPECT_EQ(e2e::Send(formTip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 10000);
}

struct Placed {
  std::string name;
  bool autoSized;
  RECT rect;
};

std::vector<Placed> Rectangles(const GalleryProcess& gallery) {
  std::vector<Placed> placed;
  for (const auto& decl : gallery::GalleryTable()) {
    HWND control = gallery.Control(decl.name);
    if (!control || !::IsWindowVisible(control)) continue;
    const bool autoSized = decl.kind == vxl::ui::Kind::Label && decl.at.width == 0;
    placed.push_back({decl.name, autoSized, e2e::RectIn(gallery.Form(), control)});
  }
  return placed;
}

TEST(GalleryScale, OneHundredFiftyPercentKeepsEveryRectangleInProportion) {
  GalleryProcess gallery;
  ASSERT_NE(gallery.Form(), nullptr);
  const std::vector<Placed> before = Rectangles(gallery);
  const vxl::ui::Bounds& design = gallery::GalleryTable().front().at;
  RECT client{};
  ::GetClientRect(gallery.Form(), &client);
  ASSERT_EQ(client.right, design.width);
  ASSERT_EQ(client.bottom, design.height);
  ASSERT_NE(gallery.Command("paint"), 0);
  e2e::SaveScreenshot(L"gallery-100");

  ASSERT_NE(gallery.Command("scale 1500"), 0);
  e2e::SaveScreenshot(L"gallery-150");
  ::GetClientRect(gallery.Form(), &client);
  EXPECT_EQ(client.right, design.width * 3 / 2);
  EXPECT_EQ(client.bottom, design.height * 3 / 2);
  const std::vector<Placed> after = Rectangles(gallery);
  ASSERT_EQ(after.size(), before.size());
  ASSERT_GE(after.size(), 30u);
  const auto proportional = [](LONG scaled, LONG original) {
    return std::abs(scaled - 1.5 * original) <= 1.0;
  };
  for (std::size_t i = 0; i < after.size(); ++i) {
    const RECT& a = before[i].rect;
    const RECT& b = after[i].rect;
    SCOPED_TRACE(before[i].name);
    EXPECT_TRUE(proportional(b.left, a.left) && proportional(b.top, a.top))
        << "at " << b.left << "," << b.top << " from " << a.left << "," << a.top;
    // A label sized by its text grows with its font, not exactly.
    if (before[i].autoSized) continue;
    EXPECT_TRUE(proportional(b.right, a.right) && proportional(b.bottom, a.bottom))
        << "to " << b.right << "," << b.bottom << " from " << a.right << "," << a.bottom;
  }
}

}  // namespace
