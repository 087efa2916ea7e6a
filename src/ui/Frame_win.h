// TFrame: a page built from its table inside a form, in a child window of
// its own class (named after the frame's class, e.g. "TframeGeneral"). It
// is shown over a host control of the form (a panel), joins the form's Tab
// walk there, and keeps its own scale, localizer section and components.
#pragma once

#include <string>

#include "ui/BaseWindow_win.h"
#include "ui/CustomForm_win.h"

namespace vxl::ui {

class TFrame : public TCustomForm, public win::TBaseWindow<TFrame> {
 public:
  TFrame(FormTable table, std::wstring className);
  ~TFrame() override;

  // Creates the frame over host (a control of a form), builds every
  // component and raises OnCreate.
  bool Create(const HandlerList& handlers, TControl& host);
  HWND Window() const override { return Handle(); }
  TControl* Host() const { return host_; }
  // Stands where its host stands now, shown and enabled as it is.
  void FollowHost();

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void ApplyOwnScale() override;
  HWND TopWindow() const override;

 private:
  std::wstring className_;
  TControl* host_ = nullptr;  // not owned
  bool built_ = false;
};

}  // namespace vxl::ui
