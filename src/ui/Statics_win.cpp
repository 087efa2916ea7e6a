#include "ui/Statics_win.h"

#include <algorithm>

#include "ui/CustomForm_win.h"
#include "ui/WinText_win.h"

namespace vxl::ui {
namespace {

DWORD AlignmentStyle(const ComponentDecl& decl, DWORD otherwise) {
  if (decl.flags & kAlignRight) return SS_RIGHT;
  if (decl.flags & kCentre) return SS_CENTER;
  return otherwise;
}

DWORD BorderStyle(const ComponentDecl& decl) { return (decl.flags & kBorder) ? WS_BORDER : 0; }

}  // namespace

COLORREF ToColorRef(std::uint32_t colour) {
  if (colour & 0x80000000u) return ::GetSysColor(static_cast<int>(colour & 0xFF));
  return colour & 0xFFFFFF;
}

HBRUSH TStaticColours::Apply(HDC dc, const ComponentDecl& decl) {
  if (decl.textColour != kNoColour) ::SetTextColor(dc, ToColorRef(decl.textColour));
  if (decl.colour == kNoColour) return nullptr;
  ::SetBkColor(dc, ToColorRef(decl.colour));
  if (decl.colour & 0x80000000u) return ::GetSysColorBrush(static_cast<int>(decl.colour & 0xFF));
  if (!brush_) brush_.reset(::CreateSolidBrush(ToColorRef(decl.colour)));
  return brush_.get();
}

// --- TLabel ----------------------------------------------------------------

DWORD TLabel::Style() const {
  const DWORD wrap = (Decl().flags & kWordWrap) ? SS_LEFT : SS_LEFTNOWORDWRAP;
  return AlignmentStyle(Decl(), wrap) | SS_NOTIFY | BorderStyle(Decl());
}

RECT TLabel::PixelRect() const {
  RECT r = TControl::PixelRect();
  if (DesignBounds().width > 0 && DesignBounds().height > 0) return r;
  // Sized by its text in the current font, as an auto-sized label.
  win::WindowDC dc(Handle());
  win::SelectGuard font(dc.get(), Form().FontFor(Decl()));
  const std::wstring text = win::Widen(Caption());
  RECT extent{0, 0, 0, 0};
  ::DrawTextW(dc.get(), text.empty() ? L" " : text.c_str(), -1, &extent,
              DT_CALCRECT | DT_SINGLELINE);
  // A label without a width is sized by its text, its height included, so
  // that no font cuts its descenders.
  if (DesignBounds().width == 0) {
    r.right = r.left + extent.right;
    r.bottom = r.top + extent.bottom;
  } else if (DesignBounds().height == 0) {
    r.bottom = r.top + extent.bottom;
  }
  return r;
}

void TLabel::SetTextProperty(std::string_view property, const std::string& value) {
  TControl::SetTextProperty(property, value);
  if (DesignBounds().width == 0 || DesignBounds().height == 0) ApplyScale();
}

TControl* TLabel::FocusControl() const {
  if (!Decl().link.empty()) return Form().Find<TControl>(Decl().link);
  // Without a link, the first control after the label that Tab stops at.
  bool after = false;
  for (const auto& component : Form().Components()) {
    if (component.get() == this) {
      after = true;
    } else if (auto* control = dynamic_cast<TControl*>(component.get());
               after && control && control->IsTabStop()) {
      return control;
    }
  }
  return nullptr;
}

void TLabel::OnAccelerator() {
  if (TControl* target = FocusControl()) target->SetFocus();
}

HBRUSH TLabel::OnCtlColor(HDC dc) {
  if (HBRUSH own = colours_.Apply(dc, Decl())) return own;
  return TControl::OnCtlColor(dc);
}

bool TLabel::OnCommand(WORD code) {
  if (code != STN_CLICKED) return false;
  Fire(Event::Click);
  return true;
}

// --- TPanel ----------------------------------------------------------------

DWORD TPanel::Style() const {
  return AlignmentStyle(Decl(), SS_CENTER) | SS_CENTERIMAGE | SS_NOTIFY | BorderStyle(Decl());
}

bool TPanel::OnCommand(WORD code) {
  if (code != STN_CLICKED) return false;
  Fire(Event::Click);
  return true;
}

// --- TPaintBox -------------------------------------------------------------

bool TPaintBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
  TEvent event{*this, Event::Paint};
  event.dc = item.hDC;
  event.area = item.rcItem;
  Fire(event);
  return true;
}

bool TPaintBox::OnCommand(WORD code) {
  if (code != STN_CLICKED) return false;
  Fire(Event::Click);
  return true;
}

}  // namespace vxl::ui
