#include "ui/FileDialogs_win.h"

#include "common/Encoding.h"
#include "ui/CustomForm_win.h"
#include "ui/WinText_win.h"

namespace vxl::ui {

std::wstring DialogFilter(const std::string& filter) {
  std::wstring pairs = win::Widen(filter);
  for (wchar_t& c : pairs) {
    if (c == L'|') c = L'\0';
  }
  // Each piece ends with a NUL and the list with one more.
  pairs.push_back(L'\0');
  pairs.push_back(L'\0');
  return pairs;
}

TFileDialog::TFileDialog(const ComponentDecl& decl, TCustomForm& owner)
    : TComponent(decl, &owner), form_(owner), title_(decl.caption), filter_(decl.filter) {}

bool TFileDialog::Execute() {
  std::wstring buffer = win::Widen(fileName_);
  buffer.resize(32768, L'\0');
  const std::wstring title = win::Widen(title_);
  const std::wstring filter = DialogFilter(filter_);
  std::wstring extension = win::Widen(Decl().defaultExt);
  // "*.ikb" names the extension as a filter does; the dialog wants "ikb".
  if (const auto dot = extension.rfind(L'.'); dot != std::wstring::npos)
    extension.erase(0, dot + 1);
  const std::wstring folder = win::Widen(initialDir_);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = ::GetAncestor(form_.Window(), GA_ROOT);
  dialog.lpstrFilter = filter_.empty() ? nullptr : filter.c_str();
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  const std::uint32_t flags = Decl().flags;
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_DONTADDTORECENT;
  if (flags & kMustExist) dialog.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  if (flags & kOverwritePrompt) dialog.Flags |= OFN_OVERWRITEPROMPT;
  if (flags & kResizable) dialog.Flags |= OFN_ENABLESIZING;
  dialog.FlagsEx = OFN_EX_NOPLACESBAR;
  if (!Show(dialog)) return false;
  fileName_ = win::Narrow(buffer.c_str());
  return true;
}

std::string TFileDialog::GetTextProperty(std::string_view property) const {
  if (EqualsNoCase(property, "Title")) return title_;
  if (EqualsNoCase(property, "Filter")) return filter_;
  return TComponent::GetTextProperty(property);
}

void TFileDialog::SetTextProperty(std::string_view property, const std::string& value) {
  if (EqualsNoCase(property, "Title")) {
    title_ = value;
  } else if (EqualsNoCase(property, "Filter")) {
    filter_ = value;
  } else {
    TComponent::SetTextProperty(property, value);
  }
}

bool TOpenDialog::Show(OPENFILENAMEW& dialog) { return ::GetOpenFileNameW(&dialog) != 0; }

bool TSaveDialog::Show(OPENFILENAMEW& dialog) { return ::GetSaveFileNameW(&dialog) != 0; }

}  // namespace vxl::ui
