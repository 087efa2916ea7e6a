#include "ui/TabControl_win.h"

#include "common/Encoding.h"
#include "ui/CustomForm_win.h"
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
  // The page area of the design, scaled like everything else, so that the
  // sheets' controls keep their proportions; only if the tabs came out
  // taller than designed does the page start below them.
  const RECT control = PixelRect();
  const Bounds page = ScaleBounds(TabPageArea(DesignBounds()), Form().Scale());
  RECT r{control.left + page.left, control.top + page.top, control.left + page.Right(),
         control.top + page.Bottom()};
  RECT shown = control;
  ::SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&shown));
  if (shown.top > r.top) r.top = shown.top;
  return r;
}

HBRUSH TPageControl::BodyBrush(HDC dc, HWND control) {
  RECT tab{};
  ::GetWindowRect(Handle(), &tab);
  if (!body_) {
    win::WindowDC screen(Handle());
    win::UniqueMemoryDC memory(::CreateCompatibleDC(screen.get()));
    win::UniqueBitmap picture(
        ::CreateCompatibleBitmap(screen.get(), tab.right - tab.left, tab.bottom - tab.top));
    {
      win::SelectGuard select(memory.get(), picture.get());
      ::SendMessageW(Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()),
                     PRF_CLIENT | PRF_ERASEBKGND);
    }
    body_.reset(::CreatePatternBrush(picture.get()));
  }
  // The pattern starts at the tab control's corner, wherever the control is.
  RECT at{};
  ::GetWindowRect(control, &at);
  ::SetBrushOrgEx(dc, tab.left - at.left, tab.top - at.top, nullptr);
  ::SetBkMode(dc, TRANSPARENT);
  return body_.get();
}

void TPageControl::ApplyScale() {
  body_.reset();
  TControl::ApplyScale();
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
