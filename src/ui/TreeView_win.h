// TTreeView: the system tree view. Its Items are lines in tree order, each
// indented by one tab per level; nodes are addressed by that absolute
// index, which is also the value OnChange reports for the selection.
#pragma once

#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include "common/uclMsgLoc.h"
#include "ui/Control_win.h"

namespace vxl::ui {

class TTreeView final : public TControl, public ITreeCaptions {
 public:
  using TControl::TControl;
  int SelectedIndex() const { return selected_; }
  void SetSelectedIndex(int index);
  std::string NodeText(int index) const;
  int NodeLevel(int index) const;
  // The rectangle of a node's text in the tree's client area.
  RECT NodeRect(int index) const;

  // ITreeCaptions
  int NodeCount() const override { return static_cast<int>(nodes_.size()); }
  void SetNodeCaption(int index, const std::string& caption) override;

  std::vector<std::string> GetListProperty(std::string_view property) const override;
  // Relabels the nodes when the lines keep the tree's shape, else rebuilds it.
  void SetListProperty(std::string_view property, const std::vector<std::string>& lines) override;
  bool OnNotify(NMHDR& header, LRESULT& result) override;

 protected:
  const wchar_t* WindowClass() const override { return WC_TREEVIEWW; }
  DWORD Style() const override;
  DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
  void AfterCreate() override;

 private:
  void Rebuild(const std::vector<std::string>& lines);
  void CheckChange();

  struct Node {
    HTREEITEM item;
    int level;
  };
  std::vector<Node> nodes_;
  int selected_ = -1;
};

}  // namespace vxl::ui
