// Message boxes and dialogs of the programs under test.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "E2eProcesses.h"

namespace e2e {

// Message boxes and dialogs (class #32770) of a process.
std::vector<HWND> DialogBoxes(DWORD processId);
// Waits for a dialog of the process that is shown and has its text.
HWND WaitForDialogBox(DWORD processId, DWORD timeoutMs = kDefaultTimeoutMs);
// The texts of a dialog's static controls (a message box's text), joined by
// line feeds.
std::wstring DialogText(HWND dialog);
// Clicks a dialog's button by its id (IDOK, IDYES, ...).
void PressDialogButton(HWND dialog, int id);

}  // namespace e2e
