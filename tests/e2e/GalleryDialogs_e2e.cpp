// The gallery's richer parts: the colour picker with its further-colours
// dialog, the text grid's current cell and hints, the popup menu, a file
// dialog and a message box owned by the form.
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>
#include <gtest/gtest.h>

#include "E2eHarness.h"
#include "GalleryProcess.h"
#include "UiChecks.h"

namespace {

using e2e::GalleryProcess;
using Lines = std::vector<std::string>;

class GalleryDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(gallery_.Form(), nullptr) << "the gallery did not start";
    ::GetWindowThreadProcessId(gallery_.Form(), &processId_);
  }

  POINT Cell(int col, int row) const {
    const LRESULT packed =
        gallery_.Command("cell sgrdCells " + std::to_string(col) + " " + std::to_string(row));
    return {static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))};
  }

  // The text of the picker's entry in use: what a screen reader reads as
  // its value.
  std::wstring PickerText() const {
    HWND picker = gallery_.Control("cpcColour");
    const auto index = e2e::Send(picker, CB_GETCURSEL, 0, 0).value_or(-1);
    wchar_t text[64] = L"";
    e2e::Send(picker, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
  }

  bool WaitForJournal(const Lines& expected) const {
    return e2e::WaitUntil([&] { return gallery_.Journal() == expected; });
  }

  GalleryProcess gallery_;
  DWORD processId_ = 0;
};

TEST_F(GalleryDialogs, ColourPickerTakesAPaletteColourAndNamesIt) {
  EXPECT_EQ(PickerText(), L"Noir");
  EXPECT_EQ(gallery_.Gesture(GalleryProcess::ClickAt(gallery_.Centre("cpcColour"))), Lines{});
  ASSERT_NE(e2e::Send(gallery_.Control("cpcColour"), CB_GETDROPPEDSTATE, 0, 0).value_or(0), 0);
  EXPECT_EQ(gallery_.Gesture(GalleryProcess::ClickAt(gallery_.EntryPoint("cpcColour", 9))),
            Lines{"cpcColour.OnChange 255"});
  EXPECT_EQ(PickerText(), L"Rouge");
  // The paint box beside it draws the picker's colour.
  const POINT swatch = gallery_.Centre("pbSwatch");
  EXPECT_TRUE(e2e::WaitUntil([&] {
    return e2e::ScreenPixel(swatch.x, swatch.y) == RGB(255, 0, 0);
  })) << e2e::ColourText(e2e::ScreenPixel(swatch.x, swatch.y));
}

TEST_F(GalleryDialogs, FurtherColoursOpenTheColourDialog) {
  const auto count = e2e::Send(gallery_.Control("cpcColour"), CB_GETCOUNT, 0, 0).value_or(0);
  gallery_.Gesture(GalleryProcess::ClickAt(gallery_.Centre("cpcColour")));
  gallery_.ClearJournal();
  e2e::XdoTool(
      GalleryProcess::ClickAt(gallery_.EntryPoint("cpcColour", static_cast<int>(count - 1))));
  HWND dialog = e2e::WaitForDialogBox(processId_);
  ASSERT_NE(dialog, nullptr) << "no colour dialog";
  EXPECT_EQ(::GetWindow(dialog, GW_OWNER), gallery_.Form());
  // The red, green and blue boxes of the full dialog.
  ::SetDlgItemTextW(dialog, 706, L"18");
  ::SetDlgItemTextW(dialog, 707, L"52");
  ::SetDlgItemTextW(dialog, 708, L"86");
  e2e::PressDialogButton(dialog, IDOK);
  EXPECT_TRUE(WaitForJournal({"cpcColour.OnChange 5649426"}))
      << (gallery_.Journal().empty() ? "nothing" : gallery_.Journal().front());
  EXPECT_EQ(PickerText(), L"RVB(18, 52, 86)");
}

TEST_F(GalleryDialogs, GridAsksBeforeItsCurrentCellMoves) {
  EXPECT_EQ(gallery_.Gesture(GalleryProcess::ClickAt(Cell(2, 2))),
            Lines{"sgrdCells.OnSelectCell 2 2"});
  // A heading column hands the click to the first column that is not one.
  EXPECT_EQ(gallery_.Gesture(GalleryProcess::ClickAt(Cell(0, 3))),
            Lines{"sgrdCells.OnSelectCell 1 3"});
  EXPECT_EQ(gallery_.Gesture(GalleryProcess::ClickAt(Cell(1, 4))),
            Lines{"sgrdCells.OnSelectCell 1 4 refused"});
  HWND grid = gallery_.Control("sgrdCells");
  EXPECT_EQ(e2e::Send(grid, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 2)
      << "the refused row took the selection";
  EXPECT_EQ(gallery_.Gesture(gallery_.OverForm() + L"key Right"),
            Lines{"sgrdCells.OnSelectCell 2 3"});
}

TEST_F(GalleryDialogs, GridCellsHaveTheirOwnHints) {
  EXPECT_EQ(gallery_.HintAt(Cell(2, 2)), L"Indice de la cellule");
  EXPECT_EQ(gallery_.HintAt(Cell(1, 1)), L"Une cellule");
}

TEST_F(GalleryDialogs, PopupMenuOpensAndRunsTheChosenItem) {
  gallery_.ClearJournal();
  e2e::XdoTool(GalleryProcess::ClickAt(gallery_.Centre("btnMenu")));
  ASSERT_TRUE(e2e::WaitUntil([&] {
    for (HWND menu : e2e::TopLevelWindows(L"#32768", processId_)) {
      if (::IsWindowVisible(menu)) return true;
    }
    return false;
  })) << "no menu";
  EXPECT_EQ(gallery_.Journal(), (Lines{"btnMenu.OnClick 0", "pmMenu.OnPopup 0"}));
  EXPECT_EQ(gallery_.Gesture(L"key Down Return"), Lines{"miFirst.OnClick 0"});
}

TEST_F(GalleryDialogs, SaveDialogReturnsTheChosenFileWithItsExtension) {
  gallery_.ClearJournal();
  e2e::XdoTool(GalleryProcess::ClickAt(gallery_.Centre("btnSave")));
  HWND dialog = e2e::WaitForWindow(L"#32770", processId_);
  ASSERT_NE(dialog, nullptr) << "no file dialog";
  ASSERT_TRUE(e2e::WaitUntil([&] { return ::IsWindowVisible(dialog); }));
  EXPECT_EQ(e2e::WindowText(dialog), L"Enregistrer un fichier de la galerie");
  EXPECT_EQ(::GetWindow(dialog, GW_OWNER), gallery_.Form());
  // The file name box: a combo box in the newer dialogs, an edit before.
  for (int id : {1148, 1152}) ::SetDlgItemTextW(dialog, id, L"essai");
  e2e::PressDialogButton(dialog, IDOK);
  Lines lines;
  ASSERT_TRUE(e2e::WaitUntil([&] {
    lines = gallery_.Journal();
    return lines.size() == 2;
  }));
  EXPECT_EQ(lines[0], "btnSave.OnClick 0");
  EXPECT_EQ(lines[1].rfind("dlgSave ", 0), 0u) << lines[1];
  EXPECT_EQ(lines[1].substr(lines[1].size() - 10), "\\essai.gal") << lines[1];
}

TEST_F(GalleryDialogs, MessageBoxIsOwnedByTheFormAndAnswers) {
  gallery_.ClearJournal();
  e2e::XdoTool(GalleryProcess::ClickAt(gallery_.Centre("btnMessage")));
  HWND box = e2e::WaitForDialogBox(processId_);
  ASSERT_NE(box, nullptr) << "no message box";
  EXPECT_EQ(::GetWindow(box, GW_OWNER), gallery_.Form());
  EXPECT_EQ(e2e::WindowText(box), L"Galerie");
  EXPECT_NE(e2e::DialogText(box).find(L"Voulez-vous continuer ?"), std::wstring::npos);
  e2e::PressDialogButton(box, IDYES);
  EXPECT_TRUE(WaitForJournal({"btnMessage.OnClick 0", "message Yes"}));
}

}  // namespace
