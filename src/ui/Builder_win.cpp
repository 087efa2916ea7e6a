// The one place that knows which class each kind of row builds.
#include "ui/Buttons_win.h"
#include "ui/ColorPickCombo_win.h"
#include "ui/CustomForm_win.h"
#include "ui/Edits_win.h"
#include "ui/FileDialogs_win.h"
#include "ui/HotKey_win.h"
#include "ui/ListView_win.h"
#include "ui/Lists_win.h"
#include "ui/Menus_win.h"
#include "ui/Ranges_win.h"
#include "ui/Statics_win.h"
#include "ui/TabControl_win.h"
#include "ui/TextGrid_win.h"
#include "ui/Timer_win.h"
#include "ui/TreeView_win.h"

namespace vxl::ui {
namespace {

template <class T>
std::unique_ptr<TComponent> Make(const ComponentDecl& decl, TCustomForm& form, TControl* parent) {
  return std::make_unique<T>(decl, form, parent);
}

}  // namespace

std::unique_ptr<TComponent> TCustomForm::CreateComponent(const ComponentDecl& decl,
                                                         TComponent* parentComponent) {
  auto* parent = dynamic_cast<TControl*>(parentComponent);
  switch (decl.kind) {
    case Kind::Label: return Make<TLabel>(decl, *this, parent);
    case Kind::Button: return Make<TButton>(decl, *this, parent);
    case Kind::CheckBox: return Make<TCheckBox>(decl, *this, parent);
    case Kind::RadioButton: return Make<TRadioButton>(decl, *this, parent);
    case Kind::GroupBox: return Make<TGroupBox>(decl, *this, parent);
    case Kind::Panel: return Make<TPanel>(decl, *this, parent);
    case Kind::TabControl: return Make<TPageControl>(decl, *this, parent);
    case Kind::TabSheet:
      // A sheet belongs to a page control; the table check says so when not.
      if (dynamic_cast<TPageControl*>(parent)) return Make<TTabSheet>(decl, *this, parent);
      break;
    case Kind::Edit: return Make<TEdit>(decl, *this, parent);
    case Kind::Memo: return Make<TMemo>(decl, *this, parent);
    case Kind::UpDown: return Make<TUpDown>(decl, *this, parent);
    case Kind::TrackBar: return Make<TTrackBar>(decl, *this, parent);
    case Kind::ComboBox: return Make<TComboBox>(decl, *this, parent);
    case Kind::ListBox: return Make<TListBox>(decl, *this, parent);
    case Kind::TreeView: return Make<TTreeView>(decl, *this, parent);
    case Kind::HotKey: return Make<THotKey>(decl, *this, parent);
    case Kind::ListView: return Make<TListView>(decl, *this, parent);
    case Kind::PaintBox: return Make<TPaintBox>(decl, *this, parent);
    case Kind::TextGrid: return Make<TTextGrid>(decl, *this, parent);
    case Kind::ColorPicker: return Make<TColorPickCombo>(decl, *this, parent);
    case Kind::Timer: return std::make_unique<TTimer>(decl, *this);
    case Kind::PopupMenu: return std::make_unique<TPopupMenu>(decl, *this);
    case Kind::MenuItem: return std::make_unique<TMenuItem>(decl, *this, parentComponent);
    case Kind::OpenDialog: return std::make_unique<TOpenDialog>(decl, *this);
    case Kind::SaveDialog: return std::make_unique<TSaveDialog>(decl, *this);
    default: break;
  }
  return std::make_unique<TComponent>(decl, this);
}

}  // namespace vxl::ui
