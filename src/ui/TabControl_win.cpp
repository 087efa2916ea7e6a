#include "ui/TabControl_win.h"

#include "common/Encoding.h"
#include "ui/WinText_win.h"

namespace vxl::ui {

// --- TPageControl ------------------------------------------------------------

TTabSheet* TPageControl::Page(int index) const {
  return index >= 0 && index < PageCount() ? sheets_[static_cast<std::size_t>(index)] : nullptr;
}

void TPageControl::AddSheet(TTabSheet& sheet) {
  std::wstring text = win::Widen(sheet.Caption());
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  ::SendMessageW(Handle(), TCM_INSERTITEMW, sheets_.size(), reinterpret_cast<LPARAM>(&item));
  sheets_.push_back(&sheet);
}

void TPageControl::SetSheetCaption(const TTabSheet& sheet, const std::string& caption) {
  std::wstring text = win::Widen(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  ::SendMessageW(Handle(), TCM_SETITEMW, sheet.PageIndex(), reinterpret_cast<LPARAM>(&item));
}

RECT TPageControl::PageRect() const {
  RECT r = PixelRect();
  ::SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return r;
}

void TPageControl::ApplyScale() {
  TControl::ApplyScale();
  // The tabs' height follows the font; the sheets' controls follow the tabs.
  for (TControl* sheet : Children()) {
    for (TControl* control : sheet->Children()) control->ApplyScale();
  }
}

void TPageControl::Activate(int index) {
  active_ = index;
  for (TTabSheet* sheet : sheets_) sheet->UpdateShowing();
}

void TPageControl::SetActivePageIndex(int index) {
  if (index < 0 || index >= PageCount() || index == active_) return;
  ::SendMessageW(Handle(), TCM_SETCURSEL, index, 0);
  Activate(index);
  Fire(Event::Change, active_);
}

bool TPageControl::OnNotify(NMHDR& header, LRESULT& result) {
  switch (header.code) {
    case TCN_SELCHANGING: {
      TEvent event{*this, Event::Changing};
      event.value = active_;
      result = Fire(event) ? FALSE : TRUE;
      return true;
    }
    case TCN_SELCHANGE: {
      const int now = static_cast<int>(::SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
      if (now != active_ && now >= 0) {
        Activate(now);
        Fire(Event::Change, active_);
      }
      result = 0;
      return true;
    }
  }
  return false;
}

// --- TTabSheet -------------------------------------------------------------

TTabSheet::TTabSheet(const ComponentDecl& decl, TCustomForm& owner, TControl* parent)
    : TControl(decl, owner, parent), caption_(decl.caption) {
  Control().AddSheet(*this);
}

int TTabSheet::PageIndex() const {
  for (int i = 0; i < Control().PageCount(); ++i) {
    if (Control().Page(i) == this) return i;
  }
  return -1;
}

bool TTabSheet::Showing() const {
  return Visible() && Control().Showing() && Control().ActivePageIndex() == PageIndex();
}

RECT TTabSheet::PixelRect() const { return Control().PageRect(); }

std::string TTabSheet::GetTextProperty(std::string_view property) const {
  return EqualsNoCase(property, "Caption") ? caption_ : TControl::GetTextProperty(property);
}

void TTabSheet::SetTextProperty(std::string_view property, const std::string& value) {
  if (!EqualsNoCase(property, "Caption")) {
    TControl::SetTextProperty(property, value);
    return;
  }
  caption_ = value;
  Control().SetSheetCaption(*this, value);
}

}  // namespace vxl::ui
