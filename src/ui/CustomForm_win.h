// TCustomForm: what forms and frames share. It keeps its own copy of its
// table, builds one component per row, owns them, finds them by name,
// scales them, reflects their notifications and runs the keyboard
// navigation of a dialog (Tab in declaration order, accelerators, Enter and
// Escape). TForm (a top-level window) and TFrame (a page inside a form) add
// the window itself.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/Component_win.h"
#include "ui/FormScale.h"
#include "ui/Hints_win.h"
#include "ui/WinHandles_win.h"

namespace vxl::ui {

class TControl;
class TButton;

// The control identifier of the window built for table row r is
// kFirstControlId + r: unique within a form or frame, and known to tests.
inline constexpr int kFirstControlId = 1000;

// Handlers of a form's class by the names its table binds.
using HandlerList = std::vector<std::pair<std::string, EventHandler>>;

template <class Page>
HandlerList Handlers(
    Page& page, std::initializer_list<std::pair<const char*, void (Page::*)(TEvent&)>> methods) {
  HandlerList list;
  for (const auto& [name, method] : methods) {
    list.emplace_back(name, [&page, method](TEvent& event) { (page.*method)(event); });
  }
  return list;
}

// Holds the table so that it exists before the root component refers to
// its first row.
struct TableHolder {
  FormTable table_;
};

class TCustomForm : private TableHolder, public TComponent {
 public:
  explicit TCustomForm(FormTable table);
  ~TCustomForm() override;

  // The form's or frame's own window.
  virtual HWND Window() const = 0;
  const FormTable& Table() const { return table_; }

  // What went wrong while building: the table's own problems, handlers
  // named by the table but not given, handlers given but bound to nothing.
  // A form whose list is not empty has a bug.
  const std::vector<std::string>& BuildProblems() const { return problems_; }

  ILocalizableComponent* FindComponent(std::string_view name) override;
  TComponent* Component(std::string_view name) const;
  // The component of that name as its class; null when absent or of
  // another class.
  template <class T>
  T* Find(std::string_view name) const {
    return dynamic_cast<T*>(Component(name));
  }
  const std::vector<std::unique_ptr<TComponent>>& Components() const { return components_; }
  // The controls whose parent is the form or frame itself.
  const std::vector<TControl*>& TopControls() const { return topControls_; }
  TControl* ControlById(int id) const;

  ScaleFactor Scale() const { return scale_; }
  // Zoom in thousandths (1000 = 100 %), on top of the monitor's scaling.
  void ScaleBy(int zoom);
  void SetDpi(int dpi);
  // The font of a row at the current scale: Arial, the form's height unless
  // the row has its own, bold when asked.
  HFONT FontFor(const ComponentDecl& decl);

  THintWindow* Hints() const { return hints_.get(); }

  // Keyboard navigation for a message about to be dispatched to one of the
  // form's windows; true when it was used up.
  bool PreTranslateMessage(MSG& msg);
  // The controls Tab visits now, in order, frames hosted in panels included.
  std::vector<TControl*> TabStops() const;
  // The control with the keyboard focus, in this form or a hosted frame.
  TControl* FocusedControl() const;
  void SelectNext(bool forward);
  bool HandleAccelerator(char32_t character);
  TButton* DefaultButton() const;
  TButton* CancelButton() const;

 protected:
  // Creates every component after the first row and binds the handlers;
  // the window must exist.
  void BuildComponents(const HandlerList& handlers);
  // Notifications from the form's own child windows; true when handled.
  bool ReflectMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Sizes the form's or frame's own window for the current scale.
  virtual void ApplyOwnScale() = 0;
  void ApplyScale();
  // The top-level window that owns the hint window.
  virtual HWND TopWindow() const { return Window(); }

 private:
  std::unique_ptr<TComponent> CreateComponent(const ComponentDecl& decl, TComponent* parent);
  void BindHandlers(const HandlerList& handlers);
  // Group boxes, panels and tab controls go under the controls placed over
  // them, which they would otherwise paint over.
  void PutContainersUnderneath();
  bool AnswerHint(NMHDR& header);
  // Depth first, frames hosted in panels included; tabStopsOnly keeps the
  // controls Tab stops at now.
  void AppendControls(const std::vector<TControl*>& controls, bool tabStopsOnly,
                      std::vector<TControl*>& out) const;
  bool HandleKeyDown(MSG& msg, TControl* focused);
  bool MoveInRadioGroup(TControl* focused, bool forward);
  bool WantsKey(TControl* focused, MSG& msg, UINT codes) const;

  std::vector<std::unique_ptr<TComponent>> components_;
  std::vector<TControl*> topControls_;
  std::vector<std::string> problems_;
  ScaleFactor scale_;
  struct FontEntry {
    int height;
    bool bold;
    win::UniqueFont font;
  };
  std::vector<FontEntry> fonts_;
  std::unique_ptr<THintWindow> hints_;
  std::wstring hintText_;
};

}  // namespace vxl::ui
