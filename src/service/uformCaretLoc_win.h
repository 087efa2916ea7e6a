// TVXLCaretLocWnd: the caret locator's window. Topmost, layered (colour key
// RGB(18, 52, 86) and the record's opacity), click-through, never activated.
// It hears caret, focus, foreground, move and scroll reports from the
// accessibility event hook, places itself so that the marker sits on the
// caret, and fades the marker out 250 ms after the caret goes. In the
// configuration program's preview it draws on a sample caret instead.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "common/ConfigRecord.h"
#include "service/uDraw_win.h"
#include "service/uclWinEvent.h"
#include "service/uclWinEvent_win.h"
#include "service/uformCaretLoc.h"
#include "ui/BaseWindow_win.h"
#include "ui/SimpleTimer_win.h"
#include "ui/WinHandles_win.h"

namespace vxl {

// The caret of the window's GUI thread, in screen pixels; window -1 (all bits
// set) stands for the foreground window. False when the thread has no caret.
bool GetCaretFromThreadInfo(HWND window, Box& caret);

class TVXLCaretLocWnd final : public win::TBaseWindow<TVXLCaretLocWnd>, private IWinEventHandlers {
 public:
  static constexpr const wchar_t* kClassName = L"TVXLCaretLocWnd";
  // The configuration program's preview window and its text box.
  static constexpr const wchar_t* kPreviewClass = L"TformCaretPrevw";
  static constexpr const wchar_t* kPreviewMemoClass = L"TMemo";

  // The record and the slot of the accessibility event hook belong to the
  // main window and outlive this window; the slot may be empty or change.
  TVXLCaretLocWnd(TConfigRecord& config, std::unique_ptr<win::TWinEventHook>& hook);
  ~TVXLCaretLocWnd() override;

  // Creates the window owned by owner, not yet visible.
  bool Create(HWND owner);

  // 1 tracks the caret through the hook; any other state stops tracking and
  // leaves the marker faded. Either way the window is made visible.
  void SetState(int state);
  void Show();
  bool Visible() const;
  void SetOpacity(std::uint8_t opacity);
  void NextBarType();
  void PreviewAt(int x, int y);
  // Back to the top of the topmost windows, without moving or activating.
  void RaiseTopmost();
  // Stops tracking and releases the timers; the owner destroys the object.
  void Close();

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  // IWinEventHandlers: the hook's six slots.
  void OnCaretHide(const Box&) override { CaretHidden(); }
  void OnCaretMove(const Box& box) override;
  void OnWindowMove(WindowRef wnd, WindowRef caretWnd) override;
  void OnFocus(WindowRef wnd, std::string_view className, const Box& box) override;
  void OnForeground(WindowRef wnd, std::string_view className, const Box& box) override;
  void OnScroll(WindowRef, bool) override { Scrolled(); }

  void LayoutBars();
  // A caret found in a window (null: not known): marked when in view.
  void CaretReported(const Box& caret, HWND owner);
  void CaretMoved(const Box& caret);
  void CaretHidden();
  void HideNow();
  void HideTimerFired();
  void ForegroundChanged(HWND wnd, const Box& box);
  void UpdateActiveFromChild(HWND wnd);
  void FocusChanged(HWND wnd, const Box& box);
  void WindowMoved(HWND wnd, HWND caretWnd);
  void Scrolled();
  void ReadForeground();
  void CaretPollFired();
  void FollowForeground(const CaretPollStep& step, const TWndInfo& foreground,
                        const GUITHREADINFO& thread);

  void ApplyBounds(HWND insertAfter, UINT flags);
  void Invalidate();
  void OnPaint();

  TConfigRecord& config_;
  std::unique_ptr<win::TWinEventHook>& hook_;

  TWndInfo ActiveInfo;
  TWndInfo EditInfo;
  Box caret_;  // CaretLeft, CaretTop, CaretWidth, CaretHeight
  CaretPlacement placement_;
  std::uint8_t opacity_ = 0;
  bool tracking_ = false;
  // False while the last caret reported stands outside its window's visible
  // client area: the marker stays hidden until a caret in view comes.
  bool caretInView_ = true;

  std::unique_ptr<win::TSimpleTimer> HideTimer;
  // Some systems (Wine) and applications report no caret moves, window
  // moves or foreground changes to out-of-context hooks; while tracking, the
  // foreground window and its thread's GUI caret are polled as well.
  std::unique_ptr<win::TSimpleTimer> caretPollTimer_;
  TCaretPoll caretPoll_;

  // A pen and brush of one colour, made again only when the record's colour
  // changes: nothing is created per caret move.
  struct TShapeColour {
    TColour colour = 0;
    win::UniquePen pen;
    win::UniqueBrush brush;
    void Select(HDC dc, TColour wanted);
  };

  TShapeColour barColour_;
  TShapeColour triangleColour_;
  TPaintBuffer buffer_;
  win::UniqueBrush keyBrush_;
};

}  // namespace vxl
