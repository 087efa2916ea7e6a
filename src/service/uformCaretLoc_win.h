// TVXLCaretLocWnd: the caret locator's window. Topmost, layered (colour key
// RGB(18, 52, 86) and the record's opacity), click-through, never activated.
// Every decision (where the marker stands, when it shows and fades, what the
// poll does) is the tracker's (CaretTracker); the window answers its
// questions about other windows, carries out its orders, runs its two timers
// and paints the marker.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "common/ConfigRecord.h"
#include "common/ServiceProtocol.h"
#include "service/CaretTracker.h"
#include "service/uclWinEvent_win.h"
#include "ui/BaseWindow_win.h"
#include "ui/SimpleTimer_win.h"
#include "ui/WinHandles_win.h"
#include "ui/WinPaint_win.h"

namespace vxl {

class TVXLCaretLocWnd final : public win::TBaseWindow<TVXLCaretLocWnd>, private ICaretSystem {
 public:
  static constexpr const wchar_t* kClassName = L"TVXLCaretLocWnd";

  // The record and the slot of the accessibility event hook belong to the
  // main window and outlive this window; the slot may be empty or change.
  TVXLCaretLocWnd(TConfigRecord& config, std::unique_ptr<win::TWinEventHook>& hook);
  ~TVXLCaretLocWnd() override;

  // Creates the window owned by owner, not yet visible.
  bool Create(HWND owner);

  void SetState(CaretLocatorState state) { tracker_.SetState(state); }
  void Show();
  bool Visible() const;
  void SetOpacity(std::uint8_t opacity) { tracker_.SetOpacity(opacity); }
  void NextBarType() { tracker_.NextBarType(); }
  void PreviewAt(Point at) { tracker_.PreviewAt(at); }
  // Back to the top of the topmost windows, without moving or activating.
  void RaiseTopmost() { RaiseMarker(true); }
  // Stops tracking and releases the timers; the owner destroys the object.
  void Close();

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  // ICaretSystem
  std::int32_t ScreenWidth() override;
  WindowRef ForegroundWindow() override;
  bool WindowRect(WindowRef wnd, Rect& rect) override;
  bool ClientRect(WindowRef wnd, Rect& rect) override;
  WindowRef ClippingParent(WindowRef wnd) override;
  WindowRef RootOf(WindowRef wnd) override;
  bool GuiThread(WindowRef wnd, TGuiThreadState& state) override;
  bool AccessibleCaret(WindowRef wnd, Box& caret) override;
  WindowRef FindTopLevel(const wchar_t* className) override;
  WindowRef FindChild(WindowRef parent, const wchar_t* className) override;
  TWinEventDispatcher* Hook() override;
  void StartHook() override;
  void StopHook() override;
  void ShowMarker() override { Show(); }
  void SetMarkerOpacity(std::uint8_t opacity) override;
  void InvalidateMarker() override;
  void PlaceMarker(const Box& bounds, MarkerMove how) override;
  void RaiseMarker(bool redraw) override;
  void EnableHideTimer(bool enabled) override;
  void EnablePollTimer(bool enabled) override;

  void OnPaint();
  void PaintMarker(HDC dc);

  const TConfigRecord& config_;
  std::unique_ptr<win::TWinEventHook>& hook_;
  TCaretTracker tracker_;

  std::unique_ptr<win::TSimpleTimer> hideTimer_;
  std::unique_ptr<win::TSimpleTimer> pollTimer_;

  // A pen and brush of one colour, made again only when the record's colour
  // changes: nothing is created per caret move.
  struct TShapeColour {
    TColour colour = 0;
    win::UniquePen pen;
    win::UniqueBrush brush;
    void Prepare(TColour wanted);
  };

  TShapeColour barColour_;
  TShapeColour triangleColour_;
  win::UniqueBrush keyBrush_;
  win::DoubleBuffer buffer_;
};

}  // namespace vxl
