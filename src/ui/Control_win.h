// TControl: a component with a window. Every control is a standard Win32
// control (or a superclass of one) created as a child of its form's or
// frame's window; group boxes, panels and tab sheets are containers only in
// the table: their children are windows of the same form, placed over them,
// so that notifications reach the form and the standard dialog layout and
// accessibility apply. The form reflects each notification back to the
// control it came from; the control subclasses its own window for mouse and
// key events.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/Component_win.h"

namespace vxl::ui {

class TFrame;

class TControl : public TComponent {
 public:
  TControl(const ComponentDecl& decl, TCustomForm& owner, TControl* parent);
  ~TControl() override;

  // The control whose window this is, or whose window contains it.
  static TControl* FromHandle(HWND wnd);
  static TControl* FromChildHandle(HWND wnd);

  HWND Handle() const { return handle_; }
  TControl* Parent() const { return parent_; }
  TCustomForm& Form() const { return form_; }
  const std::vector<TControl*>& Children() const { return children_; }

  // Creates the window in the form's window; the builder calls it once.
  bool CreateHandle(HWND container, int id);
  // Places the window and sets its font for the form's current scale.
  virtual void ApplyScale();
  // Where the control stands, in pixels of the form's client area.
  virtual RECT PixelRect() const;
  const Bounds& DesignBounds() const { return design_; }
  void SetDesignBounds(const Bounds& bounds);
  // Moves the control to pixels of the form's client area at the current
  // scale; the design rectangle follows, for a later rescaling.
  void SetBoundsPx(const RECT& rect);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Visible itself and inside containers that are all shown.
  virtual bool Showing() const;
  bool EffectivelyEnabled() const;
  void SetFocus();
  bool Focused() const;
  // Shows or hides the window (and the logical children) for Showing().
  virtual void UpdateShowing();
  // Enables or disables the window (and the logical children) for
  // EffectivelyEnabled().
  void UpdateEnabled();
  // Whether the Tab key stops here now.
  virtual bool IsTabStop() const;
  void Invalidate();

  // A frame shown inside this control (a panel hosting a page).
  TFrame* HostedFrame() const { return hosted_; }
  void SetHostedFrame(TFrame* frame) { hosted_ = frame; }

  std::string GetTextProperty(std::string_view property) const override;
  void SetTextProperty(std::string_view property, const std::string& value) override;
  void SetHint(const std::string& hint) override;
  // Text shown by the hint window for the pointer at a client point.
  virtual std::string HintAt(POINT clientPoint) const;

  // Reflected by the form; true when handled.
  virtual bool OnCommand(WORD code);
  virtual bool OnNotify(NMHDR& header, LRESULT& result);
  virtual bool OnScroll(WORD code);
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& item);
  virtual bool OnMeasureItem(MEASUREITEMSTRUCT& item);
  virtual HBRUSH OnCtlColor(HDC dc);

  // Called by the keyboard handling of the form when the accelerator of
  // this control's caption is typed.
  virtual void OnAccelerator();

 protected:
  // The standard class of the window, or null for a control without one.
  virtual const wchar_t* WindowClass() const = 0;
  // Style beyond WS_CHILD, WS_CLIPSIBLINGS, WS_VISIBLE, WS_DISABLED and
  // WS_TABSTOP, which the base sets from the table.
  virtual DWORD Style() const { return 0; }
  virtual DWORD ExStyle() const { return 0; }
  // Initial state from the table, once the window exists.
  virtual void AfterCreate() {}
  // The control's own messages; the base raises MouseMove, KeyDown and
  // KeyUp and passes everything on.
  virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

  std::string WindowText() const;
  void SetWindowText(const std::string& text);
  HFONT Font() const;
  static ShiftState CurrentShift();

 private:
  static LRESULT CALLBACK SubclassProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR refData) noexcept;
  LRESULT OnKey(Event event, UINT message, WPARAM wParam, LPARAM lParam);
  // Places what the table puts inside this control, after it moved.
  void ApplyScaleInside();

  TCustomForm& form_;
  TControl* parent_;
  std::vector<TControl*> children_;
  TFrame* hosted_ = nullptr;
  HWND handle_ = nullptr;  // owned: destroyed with the control or its form
  Bounds design_;
  bool enabled_;
  bool visible_;
};

}  // namespace vxl::ui
