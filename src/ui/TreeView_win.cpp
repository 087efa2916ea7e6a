#include "ui/TreeView_win.h"

#include <algorithm>

#include "common/Encoding.h"
#include "ui/WinText_win.h"

namespace vxl::ui {
namespace {

int LevelOf(const std::string& line) {
  int level = 0;
  while (static_cast<std::size_t>(level) < line.size() && line[level] == '\t') ++level;
  return level;
}

}  // namespace

DWORD TTreeView::Style() const {
  DWORD style = TVS_SHOWSELALWAYS;
  if (!(Decl().flags & kPlainTree)) style |= TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;
  if (Decl().flags & kRowSelect) style |= TVS_FULLROWSELECT;
  if (!(Decl().flags & kReadOnly)) style |= TVS_EDITLABELS;
  return style;
}

void TTreeView::AfterCreate() { Rebuild(Decl().items); }

void TTreeView::Rebuild(const std::vector<std::string>& lines) {
  TreeView_DeleteAllItems(Handle());
  nodes_.clear();
  std::vector<HTREEITEM> parents;  // the last node of each level
  for (const std::string& line : lines) {
    const int level = std::min(LevelOf(line), static_cast<int>(parents.size()));
    const std::wstring text = win::Widen(line.substr(static_cast<std::size_t>(LevelOf(line))));
    TVINSERTSTRUCTW insert{};
    insert.hParent = level == 0 ? TVI_ROOT : parents[static_cast<std::size_t>(level - 1)];
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    const HTREEITEM item = TreeView_InsertItem(Handle(), &insert);
    parents.resize(static_cast<std::size_t>(level));
    parents.push_back(item);
    nodes_.push_back({item, level});
  }
  // Every node shows: a settings tree has nothing to hide.
  for (const Node& node : nodes_) TreeView_Expand(Handle(), node.item, TVE_EXPAND);
  CheckChange();
}

void TTreeView::SetSelectedIndex(int index) {
  const HTREEITEM item =
      index >= 0 && index < NodeCount() ? nodes_[static_cast<std::size_t>(index)].item : nullptr;
  TreeView_SelectItem(Handle(), item);
  CheckChange();
}

void TTreeView::CheckChange() {
  const HTREEITEM selected = TreeView_GetSelection(Handle());
  int now = -1;
  for (std::size_t i = 0; i < nodes_.size(); ++i) {
    if (nodes_[i].item == selected) now = static_cast<int>(i);
  }
  if (now == selected_) return;
  selected_ = now;
  Fire(Event::Change, selected_);
}

std::string TTreeView::NodeText(int index) const {
  if (index < 0 || index >= NodeCount()) return {};
  wchar_t text[512] = L"";
  TVITEMW item{};
  item.mask = TVIF_TEXT;
  item.hItem = nodes_[static_cast<std::size_t>(index)].item;
  item.pszText = text;
  item.cchTextMax = 512;
  TreeView_GetItem(Handle(), &item);
  return win::Narrow(text);
}

int TTreeView::NodeLevel(int index) const {
  return index >= 0 && index < NodeCount() ? nodes_[static_cast<std::size_t>(index)].level : -1;
}

RECT TTreeView::NodeRect(int index) const {
  RECT r{};
  if (index >= 0 && index < NodeCount()) {
    TreeView_GetItemRect(Handle(), nodes_[static_cast<std::size_t>(index)].item, &r, TRUE);
  }
  return r;
}

void TTreeView::SetNodeCaption(int index, const std::string& caption) {
  if (index < 0 || index >= NodeCount()) return;
  std::wstring text = win::Widen(caption);
  TVITEMW item{};
  item.mask = TVIF_TEXT;
  item.hItem = nodes_[static_cast<std::size_t>(index)].item;
  item.pszText = text.data();
  TreeView_SetItem(Handle(), &item);
}

std::vector<std::string> TTreeView::GetListProperty(std::string_view property) const {
  if (!EqualsNoCase(property, "Items")) return {};
  std::vector<std::string> lines;
  for (int i = 0; i < NodeCount(); ++i) {
    lines.push_back(std::string(static_cast<std::size_t>(NodeLevel(i)), '\t') + NodeText(i));
  }
  return lines;
}

void TTreeView::SetListProperty(std::string_view property, const std::vector<std::string>& lines) {
  if (!EqualsNoCase(property, "Items")) return;
  bool sameShape = lines.size() == nodes_.size();
  for (std::size_t i = 0; sameShape && i < lines.size(); ++i) {
    sameShape = LevelOf(lines[i]) == nodes_[i].level;
  }
  if (!sameShape) {
    Rebuild(lines);
    return;
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SetNodeCaption(static_cast<int>(i), lines[i].substr(static_cast<std::size_t>(nodes_[i].level)));
  }
}

bool TTreeView::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.code != TVN_SELCHANGEDW) return false;
  CheckChange();
  result = 0;
  return true;
}

}  // namespace vxl::ui
