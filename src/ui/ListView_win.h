// List views in report view: TListView, a one-column list whose selected
// row is its value, and the base the text grid builds on.
#pragma once

#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include "ui/Control_win.h"

namespace vxl::ui {

class TCustomListView : public TControl {
 public:
  using TControl::TControl;
  int RowCount() const;
  std::string CellText(int column, int row) const;
  void SetCellText(int column, int row, const std::string& text);
  // Adds rows or drops the last ones.
  void SetRowCount(int rows);
  int SelectedRow() const;

 protected:
  const wchar_t* WindowClass() const override { return WC_LISTVIEWW; }
  DWORD Style() const override { return LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS; }
  DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
  void AddColumn(int index, const std::string& heading, int widthPx);
  void SelectRow(int row);
};

class TListView final : public TCustomListView {
 public:
  using TCustomListView::TCustomListView;
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  std::vector<std::string> Items() const;
  void SetItems(const std::vector<std::string>& items);

  std::vector<std::string> GetListProperty(std::string_view property) const override;
  void SetListProperty(std::string_view property, const std::vector<std::string>& lines) override;
  void ApplyScale() override;
  bool OnNotify(NMHDR& header, LRESULT& result) override;

 protected:
  DWORD Style() const override { return TCustomListView::Style() | LVS_NOCOLUMNHEADER; }
  void AfterCreate() override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CheckChange();
  int itemIndex_ = -1;
};

}  // namespace vxl::ui
