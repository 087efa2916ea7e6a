#include <gtest/gtest.h>

#include <cwchar>

#include "E2eClickTarget.h"
#include "E2eHarness.h"

namespace {

LRESULT CALLBACK StandInProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) ::PostQuitMessage(0);
  return ::DefWindowProcW(wnd, message, wParam, lParam);
}

// Started under the name Vexilor2Config.exe, the program stands in for the
// configuration program: a window whose title is its working folder.
int RunConfigStandIn() {
  wchar_t folder[MAX_PATH] = L"";
  ::GetCurrentDirectoryW(MAX_PATH, folder);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = StandInProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = e2e::kConfigStandInClass;
  ::RegisterClassExW(&wc);
  if (!::CreateWindowExW(0, e2e::kConfigStandInClass, folder, WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                         nullptr, nullptr, wc.hInstance, nullptr)) {
    return 1;
  }
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
  return 0;
}

bool StartedAs(const wchar_t* name) {
  wchar_t path[MAX_PATH] = L"";
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  const wchar_t* file = std::wcsrchr(path, L'\\');
  return _wcsicmp(file ? file + 1 : path, name) == 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (StartedAs(L"Vexilor2Config.exe")) return RunConfigStandIn();
  // The same program serves as the other process of the mouse tests.
  if (argc > 1 && e2e::IsClickTargetSwitch(argv[1])) {
    return e2e::RunClickTarget(argc, argv);
  }
  ::testing::InitGoogleTest(&argc, argv);
  if (e2e::DistFolder().empty()) {
    fprintf(stderr, "VXL_DIST must name the program folder under test\n");
    return 2;
  }
  return RUN_ALL_TESTS();
}
