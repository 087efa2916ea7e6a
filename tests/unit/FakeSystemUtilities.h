// A recording fake of the system helpers the actions use.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "service/uUtils.h"

namespace vxl {

class FakeSystemUtilities : public ISystemUtilities {
 public:
  std::vector<std::string> calls;
  Point cursor{400, 300};
  Size screen{1920, 1080};
  bool hasForeground = true;
  Rect foreground{100, 50, 900, 650};
  std::map<char, Rect> taskbarParts;
  WindowRef windowAtPoint = 0;
  std::map<WindowRef, WindowRef> parents;
  std::map<WindowRef, bool> maximised;
  CivilDate today{2024, 4, 9};
  std::string dateSeparator = "/";
  bool startSucceeds = true;

  Point CursorPos() override { return cursor; }
  void SetCursorPos(Point p) override {
    cursor = p;
    Log("SetCursorPos " + std::to_string(p.x) + "," + std::to_string(p.y));
  }
  Size ScreenSize() override { return screen; }
  bool ForegroundWindowRect(Rect& rect) override {
    rect = foreground;
    return hasForeground;
  }
  bool TaskbarPartRect(char part, Rect& rect) override {
    auto it = taskbarParts.find(part);
    if (it == taskbarParts.end()) return false;
    rect = it->second;
    return true;
  }
  WindowRef WindowAtPoint(Point) override { return windowAtPoint; }
  WindowRef TopLevelWindow(WindowRef wnd) override {
    while (parents.count(wnd)) wnd = parents[wnd];
    return wnd;
  }
  void PostClose(WindowRef wnd) override { Log("PostClose " + std::to_string(wnd)); }
  void PostSysCommandClose(WindowRef wnd) override {
    Log("PostSysCommandClose " + std::to_string(wnd));
  }
  bool IsMaximised(WindowRef wnd) override { return maximised[wnd]; }
  void Restore(WindowRef wnd) override { Log("Restore " + std::to_string(wnd)); }
  void ShowMaximised(WindowRef wnd) override { Log("ShowMaximised " + std::to_string(wnd)); }
  void MoveForegroundWindowBy(int dy) override {
    Log("MoveForegroundWindowBy " + std::to_string(dy));
  }
  CivilDate Today() override { return today; }
  std::string DateSeparator() override { return dateSeparator; }
  void ProcessPendingMessages() override { Log("ProcessPendingMessages"); }
  void TypeIntoFocusedWindow(const std::string& text) override { Log("Type " + text); }
  void Beep() override { Log("Beep"); }
  void InjectRightClick(Point absolute) override {
    Log("InjectRightClick " + std::to_string(absolute.x) + "," + std::to_string(absolute.y));
  }
  bool ExitSession(unsigned flags) override {
    Log("ExitSession " + std::to_string(flags));
    return true;
  }
  bool Suspend(bool hibernate, bool force, bool disableWake) override {
    Log(std::string("Suspend ") + (hibernate ? "hibernate" : "standby") + (force ? " force" : "") +
        (disableWake ? " nowake" : ""));
    return true;
  }
  bool StartProgram(const std::string& fileName) override {
    Log("StartProgram " + fileName);
    return startSucceeds;
  }
  void ShowProgramNotFound(const std::string& fileName) override {
    Log("ShowProgramNotFound " + fileName);
  }
  void ShowHelp(const std::string& keyword) override { Log("ShowHelp " + keyword); }
  void Quit() override { Log("Quit"); }

 private:
  void Log(std::string call) { calls.push_back(std::move(call)); }
};

}  // namespace vxl
