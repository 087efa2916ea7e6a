// The gallery from the keyboard and through a screen reader's eyes: Tab
// walks the controls in the table's order, Alt + a letter reaches the
// control its caption names, and every control the keyboard reaches has an
// accessible name.
#include <gtest/gtest.h>

#include "E2eHarness.h"
#include "GalleryProcess.h"
#include "UiChecks.h"
#include "gallery/GalleryTable.h"
#include "ui/CustomForm_win.h"

namespace {

using e2e::GalleryProcess;

std::string NameOf(const GalleryProcess& gallery, HWND wnd) {
  for (const auto& decl : gallery::GalleryTable()) {
    if (gallery.Control(decl.name) == wnd) return decl.name;
  }
  return wnd ? "another window" : "no window";
}

class GalleryKeyboard : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(gallery_.Form(), nullptr) << "the gallery did not start"; }

  // Sends keys over the gallery and waits until the focus is on the control.
  bool KeysFocus(const std::wstring& keys, const char* name) {
    e2e::XdoTool(gallery_.OverForm() + L"key " + keys);
    return e2e::WaitUntil([&] { return gallery_.FocusOf() == gallery_.Control(name); }, 3000);
  }

  GalleryProcess gallery_;
};

TEST_F(GalleryKeyboard, TabWalksTheControlsInDeclarationOrderAndShiftTabGoesBack) {
  const auto& table = gallery::GalleryTable();
  std::vector<std::string> order;
  for (int row : vxl::ui::TabOrder(table))
    order.push_back(table[static_cast<std::size_t>(row)].name);
  ASSERT_GE(order.size(), 15u);
  ASSERT_TRUE(e2e::WaitUntil([&] { return gallery_.FocusOf() == gallery_.Control(order[0]); }))
      << "the form opened with the focus on " << NameOf(gallery_, gallery_.FocusOf());
  for (std::size_t i = 1; i <= order.size(); ++i) {
    const std::string& next = order[i % order.size()];
    EXPECT_TRUE(KeysFocus(L"Tab", next.c_str()))
        << "Tab after " << order[i - 1] << " went to " << NameOf(gallery_, gallery_.FocusOf())
        << " instead of " << next;
  }
  EXPECT_TRUE(KeysFocus(L"shift+Tab", order.back().c_str()))
      << "Shift+Tab went to " << NameOf(gallery_, gallery_.FocusOf());
}

TEST_F(GalleryKeyboard, AltAndAnAcceleratorLetterReachesItsControl) {
  struct Case {
    const wchar_t* keys;
    const char* focused;
  };
  // Labels hand the focus to their control; check boxes and radio buttons
  // take it. The hot key control comes last: it keeps Alt + letters.
  const Case cases[] = {
      {L"alt+n", "edtName"},    {L"alt+v", "edtSpin"},    {L"alt+c", "tbLevel"},
      {L"alt+l", "cboChoice"},  {L"alt+i", "lstItems"},   {L"alt+b", "tvTree"},
      {L"alt+t", "pgcPages"},   {L"alt+f", "lvFiles"},    {L"alt+m", "memNotes"},
      {L"alt+j", "memJournal"}, {L"alt+o", "chkOption"},  {L"alt+d", "chkOnPage"},
      {L"alt+s", "radSecond"},  {L"alt+r", "hkShortcut"},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(KeysFocus(c.keys, c.focused))
        << c.focused << " not reached; the focus is on " << NameOf(gallery_, gallery_.FocusOf());
  }
  EXPECT_EQ(::SendMessageW(gallery_.Control("chkOption"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(::SendMessageW(gallery_.Control("radSecond"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(::SendMessageW(gallery_.Control("radFirst"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  // A button's letter presses it.
  EXPECT_EQ(gallery_.Gesture(GalleryProcess::ClickAt(gallery_.Centre("edtName")) + L"key alt+a"),
            std::vector<std::string>{"btnPlain.OnClick 0"});
}

TEST_F(GalleryKeyboard, ArrowsMoveWithinARadioGroup) {
  ASSERT_TRUE(KeysFocus(L"alt+p", "radFirst"));
  EXPECT_EQ(gallery_.Gesture(gallery_.OverForm() + L"key Right"),
            std::vector<std::string>{"radSecond.OnClick 1"});
  EXPECT_EQ(gallery_.FocusOf(), gallery_.Control("radSecond"));
  EXPECT_EQ(::SendMessageW(gallery_.Control("radFirst"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(GalleryKeyboard, FrameOnTheSecondPageJoinsTheTabWalkAndTakesItsAccelerator) {
  HWND frame = ::FindWindowExW(gallery_.Form(), nullptr, gallery::kGalleryFrameClass, nullptr);
  ASSERT_NE(frame, nullptr) << "no frame window of its own class";
  HWND box = ::GetDlgItem(frame, vxl::ui::kFirstControlId + 1);
  EXPECT_FALSE(::IsWindowVisible(frame)) << "the frame shows on the first page";
  ASSERT_NE(gallery_.Command("set pgcPages 1"), 0);
  EXPECT_TRUE(::IsWindowVisible(frame));
  ASSERT_TRUE(KeysFocus(L"alt+t", "pgcPages"));
  e2e::XdoTool(gallery_.OverForm() + L"key Tab");
  EXPECT_TRUE(e2e::WaitUntil([&] { return gallery_.FocusOf() == box; }, 3000))
      << "Tab from the tab control went to " << NameOf(gallery_, gallery_.FocusOf());
  EXPECT_EQ(gallery_.Gesture(GalleryProcess::ClickAt(gallery_.Centre("edtName")) + L"key alt+h"),
            std::vector<std::string>{"chkInFrame.OnClick 1"});
  EXPECT_EQ(gallery_.FocusOf(), box);
}

TEST_F(GalleryKeyboard, EveryControlTheKeyboardReachesHasAnAccessibleName) {
  EXPECT_EQ(e2e::ControlsWithoutName(gallery_.Form()), std::vector<std::string>{});
  // The frame's controls too, once its page shows.
  gallery_.Command("set pgcPages 1");
  EXPECT_EQ(e2e::ControlsWithoutName(gallery_.Form()), std::vector<std::string>{});
  EXPECT_EQ(e2e::AccessibleName(gallery_.Control("edtName")), L"Nom :");
  EXPECT_EQ(e2e::AccessibleName(gallery_.Control("btnPlain")), L"Appliquer");
  EXPECT_EQ(e2e::AccessibleName(gallery_.Control("chkOption")), L"Option");
}

// The check itself, on a window of the test program: an edit box without
// a label is reported, a labelled one and a button are not.
TEST(AccessibleNames, AnEditWithoutLabelIsReported) {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  HWND top = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 120, nullptr,
                               nullptr, instance, nullptr);
  ASSERT_NE(top, nullptr);
  const auto child = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int id, int y) {
    return ::CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 10, y, 200, 20, top,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  };
  child(L"STATIC", L"&Nom :", 0, 1, 0);
  HWND named = child(L"EDIT", L"", WS_TABSTOP, 2, 20);
  child(L"EDIT", L"du texte", WS_TABSTOP, 3, 45);
  child(L"BUTTON", L"&OK", WS_TABSTOP, 4, 70);
  EXPECT_EQ(e2e::ControlsWithoutName(top), std::vector<std::string>{"Edit #3"});
  EXPECT_EQ(e2e::AccessibleName(named), L"Nom :");
  ::DestroyWindow(top);
}

}  // namespace
