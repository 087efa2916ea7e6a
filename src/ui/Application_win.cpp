#include "ui/Application_win.h"

#include <algorithm>

#include "ui/Form_win.h"
#include "ui/Hints_win.h"

namespace vxl::ui {

TApplication& Application() {
  static TApplication application;
  return application;
}

void TApplication::SetHintTimings(int pauseMs, int hidePauseMs) {
  hintPause_ = pauseMs;
  hintHidePause_ = hidePauseMs;
  for (THintWindow* hints : hintWindows_) hints->SetDelays(pauseMs, hidePauseMs);
}

void TApplication::AddHintWindow(THintWindow* hints) { hintWindows_.push_back(hints); }

void TApplication::RemoveHintWindow(THintWindow* hints) {
  hintWindows_.erase(std::remove(hintWindows_.begin(), hintWindows_.end(), hints),
                     hintWindows_.end());
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!msg.hwnd) return false;
  TForm* form = TForm::FromWindow(::GetAncestor(msg.hwnd, GA_ROOT));
  return form && form->PreTranslateMessage(msg);
}

int TApplication::Run() {
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (ProcessMessage(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (ProcessMessage(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

void TApplication::Terminate(int exitCode) { ::PostQuitMessage(exitCode); }

}  // namespace vxl::ui
