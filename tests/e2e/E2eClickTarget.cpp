#include "E2eClickTarget.h"

#include <commctrl.h>

#include <cwchar>
#include <iterator>

namespace e2e {
namespace {

constexpr const wchar_t* kTargetClass = L"VxlE2eClickTarget";
// Questions the test program sends to the helper's window.
constexpr UINT kAskLeftPresses = WM_APP + 1;
constexpr UINT kAskLastLeftPressTicks = WM_APP + 2;
constexpr UINT kAskHookLibraryLoaded = WM_APP + 3;
constexpr UINT kAskLeftReleases = WM_APP + 4;
constexpr UINT kAskCount = WM_APP + 5;
constexpr UINT kAskActivate = WM_APP + 6;
constexpr UINT kAskSelectedItem = WM_APP + 7;
constexpr UINT kAskListRightClicks = WM_APP + 8;
constexpr UINT kAskListRightDoubleClicks = WM_APP + 9;
constexpr UINT kAskListItemCentre = WM_APP + 10;
constexpr int kEditId = 100;
constexpr int kListId = 101;

// Mouse messages counted for Count(); others answer 0.
constexpr UINT kCountedMessages[] = {
    WM_LBUTTONDOWN,   WM_LBUTTONUP,   WM_LBUTTONDBLCLK, WM_MBUTTONDOWN,   WM_MBUTTONUP,
    WM_MBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP,     WM_RBUTTONDBLCLK, WM_CONTEXTMENU,
    WM_MOUSEWHEEL,    WM_XBUTTONDOWN, WM_XBUTTONUP};

struct TargetState {
  int leftPresses = 0;
  int leftReleases = 0;
  LONGLONG lastLeftPress = 0;
  int counts[std::size(kCountedMessages)] = {};
  HWND edit = nullptr;
  HWND list = nullptr;
  int listRightClicks = 0;
  int listRightDoubleClicks = 0;
};
// The helper has exactly one window; its procedure has no other way to it.
TargetState gTarget;

int* CounterOf(UINT message) {
  for (std::size_t i = 0; i < std::size(kCountedMessages); ++i) {
    if (kCountedMessages[i] == message) return &gTarget.counts[i];
  }
  return nullptr;
}

LRESULT CALLBACK TargetProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (int* counter = CounterOf(message)) ++*counter;
  switch (message) {
    case WM_LBUTTONDOWN:
      gTarget.lastLeftPress = Ticks();
      ++gTarget.leftPresses;
      return 0;
    case WM_LBUTTONUP: ++gTarget.leftReleases; return 0;
    case kAskLeftPresses: return gTarget.leftPresses;
    case kAskLeftReleases: return gTarget.leftReleases;
    case kAskLastLeftPressTicks: return static_cast<LRESULT>(gTarget.lastLeftPress);
    case kAskHookLibraryLoaded: return ::GetModuleHandleW(L"ZARTHOOK.DLL") != nullptr;
    case kAskCount: {
      const int* counter = CounterOf(static_cast<UINT>(wParam));
      return counter ? *counter : 0;
    }
    case kAskActivate:
      ::SetForegroundWindow(wnd);
      if (gTarget.edit) ::SetFocus(gTarget.edit);
      return 0;
    case kAskSelectedItem: {
      if (::SendMessageW(gTarget.list, LVM_GETSELECTEDCOUNT, 0, 0) > 1) return -2;
      return ::SendMessageW(gTarget.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    }
    case kAskListItemCentre: {
      RECT item{};
      item.left = LVIR_LABEL;
      if (!::SendMessageW(gTarget.list, LVM_GETITEMRECT, wParam, reinterpret_cast<LPARAM>(&item))) {
        return -1;
      }
      POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
      ::ClientToScreen(gTarget.list, &centre);
      return MAKELONG(centre.x, centre.y);
    }
    case kAskListRightClicks: return gTarget.listRightClicks;
    case kAskListRightDoubleClicks: return gTarget.listRightDoubleClicks;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == kListId && header->code == NM_RCLICK) ++gTarget.listRightClicks;
      if (header->idFrom == kListId && header->code == NM_RDBLCLK) {
        ++gTarget.listRightDoubleClicks;
      }
      return 0;
    }
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: return 0;
    case WM_DESTROY: ::PostQuitMessage(0); return 0;
  }
  return ::DefWindowProcW(wnd, message, wParam, lParam);
}

void CreateList(HWND parent, int width, int height) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
  gTarget.list = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0,
                                   width, height, parent, reinterpret_cast<HMENU>(kListId),
                                   ::GetModuleHandleW(nullptr), nullptr);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH | LVCF_TEXT;
  column.cx = width - 20;
  column.pszText = const_cast<wchar_t*>(L"File");
  ::SendMessageW(gTarget.list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  static const wchar_t* const kNames[kListItems] = {L"first.txt", L"second.txt", L"third.txt",
                                                    L"fourth.txt"};
  for (int i = 0; i < kListItems; ++i) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = const_cast<wchar_t*>(kNames[i]);
    ::SendMessageW(gTarget.list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
}

}  // namespace

bool IsClickTargetSwitch(const wchar_t* argument) {
  for (const wchar_t* known :
       {kClickTargetSwitch, kTextTargetSwitch, kDoubleClickTargetSwitch, kListTargetSwitch}) {
    if (std::wcscmp(argument, known) == 0) return true;
  }
  return false;
}

int RunClickTarget(int argc, wchar_t** argv) {
  if (argc < 6) return 2;
  const int left = _wtoi(argv[2]), top = _wtoi(argv[3]);
  const int width = _wtoi(argv[4]), height = _wtoi(argv[5]);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  // Without CS_DBLCLKS every press is a press.
  if (std::wcscmp(argv[1], kDoubleClickTargetSwitch) == 0) wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = TargetProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = ::CreateSolidBrush(RGB(230, 160, 40));
  wc.lpszClassName = kTargetClass;
  ::RegisterClassExW(&wc);
  HWND wnd = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kTargetClass, L"click target",
                               WS_POPUP | WS_VISIBLE, left, top, width, height, nullptr, nullptr,
                               wc.hInstance, nullptr);
  if (wnd == nullptr) return 1;
  if (std::wcscmp(argv[1], kTextTargetSwitch) == 0) {
    gTarget.edit =
        ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_LEFT, 0, 0, width, height,
                          wnd, reinterpret_cast<HMENU>(kEditId), wc.hInstance, nullptr);
    ::SetForegroundWindow(wnd);
    ::SetFocus(gTarget.edit);
  }
  if (std::wcscmp(argv[1], kListTargetSwitch) == 0) CreateList(wnd, width, height);
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}

ClickTarget::ClickTarget(RECT rect, TargetKind kind) : rect_(rect), kind_(kind) {
  wchar_t self[MAX_PATH];
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  const wchar_t* switches[] = {kClickTargetSwitch, kTextTargetSwitch, kDoubleClickTargetSwitch,
                               kListTargetSwitch};
  wchar_t arguments[128];
  std::swprintf(arguments, 128, L"%ls %ld %ld %ld %ld", switches[static_cast<int>(kind)], rect.left,
                rect.top, rect.right - rect.left, rect.bottom - rect.top);
  if (process_.Start(self, arguments, DistFolder())) {
    wnd_ = WaitForWindow(kTargetClass, process_.Id());
  }
}

POINT ClickTarget::Centre() const {
  return {(rect_.left + rect_.right) / 2, (rect_.top + rect_.bottom) / 2};
}

int ClickTarget::LeftPresses() const {
  return static_cast<int>(Send(wnd_, kAskLeftPresses, 0, 0).value_or(-1));
}

int ClickTarget::LeftReleases() const {
  return static_cast<int>(Send(wnd_, kAskLeftReleases, 0, 0).value_or(-1));
}

LONGLONG ClickTarget::LastLeftPressTicks() const {
  return static_cast<LONGLONG>(Send(wnd_, kAskLastLeftPressTicks, 0, 0).value_or(0));
}

bool ClickTarget::HookLibraryLoaded() const {
  return Send(wnd_, kAskHookLibraryLoaded, 0, 0).value_or(0) != 0;
}

int ClickTarget::Count(UINT message) const {
  return static_cast<int>(Send(wnd_, kAskCount, message, 0).value_or(-1));
}

std::wstring ClickTarget::Text() const {
  HWND edit = ::GetDlgItem(wnd_, kEditId);
  wchar_t text[256] = L"";
  Send(edit, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return text;
}

void ClickTarget::Activate() const { Send(wnd_, kAskActivate, 0, 0); }

POINT ClickTarget::ListItemCentre(int index) const {
  const LRESULT packed = Send(wnd_, kAskListItemCentre, index, 0).value_or(-1);
  if (kind_ != TargetKind::List || packed == -1) return {-1, -1};
  return {static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))};
}

int ClickTarget::SelectedListItem() const {
  return static_cast<int>(Send(wnd_, kAskSelectedItem, 0, 0).value_or(-3));
}

int ClickTarget::ListRightClicks() const {
  return static_cast<int>(Send(wnd_, kAskListRightClicks, 0, 0).value_or(-1));
}

int ClickTarget::ListRightDoubleClicks() const {
  return static_cast<int>(Send(wnd_, kAskListRightDoubleClicks, 0, 0).value_or(-1));
}

bool ClickTarget::WaitForLeftPressesAbove(int count, DWORD timeoutMs) const {
  return WaitUntil([&] { return LeftPresses() > count; }, timeoutMs);
}

bool ReleaseStuckInput() {
  static const struct {
    int key;
    const wchar_t* xdotool;
  } kInputs[] = {{VK_CONTROL, L"keydown ctrl keyup ctrl"},
                 {VK_MENU, L"keydown alt keyup alt"},
                 {VK_SHIFT, L"keydown shift keyup shift"},
                 {VK_LWIN, L"keydown super keyup super"},
                 {VK_LBUTTON, L"click 1"},
                 {VK_RBUTTON, L"click 3"},
                 {VK_MBUTTON, L"click 2"},
                 {VK_XBUTTON1, L"click 8"},
                 {VK_XBUTTON2, L"click 9"}};
  if (HeldButtonsAndModifiers().empty()) return true;
  ClickTarget focus(RECT{20, 20, 120, 60}, /*withEdit=*/true);
  focus.Activate();
  std::wstring commands = L"mousemove 70 40 sleep 0.2";
  for (const auto& input : kInputs) {
    if (::GetAsyncKeyState(input.key) & 0x8000) commands += std::wstring(L" ") + input.xdotool;
  }
  XdoTool(commands);
  return WaitUntil([] { return HeldButtonsAndModifiers().empty(); }, 3000);
}

}  // namespace e2e
