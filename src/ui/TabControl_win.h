// TPageControl: the system tab control with one tab per TTabSheet row. A
// sheet has no window of its own: its controls are windows of the form,
// placed over the control's page area and shown only while their sheet is
// the active one.
#pragma once

#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include "ui/Control_win.h"
#include "ui/WinHandles_win.h"

namespace vxl::ui {

class TTabSheet;

class TPageControl final : public TControl {
 public:
  using TControl::TControl;
  int ActivePageIndex() const { return active_; }
  // Raises OnChange when the page differs; OnChanging is the user's only.
  void SetActivePageIndex(int index);
  int PageCount() const { return static_cast<int>(sheets_.size()); }
  TTabSheet* Page(int index) const;
  // The page area, in the form's client pixels.
  RECT PageRect() const;

  // The brush that paints the page body behind a control on a sheet, so
  // that labels and check boxes there take the themed page's look.
  HBRUSH BodyBrush(HDC dc, HWND control);

  void AddSheet(TTabSheet& sheet);
  void SetSheetCaption(const TTabSheet& sheet, const std::string& caption);
  void ApplyScale() override;
  bool OnNotify(NMHDR& header, LRESULT& result) override;

 protected:
  const wchar_t* WindowClass() const override { return WC_TABCONTROLW; }
  DWORD Style() const override { return TCS_TABS | TCS_FOCUSONBUTTONDOWN; }

 private:
  void Activate(int index);

  std::vector<TTabSheet*> sheets_;
  int active_ = 0;
  win::UniqueBrush body_;  // a picture of the control, dropped when it is resized
};

class TTabSheet final : public TControl {
 public:
  TTabSheet(const ComponentDecl& decl, TCustomForm& owner, TControl* parent);
  int PageIndex() const;
  bool Showing() const override;
  RECT PixelRect() const override;
  std::string GetTextProperty(std::string_view property) const override;
  void SetTextProperty(std::string_view property, const std::string& value) override;

 protected:
  const wchar_t* WindowClass() const override { return nullptr; }

 private:
  TPageControl& Control() const { return static_cast<TPageControl&>(*Parent()); }
  std::string caption_;
};

}  // namespace vxl::ui
