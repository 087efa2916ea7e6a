#include "ui/ColorPickCombo_win.h"

#include <commctrl.h>
#include <commdlg.h>

#include <array>
#include <cstdio>
#include <utility>

#include "common/Encoding.h"
#include "ui/CustomForm_win.h"
#include "ui/WinHandles_win.h"
#include "ui/WinText_win.h"

namespace vxl::ui {
namespace {

struct PaletteColour {
  std::uint32_t colour;
  const char* name;
};

// The sixteen colours of the standard palette, with their usual names.
// clang-format off
constexpr std::array<PaletteColour, 16> kPalette{{
  {0x000000, "Noir"},   {0x000080, "Bordeaux"}, {0x008000, "Vert"},        {0x008080, "Olive"},
  {0x800000, "Bleu marine"}, {0x800080, "Violet"}, {0x808000, "Sarcelle"}, {0x808080, "Gris"},
  {0xC0C0C0, "Argent"}, {0x0000FF, "Rouge"},    {0x00FF00, "Citron vert"}, {0x00FFFF, "Jaune"},
  {0xFF0000, "Bleu"},   {0xFF00FF, "Fuchsia"},  {0xFFFF00, "Cyan"},        {0xFFFFFF, "Blanc"},
}};
// clang-format on

// Item data of the entry that opens the colour dialog; colours fit in 24 bits.
constexpr LRESULT kOtherEntry = 0x7FFFFFFF;
// Settles a choice once the combo box has finished its notifications.
constexpr UINT kSettle = WM_APP + 2;

std::string ColourName(std::uint32_t colour) {
  char text[40];
  std::snprintf(text, sizeof text, "RVB(%u, %u, %u)", colour & 0xFF, (colour >> 8) & 0xFF,
                (colour >> 16) & 0xFF);
  return text;
}

}  // namespace

DWORD TColorPickCombo::Style() const {
  return CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL;
}

void TColorPickCombo::AfterCreate() {
  for (const PaletteColour& entry : kPalette) names_.push_back(entry.name);
  otherCaption_ = Decl().caption.empty() ? "&Autres couleurs ..." : Decl().caption;
  colour_ = Decl().colour == kNoColour ? 0 : Decl().colour & 0xFFFFFF;
  Fill();
  ::SendMessageW(Handle(), CB_SETMINVISIBLE, VisibleItems(), 0);
}

int TColorPickCombo::VisibleItems() const {
  // Every entry shows at once: the palette, the colour in use, the button.
  return Decl().visibleItems > 0 ? Decl().visibleItems : static_cast<int>(kPalette.size()) + 2;
}

void TColorPickCombo::ApplyScale() {
  TCustomCombo::ApplyScale();
  // The open list shows names beside the swatches, however narrow the picker.
  const int wanted =
      ScaleLength(Decl().dropDownWidth > 0 ? Decl().dropDownWidth : 150, Form().Scale());
  ::SendMessageW(Handle(), CB_SETDROPPEDWIDTH, wanted, 0);
}

void TColorPickCombo::Fill() {
  ::SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
  const auto add = [&](const std::string& text, LRESULT data) {
    const auto index = ::SendMessageW(Handle(), CB_ADDSTRING, 0,
                                      reinterpret_cast<LPARAM>(win::Widen(text).c_str()));
    ::SendMessageW(Handle(), CB_SETITEMDATA, static_cast<WPARAM>(index), data);
  };
  bool inPalette = false;
  for (std::size_t i = 0; i < kPalette.size(); ++i) {
    add(i < names_.size() ? names_[i] : kPalette[i].name, kPalette[i].colour);
    inPalette = inPalette || kPalette[i].colour == colour_;
  }
  if (!inPalette) add(ColourName(colour_), colour_);
  add(otherCaption_, kOtherEntry);
  SelectColourEntry();
}

int TColorPickCombo::OtherIndex() const { return Count() - 1; }

void TColorPickCombo::SelectColourEntry() {
  for (int i = 0; i < OtherIndex(); ++i) {
    if (::SendMessageW(Handle(), CB_GETITEMDATA, i, 0) == static_cast<LRESULT>(colour_)) {
      ::SendMessageW(Handle(), CB_SETCURSEL, i, 0);
      return;
    }
  }
}

void TColorPickCombo::SetActiveColor(std::uint32_t colour) {
  colour &= 0xFFFFFF;
  if (colour == colour_) {
    SelectColourEntry();
    return;
  }
  colour_ = colour;
  Fill();
  Fire(Event::Change, static_cast<int>(colour_));
}

void TColorPickCombo::ChooseOtherColour() {
  CHOOSECOLORW choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = ::GetAncestor(Handle(), GA_ROOT);
  choose.rgbResult = colour_;
  choose.lpCustColors = customColours_;
  choose.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
  if (::ChooseColorW(&choose)) SetActiveColor(choose.rgbResult);
  SetFocus();
}

bool TColorPickCombo::OnCommand(WORD code) {
  switch (code) {
    case CBN_SELENDOK: chosen_ = true; [[fallthrough]];
    case CBN_SELCHANGE:
    case CBN_CLOSEUP:
      // Decided once the combo box is done with the message, when the list
      // is closed: the order of these notifications differs between systems.
      ::PostMessageW(Handle(), kSettle, 0, 0);
      return true;
  }
  return false;
}

void TColorPickCombo::Settle() {
  if (DroppedDown()) return;  // still moving through the open list
  const bool chosen = std::exchange(chosen_, false);
  const auto index = ::SendMessageW(Handle(), CB_GETCURSEL, 0, 0);
  const auto data = ::SendMessageW(Handle(), CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
  if (data != kOtherEntry) {
    SetActiveColor(static_cast<std::uint32_t>(data));
    return;
  }
  // The further-colours entry opens the dialog when chosen in the open
  // list; reached by an arrow key in the closed picker, it does nothing.
  SelectColourEntry();
  if (chosen) ChooseOtherColour();
}

LRESULT TColorPickCombo::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kSettle) {
    Settle();
    return 0;
  }
  return TCustomCombo::WndProc(message, wParam, lParam);
}

bool TColorPickCombo::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  item.itemHeight = static_cast<UINT>(ScaleLength(DesignItemHeight(), Form().Scale()));
  return true;
}

bool TColorPickCombo::OnDrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const bool face = (item.itemState & ODS_COMBOBOXEDIT) != 0;
  ::FillRect(dc, &r, ::GetSysColorBrush(selected && !face ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID == static_cast<UINT>(-1)) return true;
  const LRESULT data = static_cast<LRESULT>(item.itemData);
  wchar_t text[128] = L"";
  ::SendMessageW(Handle(), CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text));
  if (data == kOtherEntry) {
    // The further-colours entry looks like the button it acts as.
    RECT button = r;
    ::InflateRect(&button, -1, -1);
    ::DrawFrameControl(dc, &button, DFC_BUTTON, DFCS_BUTTONPUSH);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
    ::DrawTextW(dc, text, -1, &button, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  } else {
    RECT swatch = r;
    ::InflateRect(&swatch, -2, -2);
    // In the closed picker the swatch fills the field; in the list the name
    // follows it.
    if (!face) swatch.right = swatch.left + (swatch.bottom - swatch.top) * 2;
    win::UniqueBrush fill(::CreateSolidBrush(static_cast<COLORREF>(data)));
    ::FillRect(dc, &swatch, fill.get());
    ::FrameRect(dc, &swatch, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    if (!face) {
      RECT label = r;
      label.left = swatch.right + 4;
      ::SetBkMode(dc, TRANSPARENT);
      ::SetTextColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
      ::DrawTextW(dc, text, -1, &label, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
  }
  if ((item.itemState & ODS_FOCUS) && face) ::DrawFocusRect(dc, &r);
  return true;
}

std::string TColorPickCombo::GetTextProperty(std::string_view property) const {
  if (EqualsNoCase(property, "OtherBtnCaption")) return otherCaption_;
  return TCustomCombo::GetTextProperty(property);
}

void TColorPickCombo::SetTextProperty(std::string_view property, const std::string& value) {
  if (!EqualsNoCase(property, "OtherBtnCaption")) {
    TCustomCombo::SetTextProperty(property, value);
    return;
  }
  otherCaption_ = value;
  Fill();
}

std::vector<std::string> TColorPickCombo::GetListProperty(std::string_view property) const {
  return EqualsNoCase(property, "Items") ? names_ : std::vector<std::string>{};
}

void TColorPickCombo::SetListProperty(std::string_view property,
                                      const std::vector<std::string>& lines) {
  if (!EqualsNoCase(property, "Items")) return;
  names_ = lines;
  Fill();
}

}  // namespace vxl::ui
