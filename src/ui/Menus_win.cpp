#include "ui/Menus_win.h"

#include "common/Encoding.h"
#include "ui/CustomForm_win.h"
#include "ui/WinText_win.h"

namespace vxl::ui {
namespace {

// A menu handle destroyed with its submenus.
class MenuHandle {
 public:
  MenuHandle() : menu_(::CreatePopupMenu()) {}
  ~MenuHandle() {
    if (menu_) ::DestroyMenu(menu_);
  }
  MenuHandle(const MenuHandle&) = delete;
  MenuHandle& operator=(const MenuHandle&) = delete;
  HMENU get() const { return menu_; }
  // The caller's menu takes it over (destroyed with it).
  HMENU release() { return std::exchange(menu_, nullptr); }

 private:
  HMENU menu_;
};

// Commands are the item's place in the list of all items, from 1.
void AppendItems(HMENU menu, const std::vector<TMenuItem*>& items, std::vector<TMenuItem*>& byId) {
  for (TMenuItem* item : items) {
    if (!item->Visible()) continue;
    const std::wstring caption = win::Widen(item->Caption());
    UINT flags = MF_STRING | (item->Checked() ? MF_CHECKED : 0) | (item->Enabled() ? 0 : MF_GRAYED);
    if (item->Caption() == "-") {
      ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (!item->Items().empty()) {
      MenuHandle sub;
      AppendItems(sub.get(), item->Items(), byId);
      ::AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub.release()),
                    caption.c_str());
    } else {
      byId.push_back(item);
      ::AppendMenuW(menu, flags, byId.size(), caption.c_str());
    }
  }
}

}  // namespace

TMenuItem::TMenuItem(const ComponentDecl& decl, TCustomForm& owner, TComponent* parent)
    : TComponent(decl, &owner),
      caption_(decl.caption),
      checked_((decl.flags & kChecked) != 0),
      enabled_(!(decl.flags & kDisabled)),
      visible_(!(decl.flags & kHidden)) {
  if (auto* menu = dynamic_cast<TPopupMenu*>(parent)) menu->items_.push_back(this);
  if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->items_.push_back(this);
}

std::string TMenuItem::GetTextProperty(std::string_view property) const {
  return EqualsNoCase(property, "Caption") ? caption_ : TComponent::GetTextProperty(property);
}

void TMenuItem::SetTextProperty(std::string_view property, const std::string& value) {
  if (EqualsNoCase(property, "Caption")) {
    caption_ = value;
  } else {
    TComponent::SetTextProperty(property, value);
  }
}

TPopupMenu::TPopupMenu(const ComponentDecl& decl, TCustomForm& owner)
    : TComponent(decl, &owner), form_(owner) {}

void TPopupMenu::Popup(int x, int y) {
  Fire(Event::Popup);
  MenuHandle menu;
  std::vector<TMenuItem*> byId;
  AppendItems(menu.get(), items_, byId);
  HWND owner = ::GetAncestor(form_.Window(), GA_ROOT);
  // A menu closes on the first click elsewhere only when its owner is in
  // front; the empty message after it lets a second popup work.
  ::SetForegroundWindow(owner);
  const UINT id = static_cast<UINT>(::TrackPopupMenuEx(
      menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, owner, nullptr));
  ::PostMessageW(owner, WM_NULL, 0, 0);
  if (id > 0 && id <= byId.size()) byId[id - 1]->Click();
}

}  // namespace vxl::ui
