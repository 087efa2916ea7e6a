// TForm: a top-level window built from its table. The window class is
// named after the form's class (e.g. "TVXLFiltersWnd"), a parameter of the
// form, so that other programs can find it by that name. A page's form
// class derives from TForm, gives its table and its handlers, and adds
// nothing of the window mechanics:
//
//   // uformExample.cpp, portable: the table, checked by a unit test.
//   const FormTable& ExampleTable() {
//     static const FormTable kTable{
//       {.kind = Kind::Form, .name = "frmExample", .at = {0, 0, 300, 120},
//        .caption = "Exemple", .flags = kFixedBorder | kCentreScreen},
//       {.kind = Kind::Button, .name = "btnOk", .parent = "frmExample",
//        .at = {210, 88, 80, 25}, .caption = "&OK", .flags = kDefault,
//        .events = {{Event::Click, "btnOkClick"}}},
//     };
//     return kTable;
//   }
//   // uformExample_win.cpp: the class, its handlers bound by name.
//   class TformExample final : public TForm {
//    public:
//     TformExample() : TForm(ExampleTable(), L"TformExample") {}
//     bool Create() {
//       return TForm::Create(Handlers(*this, {{"btnOkClick", &TformExample::btnOkClick}}));
//     }
//    private:
//     void btnOkClick(TEvent&) { Close(); }
//   };
#pragma once

#include <string>

#include "ui/BaseWindow_win.h"
#include "ui/CustomForm_win.h"

namespace vxl::ui {

class TForm : public TCustomForm, public win::TBaseWindow<TForm> {
 public:
  TForm(FormTable table, std::wstring className);
  ~TForm() override;

  // Creates the window (owned by owner when given), every component, and
  // raises OnCreate. The form stays hidden until Show.
  bool Create(const HandlerList& handlers, HWND owner = nullptr);
  HWND Window() const override { return Handle(); }
  // The form whose window this is, or null.
  static TForm* FromWindow(HWND wnd);
  const std::wstring& ClassName() const { return className_; }

  void Show();
  void Hide();
  // Asks the form to close, as the close box does: OnCloseQuery may refuse.
  void Close();
  bool IsShown() const;

  std::string GetTextProperty(std::string_view property) const override;
  void SetTextProperty(std::string_view property, const std::string& value) override;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  // A derived form's own messages; true when handled (result set).
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void ApplyOwnScale() override;

 private:
  DWORD WindowStyle() const;
  DWORD WindowExStyle() const;
  LRESULT OnClose();
  void OnActivate(WORD state);
  void OnDpiChanged(int dpi, const RECT& suggested);
  void RestoreFocus();

  std::wstring className_;
  HWND savedFocus_ = nullptr;  // not owned: a control of this form
  bool built_ = false;
};

// Pixels per inch of the monitor a window is on.
int WindowDpi(HWND wnd);

}  // namespace vxl::ui
