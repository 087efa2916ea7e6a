// The decisions of the accessibility event hook: which WinEvents count, what
// each one means for the caret locator and the tooltip rule, and which
// handler hears of it. The system's side (the hook itself, OLEACC, window
// queries) is reached through IAccessibilitySource, so that the decisions
// run the same against a fake in the unit tests.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/Geometry.h"

namespace vxl {

// The system's event, object and role numbers used here (winuser.h, oleacc.h).
constexpr std::uint32_t kEventSystemForeground = 0x0003;
constexpr std::uint32_t kEventSystemMoveSizeEnd = 0x000B;
constexpr std::uint32_t kEventSystemDialogStart = 0x0010;
constexpr std::uint32_t kEventSystemScrollingEnd = 0x0013;
constexpr std::uint32_t kEventIa2TextCaretMoved = 0x011B;
constexpr std::uint32_t kEventObjectCreate = 0x8000;
constexpr std::uint32_t kEventObjectDestroy = 0x8001;
constexpr std::uint32_t kEventObjectShow = 0x8002;
constexpr std::uint32_t kEventObjectHide = 0x8003;
constexpr std::uint32_t kEventObjectFocus = 0x8005;
constexpr std::uint32_t kEventObjectLocationChange = 0x800B;
constexpr std::uint32_t kEventObjectValueChange = 0x800E;
constexpr std::uint32_t kEventObjectTextSelectionChanged = 0x8014;
constexpr std::uint32_t kEventObjectContentScrolled = 0x8015;
constexpr std::uint32_t kEventMax = 0x7FFFFFFF;

// The two internal classes that moves and caret reports are sorted into;
// outside the range of the events handled.
constexpr std::uint32_t kEventWindowMoved = 0xE101;
constexpr std::uint32_t kEventCaretMoved = 0xE102;

constexpr std::int32_t kObjIdWindow = 0;
constexpr std::int32_t kObjIdClient = -4;
constexpr std::int32_t kObjIdVScroll = -5;
constexpr std::int32_t kObjIdHScroll = -6;
constexpr std::int32_t kObjIdCaret = -8;
constexpr std::int32_t kObjIdCursor = -9;
constexpr std::int32_t kChildIdSelf = 0;

constexpr std::int32_t kRoleSystemScrollBar = 3;
constexpr std::int32_t kRoleSystemDocument = 15;
constexpr std::int32_t kRoleSystemText = 42;

// Tooltips above this row are pushed down to it.
constexpr std::int32_t kToolTipMinTop = 47;

// A window class name as GetClassName gives it with a 63-character buffer
// (so at most 62 characters), held in UTF-8 without allocating: it is read
// for every focus and foreground event.
class TClassName {
 public:
  static constexpr std::size_t kMaxChars = 62;
  // Every UTF-16 unit takes at most 3 UTF-8 bytes.
  static constexpr std::size_t kCapacity = kMaxChars * 3;

  std::string_view View() const { return {text_.data(), length_}; }
  // Cut to the capacity; the Win32 side writes its conversion straight in.
  void Assign(std::string_view text);
  char* Buffer() { return text_.data(); }
  void SetLength(std::size_t length) { length_ = length < kCapacity ? length : kCapacity; }
  void Clear() { length_ = 0; }

 private:
  std::array<char, kCapacity> text_{};
  std::size_t length_ = 0;
};

// What the hook reports to (the caret locator while it tracks). An empty
// slot is a null pointer: the locator fills all six at once.
class IWinEventHandlers {
 public:
  virtual ~IWinEventHandlers() = default;
  virtual void OnCaretHide(const Box& box) = 0;
  virtual void OnCaretMove(const Box& box) = 0;
  virtual void OnWindowMove(WindowRef wnd, WindowRef caretWnd) = 0;
  virtual void OnFocus(WindowRef wnd, std::string_view className, const Box& box) = 0;
  virtual void OnForeground(WindowRef wnd, std::string_view className, const Box& box) = 0;
  virtual void OnScroll(WindowRef wnd, bool ended) = 0;
};

// The system as the event decisions see it.
class IAccessibilitySource {
 public:
  virtual ~IAccessibilitySource() = default;
  // AccessibleObjectFromEvent; the object and child are held until the next
  // call replaces them.
  virtual bool ObjectFromEvent(WindowRef wnd, std::int32_t object, std::int32_t child) = 0;
  // accLocation of the held child into box; box is left as it was when the
  // call writes nothing.
  virtual void Location(Box& box) = 0;
  // get_accRole of the held child; false when the role is not an integer.
  virtual bool Role(std::int32_t& role) = 0;
  // Empty for an invalid window.
  virtual void WindowClass(WindowRef wnd, TClassName& name) = 0;
  virtual bool WindowRect(WindowRef wnd, Rect& rect) = 0;
  // Topmost, at (x, y), size kept, not activated.
  virtual void MoveTopmost(WindowRef wnd, Point at) = 0;
};

// Sorts move-size-end, location-change and show events of the window and
// caret objects into the two internal classes; everything else keeps its
// own code.
std::uint32_t ClassifyEvent(std::uint32_t event, std::int32_t object);

// True for a text or document object, and for any object of the document
// window "_WwG" of a word processor that reports no text role.
bool IsTextObject(IAccessibilitySource& source, std::string_view className);

// Moves a tooltip that stands above the top strip's edge down to it.
void PushToolTipDown(IAccessibilitySource& source, WindowRef wnd);

// The state and the event handling of the accessibility event hook; the
// Win32 hook (uclWinEvent_win) feeds it every event on the UI thread.
class TWinEventDispatcher {
 public:
  explicit TWinEventDispatcher(IAccessibilitySource& source) : source_(source) {}

  WindowRef ForegroundWnd = 0;
  WindowRef CaretWnd = 0;
  TClassName ForegroundClass;
  bool ToolTipsMinTop = false;

  // Null empties every slot.
  void SetHandlers(IWinEventHandlers* handlers) { handlers_ = handlers; }
  IWinEventHandlers* Handlers() const { return handlers_; }

  // One event as the system delivers it. Events that arrive while another
  // is being handled (accessibility calls dispatch sent messages) are lost.
  void HandleEvent(std::uint32_t event, WindowRef wnd, std::int32_t object, std::int32_t child);

 private:
  struct Event {
    std::uint32_t code;  // after classification
    WindowRef wnd;
    std::int32_t object;
    std::int32_t child;
  };
  using Handler = void (TWinEventDispatcher::*)(const Event&);
  struct Route {
    std::uint32_t code;
    Handler handle;
  };
  static const std::array<Route, 11> kRoutes;

  void Dispatch(const Event& event);
  void Foreground(const Event& event);
  void WindowMoved(const Event& event);
  void ScrollEnded(const Event& event);
  void CaretMoved(const Event& event);
  void Hidden(const Event& event);
  void Focus(const Event& event);
  void ValueChanged(const Event& event);
  void CaretHide();

  IAccessibilitySource& source_;
  IWinEventHandlers* handlers_ = nullptr;
  bool busy_ = false;
  // Filled at every event that passes the entry filter; -1 until a location
  // call writes them.
  Box location_;
  TClassName focusClass_;
};

}  // namespace vxl
