#include "E2eDialogs.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "E2eProcesses.h"

namespace e2e {
// --- dialogs --------------------------------------------------------------

std::vector<HWND> DialogBoxes(DWORD processId) { return TopLevelWindows(L"#32770", processId); }

HWND WaitForDialogBox(DWORD processId, DWORD timeoutMs) {
  // A box is found as soon as it exists; its controls and texts come a
  // little later.
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND dialog : DialogBoxes(processId)) {
          if (::IsWindowVisible(dialog) && !DialogText(dialog).empty()) found = dialog;
        }
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

std::wstring DialogText(HWND dialog) {
  std::wstring text;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (_wcsicmp(WindowClassName(child).c_str(), L"Static") != 0) continue;
    const std::wstring part = WindowText(child);
    if (part.empty()) continue;
    if (!text.empty()) text += L"\n";
    text += part;
  }
  return text;
}

void PressDialogButton(HWND dialog, int id) {
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

}  // namespace e2e
