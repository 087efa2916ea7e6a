#include "ui/Lists_win.h"

#include <commctrl.h>

#include "common/Encoding.h"
#include "ui/CustomForm_win.h"
#include "ui/WinText_win.h"

namespace vxl::ui {
namespace {

// The texts of a list control's entries through its GETTEXT messages.
std::vector<std::string> ReadItems(HWND wnd, UINT countMessage, UINT lengthMessage,
                                   UINT textMessage) {
  std::vector<std::string> items;
  const int count = static_cast<int>(::SendMessageW(wnd, countMessage, 0, 0));
  for (int i = 0; i < count; ++i) {
    const auto length = ::SendMessageW(wnd, lengthMessage, i, 0);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    ::SendMessageW(wnd, textMessage, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    items.push_back(win::Narrow(text));
  }
  return items;
}

void WriteItems(HWND wnd, UINT resetMessage, UINT addMessage,
                const std::vector<std::string>& items) {
  ::SendMessageW(wnd, resetMessage, 0, 0);
  for (const std::string& item : items) {
    ::SendMessageW(wnd, addMessage, 0, reinterpret_cast<LPARAM>(win::Widen(item).c_str()));
  }
}

}  // namespace

// --- TCustomCombo ------------------------------------------------------------

DWORD TCustomCombo::Style() const {
  return CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL | ((Decl().flags & kSorted) ? CBS_SORT : 0);
}

void TCustomCombo::AfterCreate() {
  WriteItems(Handle(), CB_RESETCONTENT, CB_ADDSTRING, Decl().items);
  ::SendMessageW(Handle(), CB_SETMINVISIBLE, VisibleItems(), 0);
  dropDownWidth_ = Decl().dropDownWidth;
}

int TCustomCombo::VisibleItems() const { return Decl().visibleItems > 0 ? Decl().visibleItems : 8; }

int TCustomCombo::DesignItemHeight() const {
  return Decl().itemHeight > 0 ? Decl().itemHeight : kDefaultFontHeight + 3;
}

void TCustomCombo::ApplyScale() {
  if (!Handle()) return;
  const ScaleFactor scale = Form().Scale();
  ::SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
  const int itemHeight = ScaleLength(DesignItemHeight(), scale);
  ::SendMessageW(Handle(), CB_SETITEMHEIGHT, 0, itemHeight);
  const RECT r = PixelRect();
  const int fieldHeight = r.bottom - r.top;
  // A combo box takes the height it is given as the height of its open
  // list and sizes its field by the font: pass both, then bring the field
  // to the height the table asks for.
  const int visible = VisibleItems();
  ::SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left,
                 fieldHeight + visible * itemHeight + 2, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT now{};
  ::GetWindowRect(Handle(), &now);
  const auto field = ::SendMessageW(Handle(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  const auto wanted = field + fieldHeight - (now.bottom - now.top);
  if (wanted > 0 && wanted != field) {
    ::SendMessageW(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), wanted);
  }
  if (dropDownWidth_ > 0) {
    ::SendMessageW(Handle(), CB_SETDROPPEDWIDTH, ScaleLength(dropDownWidth_, scale), 0);
  }
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TCustomCombo::SetDropDownWidth(int designWidth) {
  dropDownWidth_ = designWidth;
  ::SendMessageW(Handle(), CB_SETDROPPEDWIDTH, ScaleLength(designWidth, Form().Scale()), 0);
}

void TCustomCombo::SetItemIndex(int index) {
  ::SendMessageW(Handle(), CB_SETCURSEL, index, 0);
  CheckChange();
}

void TCustomCombo::CheckChange() {
  const int now = static_cast<int>(::SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
  if (now == itemIndex_) return;
  itemIndex_ = now;
  Fire(Event::Change, itemIndex_);
}

int TCustomCombo::Count() const {
  return static_cast<int>(::SendMessageW(Handle(), CB_GETCOUNT, 0, 0));
}

std::vector<std::string> TCustomCombo::Items() const {
  return ReadItems(Handle(), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

void TCustomCombo::SetItems(const std::vector<std::string>& items) {
  WriteItems(Handle(), CB_RESETCONTENT, CB_ADDSTRING, items);
  if (itemIndex_ >= 0) ::SendMessageW(Handle(), CB_SETCURSEL, itemIndex_, 0);
  CheckChange();
}

bool TCustomCombo::DroppedDown() const {
  return ::SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomCombo::SetDroppedDown(bool dropped) {
  ::SendMessageW(Handle(), CB_SHOWDROPDOWN, dropped ? TRUE : FALSE, 0);
}

HWND TCustomCombo::ListHandle() const {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return ::GetComboBoxInfo(Handle(), &info) ? info.hwndList : nullptr;
}

std::vector<std::string> TCustomCombo::GetListProperty(std::string_view property) const {
  return EqualsNoCase(property, "Items") ? Items() : TControl::GetListProperty(property);
}

void TCustomCombo::SetListProperty(std::string_view property,
                                   const std::vector<std::string>& lines) {
  if (EqualsNoCase(property, "Items")) SetItems(lines);
}

bool TCustomCombo::OnCommand(WORD code) {
  switch (code) {
    case CBN_SELCHANGE:
      CheckChange();
      Fire(Event::Select, itemIndex_);
      return true;
    case CBN_DROPDOWN: Fire(Event::DropDown); return true;
    case CBN_CLOSEUP: Fire(Event::CloseUp); return true;
  }
  return false;
}

// --- TListBox --------------------------------------------------------------

DWORD TListBox::Style() const {
  return LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | WS_VSCROLL |
         ((Decl().flags & kSorted) ? LBS_SORT : 0);
}

void TListBox::AfterCreate() { WriteItems(Handle(), LB_RESETCONTENT, LB_ADDSTRING, Decl().items); }

void TListBox::ApplyScale() {
  TControl::ApplyScale();
  if (Handle() && Decl().itemHeight > 0) {
    ::SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, ScaleLength(Decl().itemHeight, Form().Scale()));
  }
}

void TListBox::SetItemIndex(int index) {
  ::SendMessageW(Handle(), LB_SETCURSEL, index, 0);
  CheckChange();
}

void TListBox::CheckChange() {
  const int now = static_cast<int>(::SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
  if (now == itemIndex_) return;
  itemIndex_ = now;
  Fire(Event::Change, itemIndex_);
}

int TListBox::Count() const {
  return static_cast<int>(::SendMessageW(Handle(), LB_GETCOUNT, 0, 0));
}

std::vector<std::string> TListBox::Items() const {
  return ReadItems(Handle(), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

void TListBox::SetItems(const std::vector<std::string>& items) {
  WriteItems(Handle(), LB_RESETCONTENT, LB_ADDSTRING, items);
  if (itemIndex_ >= 0) ::SendMessageW(Handle(), LB_SETCURSEL, itemIndex_, 0);
  CheckChange();
}

std::vector<std::string> TListBox::GetListProperty(std::string_view property) const {
  return EqualsNoCase(property, "Items") ? Items() : TControl::GetListProperty(property);
}

void TListBox::SetListProperty(std::string_view property, const std::vector<std::string>& lines) {
  if (EqualsNoCase(property, "Items")) SetItems(lines);
}

bool TListBox::OnCommand(WORD code) {
  if (code != LBN_SELCHANGE) return false;
  CheckChange();
  return true;
}

}  // namespace vxl::ui
