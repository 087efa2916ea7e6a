// The STATIC family: label, panel and paint box. Labels name the control
// after them for screen readers and carry accelerators; panels are plain
// containers with an optional text; paint boxes are drawn by their Paint
// handler.
#pragma once

#include <cstdint>

#include "ui/Control_win.h"
#include "ui/WinHandles_win.h"

namespace vxl::ui {

// A table colour (0x00BBGGRR or a system colour) as the system's value.
COLORREF ToColorRef(std::uint32_t colour);

// Background and text colours a static control asks its form for.
class TStaticColours {
 public:
  // Null when the row sets no colour: the system's own then.
  HBRUSH Apply(HDC dc, const ComponentDecl& decl);

 private:
  win::UniqueBrush brush_;
};

class TLabel final : public TControl {
 public:
  using TControl::TControl;
  // The control its accelerator focuses: the table's link, else the next
  // control in the Tab walk.
  TControl* FocusControl() const;
  void OnAccelerator() override;
  RECT PixelRect() const override;
  void SetTextProperty(std::string_view property, const std::string& value) override;
  bool OnCommand(WORD code) override;
  HBRUSH OnCtlColor(HDC dc) override;

 protected:
  const wchar_t* WindowClass() const override { return L"STATIC"; }
  DWORD Style() const override;

 private:
  TStaticColours colours_;
};

class TPanel final : public TControl {
 public:
  using TControl::TControl;
  bool OnCommand(WORD code) override;
  HBRUSH OnCtlColor(HDC dc) override { return colours_.Apply(dc, Decl()); }
  void OnAccelerator() override {}

 protected:
  const wchar_t* WindowClass() const override { return L"STATIC"; }
  DWORD Style() const override;

 private:
  TStaticColours colours_;
};

class TPaintBox final : public TControl {
 public:
  using TControl::TControl;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  bool OnCommand(WORD code) override;

 protected:
  const wchar_t* WindowClass() const override { return L"STATIC"; }
  DWORD Style() const override { return SS_OWNERDRAW | SS_NOTIFY; }
};

}  // namespace vxl::ui
