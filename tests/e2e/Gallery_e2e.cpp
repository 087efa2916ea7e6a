// The control library as a user meets it, through the gallery form: real
// clicks and keys raise each control's event once; values set by code
// raise it only when they differ; a language file relabels the form by
// name; scaling keeps the layout; the keyboard walks and reaches every
// control; every control has a name for screen readers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include "E2eHarness.h"
#include "GalleryProcess.h"
#include "UiChecks.h"
#include "gallery/GalleryTable.h"
#include "ui/CustomForm_win.h"
#include "ui/FormScale.h"
#include "ui/WinText_win.h"

namespace {

using e2e::GalleryProcess;
using Lines = std::vector<std::string>;

Lines Sorted(Lines lines) {
  std::sort(lines.begin(), lines.end());
  return lines;
}

class Gallery : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(gallery_.Form(), nullptr) << "the gallery did not start";
    for (const std::string& line : gallery_.Journal()) {
      ASSERT_EQ(line.rfind("problem:", 0), std::string::npos) << line;
    }
  }
  GalleryProcess gallery_;
};

TEST_F(Gallery, FormAndMemoCarryTheClassNamesOtherProgramsLookFor) {
  EXPECT_EQ(e2e::WindowClassName(gallery_.Form()), L"TformGallery");
  EXPECT_EQ(e2e::WindowClassName(gallery_.Control("memNotes")), L"TMemo");
  EXPECT_EQ(e2e::WindowText(gallery_.Form()), L"Galerie des contrôles");
}

struct Gesture {
  const char* what;
  std::function<std::wstring(const GalleryProcess&)> input;  // xdotool words
  Lines expected;
};

TEST_F(Gallery, EachControlRaisesItsEventOnceForAClickOrAKey) {
  const auto click = [](const char* name) {
    return [name](const GalleryProcess& g) { return GalleryProcess::ClickAt(g.Centre(name)); };
  };
  const auto entry = [](const char* name, int index) {
    return [name, index](const GalleryProcess& g) {
      return GalleryProcess::ClickAt(g.EntryPoint(name, index));
    };
  };
  // clang-format off
  const Gesture gestures[] = {
    {"button", click("btnPlain"), {"btnPlain.OnClick 0"}},
    {"check box", click("chkOption"), {"chkOption.OnClick 1"}},
    {"radio button", click("radSecond"), {"radSecond.OnClick 1"}},
    {"edit", [](const GalleryProcess& g) { return GalleryProcess::ClickAt(g.Centre("edtName")) + L"key x"; },
     {"edtName.OnChange x"}},
    {"up-down", [](const GalleryProcess& g) {
       RECT r{};
       ::GetWindowRect(g.Control("udnSpin"), &r);
       return GalleryProcess::ClickAt({(r.left + r.right) / 2, r.top + 4});
     }, {"udnSpin.OnChanging 4", "udnSpin.OnChange 4"}},
    {"track bar", [](const GalleryProcess& g) { return g.OverForm() + L"key alt+c Right"; },
     {"tbLevel.OnChange 6"}},
    {"list box", entry("lstItems", 1), {"lstItems.OnChange 1"}},
    {"hot key", [](const GalleryProcess& g) { return GalleryProcess::ClickAt(g.Centre("hkShortcut")) + L"key F5"; },
     {"hkShortcut.OnChange 116"}},
    {"tree view", entry("tvTree", 3), {"tvTree.OnChange 3"}},
    {"tab control", entry("pgcPages", 1), {"pgcPages.OnChanging 0", "pgcPages.OnChange 1"}},
    {"list view", entry("lvFiles", 1), {"lvFiles.OnChange 1"}},
    {"memo", [](const GalleryProcess& g) { return GalleryProcess::ClickAt(g.Centre("memNotes")) + L"key ctrl+End x"; },
     {"memNotes.OnChange Première ligne|Seconde lignex"}},
    {"Enter", [](const GalleryProcess& g) { return GalleryProcess::ClickAt(g.Centre("edtName")) + L"key Return"; },
     {"btnOk.OnClick 0"}},
    {"Escape", [](const GalleryProcess& g) { return g.OverForm() + L"key Escape"; },
     {"btnCancel.OnClick 0"}},
  };
  // clang-format on
  for (const Gesture& gesture : gestures) {
    EXPECT_EQ(Sorted(gallery_.Gesture(gesture.input(gallery_))), Sorted(gesture.expected))
        << gesture.what;
  }
}

TEST_F(Gallery, DropDownListReportsOpeningChoiceAndClosing) {
  EXPECT_EQ(gallery_.Gesture(GalleryProcess::ClickAt(gallery_.Centre("cboChoice"))),
            Lines{"cboChoice.OnDropDown 0"});
  ASSERT_NE(e2e::Send(gallery_.Control("cboChoice"), CB_GETDROPPEDSTATE, 0, 0).value_or(0), 0)
      << "the list did not open";
  const Lines lines =
      gallery_.Gesture(GalleryProcess::ClickAt(gallery_.EntryPoint("cboChoice", 1)));
  EXPECT_EQ(Sorted(lines),
            Sorted({"cboChoice.OnChange 1", "cboChoice.OnSelect 1", "cboChoice.OnCloseUp 0"}));
  EXPECT_EQ(e2e::Send(gallery_.Control("cboChoice"), CB_GETCURSEL, 0, 0).value_or(-1), 1);
}

TEST_F(Gallery, UpDownHandlerRefusesAProposedValue) {
  gallery_.Command("set udnSpin 7");
  RECT r{};
  ::GetWindowRect(gallery_.Control("udnSpin"), &r);
  const POINT up{(r.left + r.right) / 2, r.top + 4};
  const POINT down{(r.left + r.right) / 2, r.bottom - 4};
  EXPECT_EQ(gallery_.Gesture(GalleryProcess::ClickAt(up)), Lines{"udnSpin.OnChanging 8 refused"});
  EXPECT_EQ(gallery_.Text("edtSpin"), L"7");
  EXPECT_EQ(gallery_.Gesture(GalleryProcess::ClickAt(down)),
            (Lines{"udnSpin.OnChanging 6", "udnSpin.OnChange 6"}));
  EXPECT_EQ(gallery_.Text("edtSpin"), L"6");
}

TEST_F(Gallery, TimerTicksIntoItsHandler) {
  gallery_.ClearJournal();
  gallery_.Command("timer");
  EXPECT_TRUE(e2e::WaitUntil([&] { return gallery_.Journal() == Lines{"tmrTick.OnTimer"}; }, 3000));
}

struct CodeSet {
  const char* name;
  const char* current;  // the value it holds: setting it again is no change
  const char* other;
  const char* expected;  // the one event of the change
};

TEST_F(Gallery, ValuesSetByCodeRaiseTheChangeEventOnlyWhenTheyDiffer) {
  // clang-format off
  const CodeSet sets[] = {
    {"chkOption", "0", "1", "chkOption.OnClick 1"},
    {"radSecond", "0", "1", "radSecond.OnClick 1"},
    {"edtName", "", "abc", "edtName.OnChange abc"},
    {"memNotes", "Première ligne\r\nSeconde ligne", "Nouveau", "memNotes.OnChange Nouveau"},
    {"udnSpin", "3", "6", "udnSpin.OnChange 6"},
    {"tbLevel", "5", "2", "tbLevel.OnChange 2"},
    {"cboChoice", "-1", "2", "cboChoice.OnChange 2"},
    {"lstItems", "-1", "3", "lstItems.OnChange 3"},
    {"tvTree", "-1", "4", "tvTree.OnChange 4"},
    {"hkShortcut", "0", "0x4041", "hkShortcut.OnChange 16449"},
    {"lvFiles", "-1", "2", "lvFiles.OnChange 2"},
    {"pgcPages", "0", "1", "pgcPages.OnChange 1"},
    {"cpcColour", "0", "0x00FF00", "cpcColour.OnChange 65280"},
  };
  // clang-format on
  for (const CodeSet& set : sets) {
    const std::string name = set.name;
    gallery_.ClearJournal();
    ASSERT_NE(gallery_.Command("set " + name + " " + set.current), 0) << name;
    EXPECT_EQ(gallery_.Journal(), Lines{}) << name << " set to the value it holds";
    gallery_.Command("set " + name + " " + set.other);
    gallery_.Command("set " + name + " " + set.other);
    // A list view reports a cleared row later, by a posted message.
    e2e::PumpMessages(100);
    EXPECT_EQ(gallery_.Journal(), Lines{set.expected}) << name << " set to a new value twice";
  }
}

}  // namespace
