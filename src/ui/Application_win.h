// TApplication: the program's message loop with dialog navigation for
// every form, and the hint timings its forms share. One per program, on the
// user-interface thread; reached through Application(), the way forms
// reach the application object they belong to.
#pragma once

#include <windows.h>

#include <vector>

namespace vxl::ui {

class THintWindow;
class TForm;

class TApplication {
 public:
  // Delay before a hint shows, and how long it stays.
  int HintPause() const { return hintPause_; }
  int HintHidePause() const { return hintHidePause_; }
  void SetHintTimings(int pauseMs, int hidePauseMs);

  // The form whose closing ends Run.
  TForm* MainForm() const { return mainForm_; }
  void SetMainForm(TForm* form) { mainForm_ = form; }

  // Keyboard navigation of the form the message is for; true when used up.
  // Programs with a loop of their own call it before dispatching.
  static bool ProcessMessage(MSG& msg);
  // Runs until WM_QUIT; returns its exit code.
  int Run();
  // Handles what is waiting, then returns.
  void ProcessMessages();
  void Terminate(int exitCode = 0);

  void AddHintWindow(THintWindow* hints);
  void RemoveHintWindow(THintWindow* hints);

 private:
  int hintPause_ = 500;
  int hintHidePause_ = 2500;
  TForm* mainForm_ = nullptr;
  std::vector<THintWindow*> hintWindows_;  // not owned: each removes itself
};

TApplication& Application();

}  // namespace vxl::ui
