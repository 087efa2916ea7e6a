#include "Gallery_win.h"

#include <commctrl.h>

#include <cstdlib>
#include <sstream>

#include "GalleryTable.h"
#include "common/MessageBoxes_win.h"
#include "common/WinFileSystem_win.h"
#include "common/uclLocalizer.h"
#include "ui/Buttons_win.h"
#include "ui/ColorPickCombo_win.h"
#include "ui/Control_win.h"
#include "ui/Edits_win.h"
#include "ui/FileDialogs_win.h"
#include "ui/HotKey_win.h"
#include "ui/ListView_win.h"
#include "ui/Lists_win.h"
#include "ui/Menus_win.h"
#include "ui/Ranges_win.h"
#include "ui/TabControl_win.h"
#include "ui/TextGrid_win.h"
#include "ui/Timer_win.h"
#include "ui/TreeView_win.h"
#include "ui/WinGeometry_win.h"
#include "ui/WinHandles_win.h"

namespace gallery {

using namespace vxl::ui;

namespace {
// The up-down refuses this value, to show that a handler can.
constexpr int kRefusedSpinValue = 8;
constexpr int kRefusedGridRow = 4;
}  // namespace

TGallery::TGallery() : TForm(GalleryTable(), kGalleryClass) {}

bool TGallery::Create(int zoom) {
  const bool created =
      TForm::Create(Handlers(*this, {
                                        {"LogEvent", &TGallery::LogEvent},
                                        {"udnSpinChanging", &TGallery::udnSpinChanging},
                                        {"FormCloseQuery", &TGallery::FormCloseQuery},
                                        {"tmrTickTimer", &TGallery::tmrTickTimer},
                                        {"FormKeyDown", &TGallery::FormKeyDown},
                                        {"sgrdCellsSelectCell", &TGallery::sgrdCellsSelectCell},
                                        {"btnMenuClick", &TGallery::btnMenuClick},
                                        {"btnOpenClick", &TGallery::btnOpenClick},
                                        {"btnSaveClick", &TGallery::btnSaveClick},
                                        {"btnMessageClick", &TGallery::btnMessageClick},
                                        {"cpcColourChange", &TGallery::cpcColourChange},
                                        {"pbSwatchPaint", &TGallery::pbSwatchPaint},
                                    }));
  if (!created) return false;
  frame_ = std::make_unique<TFrame>(GalleryFrameTable(), kGalleryFrameClass);
  if (auto* host = Find<TControl>("pnlHost")) {
    frame_->Create(Handlers(*this, {{"LogEvent", &TGallery::LogEvent}}), *host);
  }
  for (const std::string& problem : BuildProblems()) Log("problem: " + problem);
  for (const std::string& problem : frame_->BuildProblems()) Log("problem: " + problem);
  FillGrid();
  if (zoom != kNoZoom) Zoom(zoom);
  return true;
}

void TGallery::Log(const std::string& line) {
  if (auto* journal = Find<TMemo>("memJournal")) {
    journal->SetTextValue(journal->Text() + line + "\r\n");
    ::SendMessageW(journal->Handle(), EM_SCROLLCARET, 0, 0);
  }
}

void TGallery::LogEvent(TEvent& event) {
  std::string value = std::to_string(event.value);
  if (auto* edit = dynamic_cast<TCustomEdit*>(&event.sender)) {
    // One journal line per event, whatever the memo holds.
    value.clear();
    for (char c : edit->Text()) {
      if (c == '\n')
        value += '|';
      else if (c != '\r')
        value += c;
    }
  }
  Log(event.sender.Name() + "." + EventName(event.event) + " " + value);
}

void TGallery::udnSpinChanging(TEvent& event) {
  event.allow = event.value != kRefusedSpinValue;
  Log("udnSpin.OnChanging " + std::to_string(event.value) + (event.allow ? "" : " refused"));
}

void TGallery::FormCloseQuery(TEvent& event) {
  Log("frmGallery.OnCloseQuery");
  (void)event;
}

void TGallery::FormKeyDown(TEvent& event) {
  // F12 marks the end of a test's keys: journalled and used up.
  if (event.key != VK_F12) return;
  Log("frmGallery.OnKeyDown F12");
  event.key = 0;
}

void TGallery::FillGrid() {
  auto* grid = Find<TTextGrid>("sgrdCells");
  if (!grid) return;
  for (int row = 1; row < grid->RowCount(); ++row) {
    grid->SetCell(0, row, "Ligne " + std::to_string(row));
    grid->SetCell(1, row, "Bouton " + std::to_string(row));
    grid->SetCell(2, row, "Action " + std::to_string(row));
  }
  grid->SetCellHint(2, 2, "Indice de la cellule");
}

void TGallery::cpcColourChange(TEvent& event) {
  LogEvent(event);
  if (auto* swatch = Find<TControl>("pbSwatch")) swatch->Invalidate();
}

void TGallery::pbSwatchPaint(TEvent& event) {
  const auto* picker = Find<TColorPickCombo>("cpcColour");
  vxl::win::UniqueBrush brush(::CreateSolidBrush(picker ? picker->ActiveColor() : 0));
  ::FillRect(event.dc, &event.area, brush.get());
}

void TGallery::sgrdCellsSelectCell(TEvent& event) {
  // The grid refuses its fourth row, to show that a handler can.
  event.allow = event.row != kRefusedGridRow;
  Log("sgrdCells.OnSelectCell " + std::to_string(event.col) + " " + std::to_string(event.row) +
      (event.allow ? "" : " refused"));
}

void TGallery::btnMenuClick(TEvent& event) {
  LogEvent(event);
  RECT r{};
  ::GetWindowRect(Find<TControl>("btnMenu")->Handle(), &r);
  if (auto* menu = Find<TPopupMenu>("pmMenu")) menu->Popup(r.left, r.bottom);
}

void TGallery::btnOpenClick(TEvent& event) {
  LogEvent(event);
  auto* dialog = Find<TOpenDialog>("dlgOpen");
  Log(dialog->Execute() ? "dlgOpen " + dialog->FileName() : "dlgOpen cancelled");
}

void TGallery::btnSaveClick(TEvent& event) {
  LogEvent(event);
  auto* dialog = Find<TSaveDialog>("dlgSave");
  Log(dialog->Execute() ? "dlgSave " + dialog->FileName() : "dlgSave cancelled");
}

void TGallery::btnMessageClick(TEvent& event) {
  LogEvent(event);
  vxl::win::TWinMessageBoxes boxes;
  const vxl::BoxAnswer answer =
      boxes.Show(vxl::win::ToWindowRef(Handle()), "Voulez-vous continuer ?", "Galerie",
                 vxl::BoxIcon::Question, vxl::BoxButtons::YesNo);
  Log(answer == vxl::BoxAnswer::Yes ? "message Yes" : "message No");
}

void TGallery::tmrTickTimer(TEvent& event) {
  Log("tmrTick.OnTimer");
  if (auto* timer = dynamic_cast<TTimer*>(&event.sender)) timer->SetEnabled(false);
}

bool TGallery::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message != WM_COPYDATA) return false;
  const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  if (data.dwData != kCommandData) return false;
  result = RunCommand(std::string(static_cast<const char*>(data.lpData), data.cbData));
  return true;
}

LRESULT TGallery::RunCommand(const std::string& command) {
  std::istringstream words(command);
  std::string verb;
  words >> verb;
  if (verb == "clear") {
    if (auto* journal = Find<TMemo>("memJournal")) journal->SetTextValue("");
    return true;
  }
  if (verb == "scale") {
    int zoom = kNoZoom;
    words >> zoom;
    Zoom(zoom);
    return RunCommand("paint");
  }
  if (verb == "paint") {
    ::RedrawWindow(Handle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return true;
  }
  if (verb == "timer") {
    if (auto* timer = Find<TTimer>("tmrTick")) timer->SetEnabled(true);
    return true;
  }
  std::string name;
  words >> name;
  // The value is everything after the name and one blank, line ends kept.
  std::string rest;
  if (words.tellg() >= 0) rest = command.substr(static_cast<std::size_t>(words.tellg()));
  if (!rest.empty() && rest.front() == ' ') rest.erase(0, 1);
  if (verb == "set") return SetFromCode(name, rest);
  if (verb == "localize") return Localize(name, rest);
  if (verb == "point") {
    const POINT p = PointOf(name, std::atoi(rest.c_str()));
    return MAKELONG(p.x, p.y);
  }
  if (verb == "cell") {
    auto* grid = Find<TTextGrid>(name);
    int col = 0;
    int row = 0;
    std::istringstream(rest) >> col >> row;
    if (!grid) return 0;
    const RECT r = grid->CellRect(col, row);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ::ClientToScreen(grid->Handle(), &p);
    return MAKELONG(p.x, p.y);
  }
  return 0;
}

POINT TGallery::PointOf(const std::string& name, int index) const {
  auto* control = Find<TControl>(name);
  if (!control) return {0, 0};
  HWND wnd = control->Handle();
  RECT r{};
  if (dynamic_cast<TListBox*>(control)) {
    ::SendMessageW(wnd, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
  } else if (auto* combo = dynamic_cast<TCustomCombo*>(control); combo && combo->DroppedDown()) {
    wnd = combo->ListHandle();
    ::SendMessageW(wnd, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
  } else if (auto* tree = dynamic_cast<TTreeView*>(control)) {
    r = tree->NodeRect(index);
  } else if (dynamic_cast<TPageControl*>(control)) {
    ::SendMessageW(wnd, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
  } else if (dynamic_cast<TCustomListView*>(control)) {
    ListView_GetItemRect(wnd, index, &r, LVIR_LABEL);
  } else {
    ::GetClientRect(wnd, &r);
  }
  POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ::ClientToScreen(wnd, &middle);
  return middle;
}

bool TGallery::SetFromCode(const std::string& name, const std::string& value) {
  TComponent* component = Component(name);
  const int number = static_cast<int>(std::strtol(value.c_str(), nullptr, 0));
  if (auto* check = dynamic_cast<TCheckBox*>(component)) {
    check->SetChecked(number != 0);
  } else if (auto* radio = dynamic_cast<TRadioButton*>(component)) {
    radio->SetChecked(number != 0);
  } else if (auto* edit = dynamic_cast<TCustomEdit*>(component)) {
    edit->SetTextValue(value);
  } else if (auto* upDown = dynamic_cast<TUpDown*>(component)) {
    upDown->SetPosition(number);
  } else if (auto* track = dynamic_cast<TTrackBar*>(component)) {
    track->SetPosition(number);
  } else if (auto* picker = dynamic_cast<TColorPickCombo*>(component)) {
    picker->SetActiveColor(static_cast<std::uint32_t>(number));
  } else if (auto* combo = dynamic_cast<TCustomCombo*>(component)) {
    combo->SetItemIndex(number);
  } else if (auto* list = dynamic_cast<TListBox*>(component)) {
    list->SetItemIndex(number);
  } else if (auto* tree = dynamic_cast<TTreeView*>(component)) {
    tree->SetSelectedIndex(number);
  } else if (auto* hotKey = dynamic_cast<THotKey*>(component)) {
    hotKey->SetHotKey(static_cast<std::uint32_t>(number));
  } else if (auto* view = dynamic_cast<TListView*>(component)) {
    view->SetItemIndex(number);
  } else if (auto* pages = dynamic_cast<TPageControl*>(component)) {
    pages->SetActivePageIndex(number);
  } else {
    return false;
  }
  return true;
}

bool TGallery::Localize(const std::string& folder, const std::string& language) {
  vxl::win::TWinFileSystem files;
  vxl::win::TWinMessageBoxes boxes;
  vxl::TFormLocalizer localizer(files, boxes, "Francais", folder, language);
  localizer.SetControl(this);
  localizer.Localize(true);
  localizer.SetControl(frame_.get());
  localizer.Localize(true);
  return localizer.FileFound();
}

void TGallery::Zoom(int zoom) {
  ScaleBy(zoom);
  frame_->ScaleBy(zoom);
}

}  // namespace gallery
