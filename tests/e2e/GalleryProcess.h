// The gallery program (vexilor_gallery.exe, built beside the tests) as the
// tests drive it: its controls by table name, its journal of events, its
// commands, and real X input aimed at its controls.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "E2eHarness.h"

namespace e2e {

class GalleryProcess {
 public:
  // Starts the gallery at a zoom in thousandths and waits for its form.
  explicit GalleryProcess(int zoom = 1000);
  ~GalleryProcess();
  GalleryProcess(const GalleryProcess&) = delete;
  GalleryProcess& operator=(const GalleryProcess&) = delete;

  HWND Form() const { return form_; }
  // The window built for a row of the gallery's table.
  HWND Control(std::string_view name) const;
  std::wstring Text(std::string_view name) const;
  // The lines of the journal memo, as the window shows them.
  std::vector<std::string> Journal() const;
  // A WM_COPYDATA command (GalleryTable.h); its answer, 0 when refused.
  LRESULT Command(const std::string& command) const;
  void ClearJournal() const { Command("clear"); }
  // Screen points of a control's middle and of an entry of it.
  POINT Centre(std::string_view name) const;
  POINT EntryPoint(std::string_view name, int index) const;
  // The window with the keyboard focus in the gallery.
  HWND FocusOf() const;

  // Empties the journal, runs an xdotool gesture, then presses F12, which
  // the form journals after everything the gesture caused, and waits for
  // that line. Returns the journal before it. The gesture ends over the gallery, so that the
  // key reaches it.
  std::vector<std::string> Gesture(const std::wstring& xdotoolArguments) const;
  // Moves the pointer over a control without a hint until no tip shows,
  // then over the point, and returns the text of the tip that shows there.
  std::wstring HintAt(POINT p) const;
  // xdotool words that click at a point, and that move over the gallery.
  static std::wstring ClickAt(POINT p);
  std::wstring OverForm() const;

 private:
  ChildProcess process_;
  HWND form_ = nullptr;
};

}  // namespace e2e
