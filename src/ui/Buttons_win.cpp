#include "ui/Buttons_win.h"

#include "ui/CustomForm_win.h"

namespace vxl::ui {
namespace {

DWORD WrapStyle(const ComponentDecl& decl) { return (decl.flags & kWordWrap) ? BS_MULTILINE : 0; }

bool IsInside(const TControl* control, const TControl* container) {
  for (const TControl* p = control->Parent(); p; p = p->Parent()) {
    if (p == container) return true;
  }
  return false;
}

}  // namespace

// --- TButton ---------------------------------------------------------------

DWORD TButton::Style() const {
  return (IsDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WrapStyle(Decl());
}

void TButton::Click() {
  if (EffectivelyEnabled() && Showing()) Fire(Event::Click);
}

bool TButton::OnCommand(WORD code) {
  if (code != BN_CLICKED) return false;
  Fire(Event::Click);
  return true;
}

// --- TCheckBox -------------------------------------------------------------

DWORD TCheckBox::Style() const { return BS_CHECKBOX | WrapStyle(Decl()); }

void TCheckBox::AfterCreate() {
  checked_ = (Decl().flags & kChecked) != 0;
  ::SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  ::SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
  Fire(Event::Click, checked_ ? 1 : 0);
}

bool TCheckBox::OnCommand(WORD code) {
  if (code != BN_CLICKED) return false;
  SetChecked(!checked_);
  return true;
}

void TCheckBox::OnAccelerator() {
  SetFocus();
  SetChecked(!checked_);
}

// --- TRadioButton ----------------------------------------------------------

DWORD TRadioButton::Style() const { return BS_RADIOBUTTON | WrapStyle(Decl()); }

void TRadioButton::AfterCreate() {
  checked_ = (Decl().flags & kChecked) != 0;
  ::SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::vector<TRadioButton*> TRadioButton::Group() const {
  const std::vector<TControl*>& siblings = Parent() ? Parent()->Children() : Form().TopControls();
  std::vector<TRadioButton*> group;
  for (TControl* sibling : siblings) {
    if (auto* radio = dynamic_cast<TRadioButton*>(sibling)) group.push_back(radio);
  }
  return group;
}

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  ::SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!checked_) return;
  for (TRadioButton* other : Group()) {
    if (other != this) other->SetChecked(false);
  }
  Fire(Event::Click, 1);
}

bool TRadioButton::IsTabStop() const {
  if (!TControl::IsTabStop()) return false;
  // Tab enters a group at its checked button, or at its first one.
  const std::vector<TRadioButton*> group = Group();
  for (TRadioButton* radio : group) {
    if (radio->checked_ && radio->TControl::IsTabStop()) return radio == this;
  }
  for (TRadioButton* radio : group) {
    if (radio->TControl::IsTabStop()) return radio == this;
  }
  return false;
}

bool TRadioButton::OnCommand(WORD code) {
  if (code != BN_CLICKED) return false;
  SetChecked(true);
  return true;
}

void TRadioButton::OnAccelerator() {
  SetFocus();
  SetChecked(true);
}

// --- TGroupBox -------------------------------------------------------------

void TGroupBox::OnAccelerator() {
  for (TControl* stop : Form().TabStops()) {
    if (IsInside(stop, this)) {
      stop->SetFocus();
      return;
    }
  }
}

}  // namespace vxl::ui
