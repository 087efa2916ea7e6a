#include "ui/ListView_win.h"

#include "common/Encoding.h"
#include "ui/WinText_win.h"

namespace vxl::ui {
namespace {
constexpr UINT kCheckSelection = WM_APP + 1;
}

// --- TCustomListView -------------------------------------------------------

int TCustomListView::RowCount() const { return ListView_GetItemCount(Handle()); }

std::string TCustomListView::CellText(int column, int row) const {
  wchar_t text[1024] = L"";
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 1024;
  ::SendMessageW(Handle(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  return win::Narrow(text);
}

void TCustomListView::SetCellText(int column, int row, const std::string& text) {
  std::wstring wide = win::Widen(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = wide.data();
  ::SendMessageW(Handle(), LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

void TCustomListView::SetRowCount(int rows) {
  for (int count = RowCount(); count < rows; ++count) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = count;
    item.pszText = const_cast<wchar_t*>(L"");
    ::SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  for (int count = RowCount(); count > rows && count > 0; --count) {
    ListView_DeleteItem(Handle(), count - 1);
  }
}

int TCustomListView::SelectedRow() const {
  return ListView_GetNextItem(Handle(), -1, LVNI_SELECTED);
}

void TCustomListView::AddColumn(int index, const std::string& heading, int widthPx) {
  std::wstring text = win::Widen(heading);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = text.data();
  column.cx = widthPx;
  column.iSubItem = index;
  ::SendMessageW(Handle(), LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

void TCustomListView::SelectRow(int row) {
  const int previous = SelectedRow();
  if (previous >= 0 && previous != row)
    ListView_SetItemState(Handle(), previous, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (row < 0) return;
  ListView_SetItemState(Handle(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(Handle(), row, FALSE);
}

// --- TListView -------------------------------------------------------------

void TListView::AfterCreate() {
  ListView_SetExtendedListViewStyle(Handle(), LVS_EX_FULLROWSELECT);
  AddColumn(0, "", 100);
  SetItems(Decl().items);
}

void TListView::ApplyScale() {
  TControl::ApplyScale();
  if (!Handle()) return;
  // The one column fills the list.
  RECT client{};
  ::GetClientRect(Handle(), &client);
  ListView_SetColumnWidth(Handle(), 0, client.right - ::GetSystemMetrics(SM_CXVSCROLL));
}

void TListView::SetItemIndex(int index) {
  SelectRow(index);
  CheckChange();
}

void TListView::CheckChange() {
  const int now = SelectedRow();
  if (now == itemIndex_) return;
  itemIndex_ = now;
  Fire(Event::Change, itemIndex_);
}

std::vector<std::string> TListView::Items() const {
  std::vector<std::string> items;
  for (int row = 0; row < RowCount(); ++row) items.push_back(CellText(0, row));
  return items;
}

void TListView::SetItems(const std::vector<std::string>& items) {
  SetRowCount(static_cast<int>(items.size()));
  for (std::size_t row = 0; row < items.size(); ++row) {
    SetCellText(0, static_cast<int>(row), items[row]);
  }
  CheckChange();
}

std::vector<std::string> TListView::GetListProperty(std::string_view property) const {
  return EqualsNoCase(property, "Items") ? Items() : TControl::GetListProperty(property);
}

void TListView::SetListProperty(std::string_view property, const std::vector<std::string>& lines) {
  if (EqualsNoCase(property, "Items")) SetItems(lines);
}

bool TListView::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.code != LVN_ITEMCHANGED) return false;
  const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
  if ((change.uChanged & LVIF_STATE) && ((change.uNewState ^ change.uOldState) & LVIS_SELECTED)) {
    // A click on another row first clears the old one: looking only once
    // the click is over reports one change, not a passing "none".
    if (change.uNewState & LVIS_SELECTED) {
      CheckChange();
    } else {
      ::PostMessageW(Handle(), kCheckSelection, 0, 0);
    }
  }
  result = 0;
  return true;
}

LRESULT TListView::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kCheckSelection) {
    CheckChange();
    return 0;
  }
  return TCustomListView::WndProc(message, wParam, lParam);
}

}  // namespace vxl::ui
