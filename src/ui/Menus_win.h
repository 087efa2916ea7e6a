// TPopupMenu and TMenuItem: a context menu built from the table's menu
// item rows each time it opens, so that captions, ticks and enabling set
// by code or by the localizer always show. OnPopup runs just before it
// opens; the chosen item's OnClick after it closes.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/Component_win.h"

namespace vxl::ui {

class TMenuItem final : public TComponent {
 public:
  TMenuItem(const ComponentDecl& decl, TCustomForm& owner, TComponent* parent);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { checked_ = checked; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  const std::vector<TMenuItem*>& Items() const { return items_; }
  void Click() { Fire(Event::Click); }

  std::string GetTextProperty(std::string_view property) const override;
  void SetTextProperty(std::string_view property, const std::string& value) override;

 private:
  friend class TPopupMenu;
  std::string caption_;
  bool checked_;
  bool enabled_;
  bool visible_;
  std::vector<TMenuItem*> items_;  // not owned: components of the form
};

class TPopupMenu final : public TComponent {
 public:
  TPopupMenu(const ComponentDecl& decl, TCustomForm& owner);
  const std::vector<TMenuItem*>& Items() const { return items_; }
  // Opens at a screen point, owned by the form's window; returns when it
  // has closed, after the chosen item's OnClick.
  void Popup(int x, int y);

 private:
  friend class TMenuItem;
  TCustomForm& form_;
  std::vector<TMenuItem*> items_;  // not owned
};

}  // namespace vxl::ui
