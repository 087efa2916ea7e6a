// Checks of a form as a keyboard or screen-reader user meets it, for every
// form of the programs: which controls the keyboard reaches, what a screen
// reader calls them, where they stand.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The controls of a top-level window the Tab key can reach: its visible,
// enabled descendants with WS_TABSTOP.
std::vector<HWND> FocusableControls(HWND top);

// What a screen reader announces as the control's name. Edit boxes, lists,
// trees, track bars and the like take it from the label just before them
// (the previous window, a static with text); other controls answer through
// their accessible object (AccessibleObjectFromWindow, get_accName).
// Ampersands of accelerators are dropped.
std::wstring AccessibleName(HWND control);

// One line ("Edit #1007") for each focusable control of top whose
// accessible name is empty.
std::vector<std::string> ControlsWithoutName(HWND top);

// The control's window rectangle in the client coordinates of form.
RECT RectIn(HWND form, HWND control);

// The window with the keyboard focus on the thread of wnd.
HWND FocusOfThread(HWND wnd);

}  // namespace e2e
