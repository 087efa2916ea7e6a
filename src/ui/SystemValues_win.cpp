// The portable code names system values without <windows.h>: every such
// copy is checked here against the system's own headers, so that a slip in
// a copied number fails the build instead of a user's click.
#include <windows.h>
#include <oleacc.h>

#include "common/ConfigRecord.h"
#include "common/ServiceProtocol.h"
#include "common/VirtualKeys.h"
#include "service/HookMouseXP.h"
#include "service/MouseShortcuts.h"
#include "service/uUtils.h"
#include "service/uclWinEvent.h"
#include "service/uformMain.h"
#include "service/uformMouseLoc.h"

namespace vxl {

// Private messages sit where the configuration program expects them.
static_assert(WM_VXL_SETMODE == WM_USER + 0x1FF && WM_VXL_FILTERS == WM_USER + 0x202);

// Mouse messages the hook component decodes.
static_assert(kWmMouseMove == WM_MOUSEMOVE && kWmLButtonDown == WM_LBUTTONDOWN &&
              kWmLButtonUp == WM_LBUTTONUP && kWmLButtonDblClk == WM_LBUTTONDBLCLK &&
              kWmRButtonDown == WM_RBUTTONDOWN && kWmRButtonUp == WM_RBUTTONUP &&
              kWmRButtonDblClk == WM_RBUTTONDBLCLK && kWmMButtonDown == WM_MBUTTONDOWN &&
              kWmMButtonUp == WM_MBUTTONUP && kWmMButtonDblClk == WM_MBUTTONDBLCLK &&
              kWmMouseWheel == WM_MOUSEWHEEL && kWmXButtonDown == WM_XBUTTONDOWN &&
              kWmXButtonUp == WM_XBUTTONUP && kWmXButtonDblClk == WM_XBUTTONDBLCLK &&
              kWmMouseHWheel == WM_MOUSEHWHEEL);
static_assert(kWmNcMouseMove == WM_NCMOUSEMOVE && kWmNcLButtonDown == WM_NCLBUTTONDOWN &&
              kWmNcLButtonUp == WM_NCLBUTTONUP && kWmNcLButtonDblClk == WM_NCLBUTTONDBLCLK &&
              kWmNcRButtonDown == WM_NCRBUTTONDOWN && kWmNcRButtonUp == WM_NCRBUTTONUP &&
              kWmNcRButtonDblClk == WM_NCRBUTTONDBLCLK && kWmNcMButtonDown == WM_NCMBUTTONDOWN &&
              kWmNcMButtonUp == WM_NCMBUTTONUP && kWmNcMButtonDblClk == WM_NCMBUTTONDBLCLK &&
              kWmNcXButtonDown == WM_NCXBUTTONDOWN && kWmNcXButtonUp == WM_NCXBUTTONUP &&
              kWmNcXButtonDblClk == WM_NCXBUTTONDBLCLK);
static_assert(kWheelDelta == WHEEL_DELTA && kHitTestSysMenu == HTSYSMENU);

// Virtual keys.
static_assert(Vk::LButton == VK_LBUTTON && Vk::RButton == VK_RBUTTON && Vk::MButton == VK_MBUTTON &&
              Vk::XButton1 == VK_XBUTTON1 && Vk::XButton2 == VK_XBUTTON2 && Vk::Shift == VK_SHIFT &&
              Vk::Control == VK_CONTROL && Vk::Menu == VK_MENU && Vk::LWin == VK_LWIN &&
              Vk::RWin == VK_RWIN && Vk::Numpad0 == VK_NUMPAD0 && Vk::Divide == VK_DIVIDE &&
              Vk::LMenu == VK_LMENU && Vk::RMenu == VK_RMENU);

// Raster operations of the background effects.
static_assert(kRopNoEffect == SRCCOPY && kRopColouring == SRCAND && kRopInversion == NOTSRCCOPY &&
              kRopColourInversion == MERGEPAINT);

// Window placement flags of the frame timer.
static_assert(kSwpNoSize == SWP_NOSIZE && kSwpNoMove == SWP_NOMOVE &&
              kSwpNoZOrder == SWP_NOZORDER && kSwpNoRedraw == SWP_NOREDRAW &&
              kSwpNoActivate == SWP_NOACTIVATE && kSwpNoCopyBits == SWP_NOCOPYBITS);

// Sessions and power.
static_assert(kExitLogOff == EWX_LOGOFF && kExitShutdown == EWX_SHUTDOWN &&
              kExitReboot == EWX_REBOOT && kPowerSuspend == PBT_APMSUSPEND);

// Accessibility events, objects and roles.
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

}  // namespace vxl
