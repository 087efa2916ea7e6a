#include "ui/TextGrid_win.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/CustomForm_win.h"
#include "ui/WinText_win.h"

namespace vxl::ui {

void TTextGrid::AfterCreate() {
  ListView_SetExtendedListViewStyle(Handle(), LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  // Equal columns that fill the grid beside its scroll bar, until the page
  // sets its own widths.
  const int width =
      Decl().at.width - ::GetSystemMetrics(SM_CXVSCROLL) - 2 * ::GetSystemMetrics(SM_CXEDGE);
  for (int col = 0; col < ColCount(); ++col) {
    const std::size_t index = static_cast<std::size_t>(col);
    designWidths_.push_back(width / ColCount());
    AddColumn(col, index < Decl().items.size() ? Decl().items[index] : "", width / ColCount());
  }
  SetRowCount(Decl().grid.rows + 1);
  col_ = std::min(FixedCols(), ColCount() - 1);
  row_ = Decl().grid.rows > 0 ? 1 : 0;
  if (row_ > 0) SelectRow(0);
}

void TTextGrid::SetRowCount(int rows) {
  TCustomListView::SetRowCount(std::max(rows, 1) - 1);
  if (row_ >= RowCount()) row_ = RowCount() - 1;
}

std::string TTextGrid::Cell(int col, int row) const {
  if (row > 0) return CellText(col, row - 1);
  wchar_t text[256] = L"";
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT;
  column.pszText = text;
  column.cchTextMax = 256;
  ::SendMessageW(Handle(), LVM_GETCOLUMNW, col, reinterpret_cast<LPARAM>(&column));
  return win::Narrow(text);
}

void TTextGrid::SetCell(int col, int row, const std::string& text) {
  if (row > 0) {
    SetCellText(col, row - 1, text);
    return;
  }
  std::wstring wide = win::Widen(text);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT;
  column.pszText = wide.data();
  ::SendMessageW(Handle(), LVM_SETCOLUMNW, col, reinterpret_cast<LPARAM>(&column));
}

int TTextGrid::ColWidth(int col) const { return ListView_GetColumnWidth(Handle(), col); }

void TTextGrid::SetColWidth(int col, int width) {
  if (col < 0 || col >= ColCount()) return;
  designWidths_[static_cast<std::size_t>(col)] = UnscaleLength(width, Form().Scale());
  ListView_SetColumnWidth(Handle(), col, width);
}

void TTextGrid::ApplyScale() {
  TCustomListView::ApplyScale();
  for (std::size_t col = 0; col < designWidths_.size(); ++col) {
    ListView_SetColumnWidth(Handle(), static_cast<int>(col),
                            ScaleLength(designWidths_[col], Form().Scale()));
  }
}

bool TTextGrid::SetCurrentCell(int col, int row) {
  if (col < 0 || col >= ColCount() || row < 1 || row >= RowCount()) return false;
  TEvent event{*this, Event::SelectCell};
  event.col = col;
  event.row = row;
  if (!Fire(event)) return false;
  col_ = col;
  row_ = row;
  SelectRow(row - 1);
  Invalidate();
  return true;
}

RECT TTextGrid::CellRect(int col, int row) const {
  RECT r{};
  if (row == 0) {
    HWND header = ListView_GetHeader(Handle());
    Header_GetItemRect(header, col, &r);
    ::MapWindowPoints(header, Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  ListView_GetSubItemRect(Handle(), row - 1, col, LVIR_BOUNDS, &r);
  // A row's first sub-item rectangle is the whole row; its cell is the
  // first column's width of it.
  if (col == 0) r.right = r.left + ColWidth(0);
  return r;
}

std::pair<int, int> TTextGrid::MouseToCell(POINT clientPoint) const {
  LVHITTESTINFO hit{};
  hit.pt = clientPoint;
  if (ListView_SubItemHitTest(Handle(), &hit) < 0 || hit.iItem < 0) return {-1, -1};
  return {hit.iSubItem, hit.iItem + 1};
}

void TTextGrid::SetCellHint(int col, int row, const std::string& hint) {
  cellHints_[{col, row}] = hint;
}

std::string TTextGrid::HintAt(POINT clientPoint) const {
  const auto found = cellHints_.find(MouseToCell(clientPoint));
  return found != cellHints_.end() ? found->second : Hint();
}

bool TTextGrid::MoveBy(WPARAM key) {
  int col = col_;
  int row = row_;
  const int page = std::max(1, ListView_GetCountPerPage(Handle()));
  switch (key) {
    case VK_LEFT: col = std::max(FixedCols(), col - 1); break;
    case VK_RIGHT: col = std::min(ColCount() - 1, col + 1); break;
    case VK_UP: row = std::max(1, row - 1); break;
    case VK_DOWN: row = std::min(RowCount() - 1, row + 1); break;
    case VK_PRIOR: row = std::max(1, row - page); break;
    case VK_NEXT: row = std::min(RowCount() - 1, row + page); break;
    case VK_HOME: col = FixedCols(); break;
    case VK_END: col = ColCount() - 1; break;
    default: return false;
  }
  if (col != col_ || row != row_) SetCurrentCell(col, row);
  return true;
}

LRESULT TTextGrid::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // The grid moves its current cell itself, after asking: the list
      // view would select the row first.
      SetFocus();
      const auto [col, row] = MouseToCell({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      if (row >= 1) SetCurrentCell(std::max(col, FixedCols()), row);
      return 0;
    }
    case WM_MOUSEMOVE: {
      const auto cell = MouseToCell({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      if (cell != hovered_) {
        hovered_ = cell;
        // The tip asks for the new cell's hint when it shows again.
        if (Form().Hints()) Form().Hints()->Pop();
      }
      break;
    }
    case WM_KEYDOWN: {
      TEvent event{*this, Event::KeyDown};
      event.key = static_cast<WORD>(wParam);
      event.shift = CurrentShift();
      Fire(event);
      if (event.key == 0 || MoveBy(event.key)) return 0;
      return DefaultProc(message, event.key, lParam);
    }
  }
  return TCustomListView::WndProc(message, wParam, lParam);
}

bool TTextGrid::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.code != NM_CUSTOMDRAW) return false;
  auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: result = CDRF_NOTIFYITEMDRAW; break;
    case CDDS_ITEMPREPAINT: result = CDRF_NOTIFYPOSTPAINT; break;
    case CDDS_ITEMPOSTPAINT:
      if (static_cast<int>(draw.nmcd.dwItemSpec) == row_ - 1) DrawCurrentCell(draw.nmcd.hdc);
      result = CDRF_DODEFAULT;
      break;
    default: result = CDRF_DODEFAULT;
  }
  return true;
}

void TTextGrid::DrawCurrentCell(HDC dc) const {
  RECT r = CellRect(col_, row_);
  ::InflateRect(&r, -1, -1);
  // A frame in the window text colour marks the cell within the row.
  HBRUSH frame = ::GetSysColorBrush(COLOR_WINDOWTEXT);
  ::FrameRect(dc, &r, frame);
  ::InflateRect(&r, -1, -1);
  ::FrameRect(dc, &r, frame);
}

}  // namespace vxl::ui
