// The caret locator's state machine: which active window and edit zone the
// marker is laid out over, where it stands, when it shows and fades, what the
// 100 ms poll does with what it sees, and the configuration program's
// preview. It hears the accessibility event hook, the timers and the main
// window, and reaches everything else through ICaretSystem, which the caret
// locator window (uformCaretLoc_win) implements over Win32.
#pragma once

#include <cstdint>

#include "common/ConfigRecord.h"
#include "common/Geometry.h"
#include "common/ServiceProtocol.h"
#include "service/uclWinEvent.h"
#include "service/uformCaretLoc.h"

namespace vxl {

// Some systems (Wine) and applications raise no caret, move or foreground
// events: while tracking, the foreground window and its caret are polled.
constexpr std::uint32_t kCaretPollMs = 100;

// Whatever a hand-made record asks for, the window stays a size GDI can
// buffer.
constexpr std::int32_t kMaxMarkerExtent = 32767;

// The sample caret the preview marks, as the configuration program draws it.
constexpr Size kPreviewCaretSize{2, 16};

// What a window's GUI thread says of its windows and caret.
struct TGuiThreadState {
  WindowRef active = 0;
  WindowRef focus = 0;
  WindowRef caretWindow = 0;  // 0: the thread has no caret
  Box caret;                  // screen pixels, with caretWindow
  bool caretShown = false;    // a hidden caret is no caret to mark
};

// How the marker window goes to its new bounds.
enum class MarkerMove {
  Repaint,     // the marker is painted anew there: no old bits are copied
  Carry,       // the old drawing moves with it until the next caret report
  CarryOnTop,  // the same, and back on top of the topmost windows
};

// The system as the tracker sees it: questions about other windows, and the
// marker window, the event hook and the two timers it drives. Called on the
// user-interface thread only; nothing here may allocate per call.
class ICaretSystem {
 public:
  virtual ~ICaretSystem() = default;

  virtual std::int32_t ScreenWidth() = 0;
  // 0 between two activations.
  virtual WindowRef ForegroundWindow() = 0;
  // Screen pixels; false (rect untouched) when the window is gone.
  virtual bool WindowRect(WindowRef wnd, Rect& rect) = 0;
  virtual bool ClientRect(WindowRef wnd, Rect& rect) = 0;
  // The parent a child window is clipped by; 0 for a top-level window.
  virtual WindowRef ClippingParent(WindowRef wnd) = 0;
  // The top-level window that holds wnd.
  virtual WindowRef RootOf(WindowRef wnd) = 0;
  // The GUI thread of wnd (of the foreground thread for 0); false (state
  // untouched) when it cannot be read.
  virtual bool GuiThread(WindowRef wnd, TGuiThreadState& state) = 0;
  // The window's accessible caret; false when it has none.
  virtual bool AccessibleCaret(WindowRef wnd, Box& caret) = 0;
  virtual WindowRef FindTopLevel(const wchar_t* className) = 0;
  virtual WindowRef FindChild(WindowRef parent, const wchar_t* className) = 0;

  // The accessibility event hook; null while the service has none.
  virtual TWinEventDispatcher* Hook() = 0;
  virtual void StartHook() = 0;
  virtual void StopHook() = 0;

  virtual void ShowMarker() = 0;
  virtual void SetMarkerOpacity(std::uint8_t opacity) = 0;
  virtual void InvalidateMarker() = 0;
  virtual void PlaceMarker(const Box& bounds, MarkerMove how) = 0;
  // Back on top of the topmost windows without moving. Without redraw
  // nothing is painted now: a paint is already asked for.
  virtual void RaiseMarker(bool redraw) = 0;

  // Every enabling starts a fresh interval; the tracker hears them through
  // HideTimerFired (kCaretHideDelayMs) and PollTick (kCaretPollMs).
  virtual void EnableHideTimer(bool enabled) = 0;
  virtual void EnablePollTimer(bool enabled) = 0;
};

// The handlers the hook reports to while the locator tracks. Nothing is
// allocated: the events of every application and the poll pass here.
class TCaretTracker final : public IWinEventHandlers {
 public:
  // The record belongs to the service and outlives the tracker; the bar
  // type step writes it.
  TCaretTracker(TConfigRecord& config, ICaretSystem& system) : config_(config), system_(system) {}
  TCaretTracker(const TCaretTracker&) = delete;
  TCaretTracker& operator=(const TCaretTracker&) = delete;

  // Tracking follows the caret through the hook and the poll; the preview
  // state stops both. Either way the marker starts faded and its window is
  // shown.
  void SetState(CaretLocatorState state);
  // Tracking ends for good: the hook keeps no handlers of ours.
  void Detach();
  void SetOpacity(std::uint8_t opacity);
  void NextBarType();
  // The configuration program's sample caret at this screen point.
  void PreviewAt(Point at);
  void HideTimerFired();
  void PollTick();

  const CaretPlacement& Placement() const { return placement_; }
  std::uint8_t Opacity() const { return opacity_; }
  bool Tracking() const { return tracking_; }

  // IWinEventHandlers. The class names are not needed.
  void OnCaretHide(const Box&) override { CaretHidden(); }
  void OnCaretMove(const Box& box) override;
  void OnWindowMove(WindowRef wnd, WindowRef caretWnd) override;
  void OnFocus(WindowRef wnd, std::string_view, const Box& box) override;
  void OnForeground(WindowRef wnd, std::string_view, const Box& box) override;
  void OnScroll(WindowRef, bool) override { Scrolled(); }

 private:
  TWndInfo InfoOf(WindowRef wnd);
  Rect VisibleClientArea(WindowRef wnd);
  bool GuiCaret(WindowRef wnd, Box& caret, WindowRef& caretWindow);
  void ReadForeground();

  void LayoutBars();
  void PlaceMarker(MarkerMove how);
  // A caret found in a window (0: not known): marked when in view.
  void CaretReported(const Box& caret, WindowRef owner);
  void CaretMoved(const Box& caret);
  void CaretHidden();
  void HideNow();
  void StopHideTimer();
  void FocusChanged(WindowRef wnd, const Box& box);
  void Scrolled();
  void FollowForeground(const CaretPollStep& step, const TWndInfo& foreground,
                        const TGuiThreadState& thread);

  TConfigRecord& config_;
  ICaretSystem& system_;

  TWndInfo ActiveInfo;
  TWndInfo EditInfo;
  Box caret_;  // CaretLeft, CaretTop, CaretWidth, CaretHeight
  CaretPlacement placement_;
  std::uint8_t opacity_ = 0;
  bool tracking_ = false;
  // False while the last caret reported stands outside its window's visible
  // client area: the marker stays hidden until a caret in view comes.
  bool caretInView_ = true;
  bool hideTimerRunning_ = false;
  TCaretPoll poll_;
};

}  // namespace vxl
