#include "service/uUtils_win.h"

#include <shellapi.h>

#include <cwctype>
#include <vector>

#include "ui/WinGeometry_win.h"
#include "ui/WinHandles_win.h"
#include "ui/WinText_win.h"

namespace vxl::win {
namespace {

std::wstring Upper(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(c));
  return text;
}

INPUT KeyEvent(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

// The power library's suspend call, looked up once and kept.
using SetSuspendStateFn = BOOLEAN(WINAPI*)(BOOLEAN, BOOLEAN, BOOLEAN);

FARPROC LibraryProcedure(const wchar_t* module, const char* procedure) {
  HMODULE handle = ::GetModuleHandleW(module);
  // Loaded for good: the entry point is cached for the life of the process.
  if (handle == nullptr) handle = ::LoadLibraryW(module);
  return handle ? ::GetProcAddress(handle, procedure) : nullptr;
}

SetSuspendStateFn SuspendEntryPoint() {
  // Through void(*)() first: FARPROC's own type does not convert quietly.
  static const auto entry = reinterpret_cast<SetSuspendStateFn>(
      reinterpret_cast<void (*)()>(LibraryProcedure(L"POWRPROF.dll", "SetSuspendState")));
  return entry;
}

}  // namespace

HWND FindTaskbarWindow(const std::wstring& className) {
  HWND taskbar = ::FindWindowW(L"Shell_TrayWnd", nullptr);
  if (className == L"Shell_TrayWnd" || taskbar == nullptr) return taskbar;
  const std::wstring wanted = Upper(className);
  for (HWND child = ::GetWindow(taskbar, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[128];
    const int length = ::GetClassNameW(child, name, 128);
    if (length > 0 && Upper(std::wstring(name, static_cast<std::size_t>(length))) == wanted) {
      return child;
    }
  }
  return nullptr;
}

void TypeText(const std::wstring& text) {
  for (wchar_t character : text) {
    const auto layoutAnswer = static_cast<std::uint16_t>(::VkKeyScanW(character));
    std::vector<INPUT> events;
    for (const KeyStroke& stroke : KeyStrokesForCharacter(layoutAnswer)) {
      events.push_back(KeyEvent(stroke.virtualKey, stroke.up));
    }
    ::SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
  }
}

bool SetPrivilege(const wchar_t* name, bool enable) {
  HANDLE rawToken = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                          &rawToken)) {
    return false;
  }
  UniqueKernelHandle token(rawToken);
  TOKEN_PRIVILEGES privileges{};
  if (!::LookupPrivilegeValueW(nullptr, name, &privileges.Privileges[0].Luid)) return false;
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
  return ::AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr) != FALSE;
}

Point TSystemUtilities::CursorPos() {
  POINT p{};
  ::GetCursorPos(&p);
  return {p.x, p.y};
}

void TSystemUtilities::SetCursorPos(Point point) { ::SetCursorPos(point.x, point.y); }

Size TSystemUtilities::ScreenSize() {
  return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

bool TSystemUtilities::ForegroundWindowRect(Rect& rect) {
  return WindowRect(::GetForegroundWindow(), rect);
}

bool TSystemUtilities::TaskbarPartRect(char part, Rect& rect) {
  return WindowRect(FindTaskbarWindow(part == 's' ? L"Button" : L"TrayNotifyWnd"), rect);
}

WindowRef TSystemUtilities::WindowAtPoint(Point point) {
  return ToWindowRef(::WindowFromPoint(ToPOINT(point)));
}

WindowRef TSystemUtilities::TopLevelWindow(WindowRef wnd) {
  HWND window = ToHwnd(wnd);
  while (HWND parent = ::GetParent(window)) window = parent;
  return ToWindowRef(window);
}

void TSystemUtilities::PostClose(WindowRef wnd) { ::PostMessageW(ToHwnd(wnd), WM_CLOSE, 0, 0); }

void TSystemUtilities::PostSysCommandClose(WindowRef wnd) {
  ::PostMessageW(ToHwnd(wnd), WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool TSystemUtilities::IsMaximised(WindowRef wnd) { return ::IsZoomed(ToHwnd(wnd)) != FALSE; }
void TSystemUtilities::Restore(WindowRef wnd) { ::ShowWindow(ToHwnd(wnd), SW_RESTORE); }
void TSystemUtilities::ShowMaximised(WindowRef wnd) { ::ShowWindow(ToHwnd(wnd), SW_SHOWMAXIMIZED); }

void TSystemUtilities::MoveForegroundWindowBy(int dy) {
  HWND foreground = ::GetForegroundWindow();
  RECT r;
  if (foreground == nullptr || !::GetWindowRect(foreground, &r)) return;
  ::MoveWindow(foreground, r.left, r.top + dy, r.right - r.left, r.bottom - r.top, TRUE);
}

CivilDate TSystemUtilities::Today() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay};
}

std::string TSystemUtilities::DateSeparator() {
  wchar_t separator[8] = L"/";
  ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator, 8);
  return Narrow(separator);
}

void TSystemUtilities::ProcessPendingMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Leave the quit for the main loop.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

void TSystemUtilities::TypeIntoFocusedWindow(const std::string& text) {
  HWND foreground = ::GetForegroundWindow();
  const DWORD foregroundThread = ::GetWindowThreadProcessId(foreground, nullptr);
  const DWORD ownThread = ::GetCurrentThreadId();
  // Attached, this thread can read the other application's focus.
  const bool attached = foregroundThread != 0 && foregroundThread != ownThread &&
                        ::AttachThreadInput(ownThread, foregroundThread, TRUE);
  if (::GetFocus() != nullptr) {
    TypeText(Widen(text));
  } else {
    ::MessageBeep(0);
  }
  if (attached) ::AttachThreadInput(ownThread, foregroundThread, FALSE);
  if (foreground) ::SetForegroundWindow(foreground);
}

void TSystemUtilities::Beep() { ::MessageBeep(0); }

void TSystemUtilities::InjectRightClick(Point absolute) {
  INPUT inputs[3]{};
  const DWORD flags[3] = {MOUSEEVENTF_MOVE, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP};
  for (int i = 0; i < 3; ++i) {
    inputs[i].type = INPUT_MOUSE;
    inputs[i].mi.dx = absolute.x;
    inputs[i].mi.dy = absolute.y;
    inputs[i].mi.dwFlags = flags[i] | MOUSEEVENTF_ABSOLUTE;
  }
  ::SendInput(3, inputs, sizeof(INPUT));
}

bool TSystemUtilities::ExitSession(unsigned flags) {
  if (!SetPrivilege(L"SeShutdownPrivilege", true)) return false;
  const bool done = ::ExitWindowsEx(flags, 0) != FALSE;
  SetPrivilege(L"SeShutdownPrivilege", false);
  return done;
}

bool TSystemUtilities::Suspend(bool hibernate, bool force, bool disableWakeEvents) {
  const SetSuspendStateFn entry = SuspendEntryPoint();
  return entry != nullptr && entry(hibernate, force, disableWakeEvents) != FALSE;
}

bool TSystemUtilities::StartProgram(const std::string& fileName) {
  const std::wstring folder = Widen(ProgramFolder());
  const HINSTANCE result = ::ShellExecuteW(mainWindow_, nullptr, (folder + Widen(fileName)).c_str(),
                                           nullptr, folder.c_str(), SW_SHOW);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

void TSystemUtilities::ShowProgramNotFound(const std::string& fileName) {
  foundation_.Boxes().Show(ToWindowRef(mainWindow_),
                           ProgramFolder() + fileName + "\nFile not found", "Vexilor 2.00 Error",
                           BoxIcon::Warning, BoxButtons::Ok);
}

void TSystemUtilities::ShowHelp(const std::string& keyword) {
  win::ShowHelp(foundation_.Settings(), keyword);
}

// Posted: the quit may come from a mouse handler that the hook still waits on.
void TSystemUtilities::Quit() { ::PostMessageW(mainWindow_, WM_CLOSE, 0, 0); }

}  // namespace vxl::win
