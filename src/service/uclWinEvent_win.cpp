#include "service/uclWinEvent_win.h"

namespace vxl::win {

static_assert(kEventSystemForeground == EVENT_SYSTEM_FOREGROUND &&
              kEventSystemMoveSizeEnd == EVENT_SYSTEM_MOVESIZEEND &&
              kEventSystemDialogStart == EVENT_SYSTEM_DIALOGSTART &&
              kEventSystemScrollingEnd == EVENT_SYSTEM_SCROLLINGEND &&
              kEventObjectCreate == EVENT_OBJECT_CREATE &&
              kEventObjectDestroy == EVENT_OBJECT_DESTROY &&
              kEventObjectShow == EVENT_OBJECT_SHOW && kEventObjectHide == EVENT_OBJECT_HIDE &&
              kEventObjectFocus == EVENT_OBJECT_FOCUS &&
              kEventObjectLocationChange == EVENT_OBJECT_LOCATIONCHANGE &&
              kEventObjectValueChange == EVENT_OBJECT_VALUECHANGE &&
              kEventObjectTextSelectionChanged == EVENT_OBJECT_TEXTSELECTIONCHANGED &&
              kEventObjectContentScrolled == EVENT_OBJECT_CONTENTSCROLLED &&
              kEventMax == EVENT_MAX);
static_assert(kObjIdWindow == OBJID_WINDOW && kObjIdClient == OBJID_CLIENT &&
              kObjIdVScroll == OBJID_VSCROLL && kObjIdHScroll == OBJID_HSCROLL &&
              kObjIdCaret == OBJID_CARET && kObjIdCursor == OBJID_CURSOR &&
              kChildIdSelf == CHILDID_SELF);
static_assert(kRoleSystemScrollBar == ROLE_SYSTEM_SCROLLBAR &&
              kRoleSystemDocument == ROLE_SYSTEM_DOCUMENT && kRoleSystemText == ROLE_SYSTEM_TEXT);

TWinEventHook* TWinEventHook::instance_ = nullptr;

TWinEventHook::TWinEventHook() { instance_ = this; }

TWinEventHook::~TWinEventHook() {
  Stop();
  if (instance_ == this) instance_ = nullptr;
}

bool TWinEventHook::Start() {
  if (hook_) return true;
  hook_ = ::SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_MAX, ::GetModuleHandleW(nullptr),
                            &TWinEventHook::Callback, 0, 0,
                            WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
  return hook_ != nullptr;
}

void TWinEventHook::Stop() {
  if (hook_) ::UnhookWinEvent(std::exchange(hook_, nullptr));
}

void CALLBACK TWinEventHook::Callback(HWINEVENTHOOK, DWORD event, HWND wnd, LONG object, LONG child,
                                      DWORD, DWORD) {
  // An event already queued when the hook was removed still arrives once.
  TWinEventHook* self = instance_;
  if (self == nullptr || self->hook_ == nullptr) return;
  self->dispatcher_.HandleEvent(event, reinterpret_cast<WindowRef>(wnd), object, child);
}

}  // namespace vxl::win
