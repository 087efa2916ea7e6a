#include "E2eInput.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "E2eProcesses.h"

namespace e2e {
// --- input ------------------------------------------------------------------

void MoveMouse(int x, int y) {
  // Absolute moves are given in 0..65535 across the primary screen.
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>((x * 65535LL + width / 2) / (width - 1));
  input.mi.dy = static_cast<LONG>((y * 65535LL + height / 2) / (height - 1));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  ::SendInput(1, &input, sizeof input);
}

std::string HeldButtonsAndModifiers() {
  static const struct {
    int key;
    const char* name;
  } kKeys[] = {{VK_LBUTTON, "left "}, {VK_RBUTTON, "right "}, {VK_MBUTTON, "middle "},
               {VK_XBUTTON1, "x1 "},  {VK_XBUTTON2, "x2 "},   {VK_SHIFT, "shift "},
               {VK_CONTROL, "ctrl "}, {VK_MENU, "alt "},      {VK_LWIN, "lwin "},
               {VK_RWIN, "rwin "}};
  std::string held;
  for (const auto& k : kKeys) {
    if (::GetAsyncKeyState(k.key) & 0x8000) held += k.name;
  }
  return held;
}

void MouseButton(DWORD downFlag, DWORD upFlag) {
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = downFlag;
  inputs[1].mi.dwFlags = upFlag;
  ::SendInput(2, inputs, sizeof(INPUT));
}

void PressKey(WORD virtualKey, bool extended) {
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
  const DWORD flags = extended ? KEYEVENTF_EXTENDEDKEY : 0;
  inputs[0].ki.dwFlags = flags;
  inputs[1].ki.dwFlags = flags | KEYEVENTF_KEYUP;
  ::SendInput(2, inputs, sizeof(INPUT));
}

void PressChord(std::initializer_list<WORD> modifiers, WORD virtualKey) {
  std::vector<INPUT> inputs;
  auto key = [&](WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  for (WORD modifier : modifiers) key(modifier, false);
  key(virtualKey, false);
  key(virtualKey, true);
  for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) key(*it, true);
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool XdoTool(const std::wstring& arguments) {
  const std::wstring exe = L"Z:\\usr\\bin\\xdotool";
  std::wstring commandLine = L"xdotool " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
    return false;
  }
  // Handles come back empty for a Unix program; close whatever there is.
  if (info.hProcess) ::CloseHandle(info.hProcess);
  if (info.hThread) ::CloseHandle(info.hThread);
  return true;
}

}  // namespace e2e
