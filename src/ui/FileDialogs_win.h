// TOpenDialog and TSaveDialog: the system's file dialogs with the table's
// title, filter ("Description|*.ext|..."), default extension and options;
// never on the recent documents, no places bar.
#pragma once

#include <windows.h>
// After windows.h, whose types it uses.
#include <commdlg.h>

#include "ui/Component_win.h"

namespace vxl::ui {

class TFileDialog : public TComponent {
 public:
  TFileDialog(const ComponentDecl& decl, TCustomForm& owner);
  // Shows the dialog owned by the form's window; true when the user chose
  // a file, whose path FileName() then holds.
  bool Execute();
  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string name) { fileName_ = std::move(name); }
  void SetInitialDir(std::string folder) { initialDir_ = std::move(folder); }

  std::string GetTextProperty(std::string_view property) const override;
  void SetTextProperty(std::string_view property, const std::string& value) override;

 protected:
  virtual bool Show(OPENFILENAMEW& dialog) = 0;

 private:
  TCustomForm& form_;
  std::string title_;
  std::string filter_;
  std::string fileName_;
  std::string initialDir_;
};

class TOpenDialog final : public TFileDialog {
 public:
  using TFileDialog::TFileDialog;

 protected:
  bool Show(OPENFILENAMEW& dialog) override;
};

class TSaveDialog final : public TFileDialog {
 public:
  using TFileDialog::TFileDialog;

 protected:
  bool Show(OPENFILENAMEW& dialog) override;
};

// "Text|*.txt|All|*.*" as the dialog takes it: pairs ended by NULs.
std::wstring DialogFilter(const std::string& filter);

}  // namespace vxl::ui
