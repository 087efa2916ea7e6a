// List controls: the drop-down list (COMBOBOX, no typing) and the list
// box. Their value is the selected index; OnChange reports a new index from
// the user or from code, the combo's OnSelect only the user's choice.
#pragma once

#include "ui/Control_win.h"

namespace vxl::ui {

class TCustomCombo : public TControl {
 public:
  using TControl::TControl;
  int ItemIndex() const { return itemIndex_; }
  // -1 selects nothing; raises OnChange when the index differs.
  void SetItemIndex(int index);
  int Count() const;
  std::vector<std::string> Items() const;
  // Keeps the selected index where it still exists.
  void SetItems(const std::vector<std::string>& items);
  bool DroppedDown() const;
  void SetDroppedDown(bool dropped);
  // Width of the open list, in pixels at 100 % (0 = the control's width).
  void SetDropDownWidth(int designWidth);
  // The window of the open list (for pointing at its items).
  HWND ListHandle() const;

  std::vector<std::string> GetListProperty(std::string_view property) const override;
  void SetListProperty(std::string_view property, const std::vector<std::string>& lines) override;
  void ApplyScale() override;
  bool OnCommand(WORD code) override;

 protected:
  const wchar_t* WindowClass() const override { return L"COMBOBOX"; }
  DWORD Style() const override;
  void AfterCreate() override;
  // Rereads the selection and raises OnChange when it moved.
  void CheckChange();
  // Height of the list's entries at 100 %.
  virtual int DesignItemHeight() const;
  // Entries the open list shows without scrolling.
  virtual int VisibleItems() const;

 private:
  int itemIndex_ = -1;
  int dropDownWidth_ = 0;
};

class TComboBox final : public TCustomCombo {
 public:
  using TCustomCombo::TCustomCombo;
};

class TListBox final : public TControl {
 public:
  using TControl::TControl;
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  int Count() const;
  std::vector<std::string> Items() const;
  void SetItems(const std::vector<std::string>& items);

  std::vector<std::string> GetListProperty(std::string_view property) const override;
  void SetListProperty(std::string_view property, const std::vector<std::string>& lines) override;
  void ApplyScale() override;
  bool OnCommand(WORD code) override;

 protected:
  const wchar_t* WindowClass() const override { return L"LISTBOX"; }
  DWORD Style() const override;
  DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
  void AfterCreate() override;

 private:
  void CheckChange();
  int itemIndex_ = -1;
};

}  // namespace vxl::ui
