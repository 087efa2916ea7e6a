// Edit boxes: the single-line TEdit and the multi-line TMemo, whose window
// class is a superclass of EDIT named "TMemo" so that other programs find
// it by that name. Both raise OnChange when their text differs from the last
// one seen, whether the user typed or code set it.
#pragma once

#include "ui/Control_win.h"

namespace vxl::ui {

class TCustomEdit : public TControl {
 public:
  using TControl::TControl;
  const std::string& Text() const { return text_; }
  void SetTextValue(const std::string& text);
  void SelectAll();

  std::string GetTextProperty(std::string_view property) const override;
  void SetTextProperty(std::string_view property, const std::string& value) override;
  bool OnCommand(WORD code) override;

 protected:
  DWORD Style() const override;
  DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
  void AfterCreate() override;

 private:
  std::string text_;
};

class TEdit final : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;

 protected:
  const wchar_t* WindowClass() const override { return L"EDIT"; }
  DWORD Style() const override { return TCustomEdit::Style() | ES_AUTOHSCROLL; }
};

class TMemo final : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
  std::vector<std::string> Lines() const;
  void SetLinesValue(const std::vector<std::string>& lines);
  std::vector<std::string> GetListProperty(std::string_view property) const override;
  void SetListProperty(std::string_view property, const std::vector<std::string>& lines) override;

 protected:
  const wchar_t* WindowClass() const override;
  DWORD Style() const override;
  void AfterCreate() override;
};

}  // namespace vxl::ui
