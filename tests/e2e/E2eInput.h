// Input as a user gives it: real X input through xdotool, synthetic input
// through Wine's queue, and what is left held.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

namespace e2e {

// The mouse buttons, Shift, Ctrl, Alt and Windows keys held in the shared
// key state, by name ("" when none): a chord must leave nothing behind.
std::string HeldButtonsAndModifiers();

// Synthetic input through the system's input queue.
void MoveMouse(int x, int y);
void MouseButton(DWORD downFlag, DWORD upFlag);
void PressKey(WORD virtualKey, bool extended = false);
// Holds the modifier keys, presses and releases the key, lets the modifiers
// go, in one input batch. Under Xvfb some chords (Ctrl+Alt with function or
// numeric-pad keys) are console keys of the X keymap, so xdotool cannot give
// them to Wine; this goes straight to Wine's input queue.
void PressChord(std::initializer_list<WORD> modifiers, WORD virtualKey);

// Real X input from xdotool (e.g. L"mousemove 10 10 click 1"). Wine starts a
// Unix program from CreateProcess but gives no process handle, so this does
// not wait: chain the commands of one gesture in one call to keep their
// order, and wait for their effect.
bool XdoTool(const std::wstring& arguments);

}  // namespace e2e
