#include "UiChecks.h"

#include <oleacc.h>

#include <cwctype>

#include "E2eHarness.h"

namespace e2e {
namespace {

BOOL CALLBACK CollectFocusable(HWND wnd, LPARAM lParam) {
  const LONG style = ::GetWindowLongW(wnd, GWL_STYLE);
  if ((style & WS_TABSTOP) && ::IsWindowVisible(wnd) && ::IsWindowEnabled(wnd)) {
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(wnd);
  }
  return TRUE;
}

bool SameClass(HWND wnd, const wchar_t* name) {
  return _wcsicmp(WindowClassName(wnd).c_str(), name) == 0;
}

// The classes whose accessible name comes from a label, as the system's
// accessibility proxies take it.
bool NamedByLabel(HWND wnd) {
  for (const wchar_t* name :
       {L"Edit", L"TMemo", L"ComboBox", L"ListBox", L"SysTreeView32", L"SysListView32",
        L"msctls_trackbar32", L"msctls_hotkey32", L"SysTabControl32", L"msctls_updown32"}) {
    if (SameClass(wnd, name)) return true;
  }
  return false;
}

std::wstring WithoutAmpersands(std::wstring text) {
  std::wstring plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

std::wstring Trimmed(const std::wstring& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && std::iswspace(text[first])) ++first;
  while (last > first && std::iswspace(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::wstring LabelName(HWND control) {
  HWND previous = ::GetWindow(control, GW_HWNDPREV);
  if (!previous || !SameClass(previous, L"Static")) return {};
  return WithoutAmpersands(WindowText(previous));
}

// COM for the calls of this thread, for as long as the check runs.
class ComScope {
 public:
  ComScope() : ok_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (ok_) ::CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool ok_;
};

std::wstring ObjectName(HWND control) {
  ComScope com;
  IAccessible* object = nullptr;
  // __uuidof: MinGW's IID_IAccessible symbol does not link to the GUID.
  if (FAILED(::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))) ||
      !object) {
    return {};
  }
  VARIANT self;
  ::VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::wstring text;
  if (SUCCEEDED(object->get_accName(self, &name)) && name) {
    text.assign(name, ::SysStringLen(name));
    ::SysFreeString(name);
  }
  object->Release();
  return WithoutAmpersands(text);
}

}  // namespace

std::vector<HWND> FocusableControls(HWND top) {
  std::vector<HWND> controls;
  ::EnumChildWindows(top, CollectFocusable, reinterpret_cast<LPARAM>(&controls));
  return controls;
}

std::wstring AccessibleName(HWND control) {
  return Trimmed(NamedByLabel(control) ? LabelName(control) : ObjectName(control));
}

std::vector<std::string> ControlsWithoutName(HWND top) {
  std::vector<std::string> unnamed;
  for (HWND control : FocusableControls(top)) {
    if (!AccessibleName(control).empty()) continue;
    std::string line;
    for (wchar_t c : WindowClassName(control)) line += static_cast<char>(c);
    line += " #" + std::to_string(::GetDlgCtrlID(control));
    unnamed.push_back(line);
  }
  return unnamed;
}

RECT RectIn(HWND form, HWND control) {
  RECT r{};
  ::GetWindowRect(control, &r);
  ::MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

HWND FocusOfThread(HWND wnd) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = ::GetWindowThreadProcessId(wnd, nullptr);
  return ::GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

}  // namespace e2e
