// The BUTTON family: push button, check box, radio button and group box.
// Check and radio buttons keep their state themselves (not the "auto"
// styles), so that a change by the user and a change by code take the same
// road and raise OnClick once, only when the state differs.
#pragma once

#include "ui/Control_win.h"

namespace vxl::ui {

class TButton final : public TControl {
 public:
  using TControl::TControl;
  bool IsDefault() const { return (Decl().flags & kDefault) != 0; }
  bool IsCancel() const { return (Decl().flags & kCancel) != 0; }
  // As a user's click: raises OnClick when the button is enabled.
  void Click();
  bool OnCommand(WORD code) override;
  void OnAccelerator() override { Click(); }

 protected:
  const wchar_t* WindowClass() const override { return L"BUTTON"; }
  DWORD Style() const override;
};

class TCheckBox final : public TControl {
 public:
  using TControl::TControl;
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool OnCommand(WORD code) override;
  void OnAccelerator() override;

 protected:
  const wchar_t* WindowClass() const override { return L"BUTTON"; }
  DWORD Style() const override;
  void AfterCreate() override;

 private:
  bool checked_ = false;
};

// Radio buttons with the same parent in the table form one group: checking
// one unchecks the others.
class TRadioButton final : public TControl {
 public:
  using TControl::TControl;
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  // The radio buttons of its group in declaration order, itself included.
  std::vector<TRadioButton*> Group() const;
  bool IsTabStop() const override;
  bool OnCommand(WORD code) override;
  void OnAccelerator() override;

 protected:
  const wchar_t* WindowClass() const override { return L"BUTTON"; }
  DWORD Style() const override;
  void AfterCreate() override;

 private:
  bool checked_ = false;
};

class TGroupBox final : public TControl {
 public:
  using TControl::TControl;
  // Its accelerator goes to the first control inside that takes the focus.
  void OnAccelerator() override;

 protected:
  const wchar_t* WindowClass() const override { return L"BUTTON"; }
  DWORD Style() const override { return BS_GROUPBOX; }
};

}  // namespace vxl::ui
