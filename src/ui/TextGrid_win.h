// TStringGrid, the text grid: a list view in report view, so that screen
// readers announce its rows and cells. Row 0 is the header; data rows
// start at 1; the first FixedCols columns are headings that never take the
// current cell. Clicks and arrow keys ask OnSelectCell before the current
// cell moves, and the handler may refuse; setting the current cell from code
// asks too (detach the handler to move it silently). Each cell can have a
// hint of its own.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include "ui/ListView_win.h"

namespace vxl::ui {

class TTextGrid final : public TCustomListView {
 public:
  using TCustomListView::TCustomListView;
  int ColCount() const { return Decl().grid.cols; }
  int FixedCols() const { return Decl().grid.fixedCols; }
  // Rows with the header: data rows + 1.
  int RowCount() const { return TCustomListView::RowCount() + 1; }
  void SetRowCount(int rows);
  std::string Cell(int col, int row) const;
  void SetCell(int col, int row, const std::string& text);
  // Widths in pixels of the current scale; a later rescaling keeps their
  // proportions.
  int ColWidth(int col) const;
  void SetColWidth(int col, int width);
  void ApplyScale() override;

  int Col() const { return col_; }
  int Row() const { return row_; }
  // Asks OnSelectCell; moves only when allowed. True when it moved.
  bool SetCurrentCell(int col, int row);
  // A cell's rectangle in the grid's client area (row 0: its header).
  RECT CellRect(int col, int row) const;
  // The cell at a client point; (-1, -1) when none.
  std::pair<int, int> MouseToCell(POINT clientPoint) const;
  void SetCellHint(int col, int row, const std::string& hint);
  std::string HintAt(POINT clientPoint) const override;

  bool OnNotify(NMHDR& header, LRESULT& result) override;

 protected:
  DWORD Style() const override { return TCustomListView::Style() | LVS_NOSORTHEADER; }
  void AfterCreate() override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool MoveBy(WPARAM key);
  void DrawCurrentCell(HDC dc) const;

  std::vector<int> designWidths_;  // at 100 %
  int col_ = 0;
  int row_ = 0;
  std::pair<int, int> hovered_{-1, -1};
  std::map<std::pair<int, int>, std::string> cellHints_;
};

}  // namespace vxl::ui
