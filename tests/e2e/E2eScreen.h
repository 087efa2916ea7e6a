// What the screen shows: known backdrops behind the programs under test,
// pixels and screenshots.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace e2e {

// A full-screen window of one colour behind the programs under test, so that
// what they draw (or must not draw) shows against a known background. It
// counts the left clicks that reach it.
class Backdrop {
 public:
  explicit Backdrop(COLORREF colour = RGB(40, 120, 200));
  ~Backdrop();
  Backdrop(const Backdrop&) = delete;
  Backdrop& operator=(const Backdrop&) = delete;
  HWND Handle() const { return wnd_; }
  COLORREF Colour() const { return colour_; }
  int LeftClicks() const;

 private:
  COLORREF colour_;
  HBRUSH brush_ = nullptr;
  HWND wnd_ = nullptr;
};

// A full-screen window of vertical stripes of known colours, repeating from
// the left edge, so that effects on what lies beneath have known pixels.
class StripedBackdrop {
 public:
  StripedBackdrop(std::vector<COLORREF> colours, int stripeWidth);
  ~StripedBackdrop();
  StripedBackdrop(const StripedBackdrop&) = delete;
  StripedBackdrop& operator=(const StripedBackdrop&) = delete;
  HWND Handle() const { return wnd_; }
  COLORREF ColourAt(int x) const;
  // The centre column of the first stripe of colour index i at or after x.
  int StripeCentre(std::size_t index, int fromX) const;
  void Paint(HDC dc) const;

 private:
  std::vector<COLORREF> colours_;
  int stripeWidth_;
  HWND wnd_ = nullptr;
};

// "RGB(r, g, b)", for failure messages.
std::string ColourText(COLORREF colour);

// The screen as it is now.
COLORREF ScreenPixel(int x, int y);
// Saves the whole screen as <name>.bmp in the screenshot folder; the run
// script turns it into a PNG. Returns the file path, empty on failure.
std::wstring SaveScreenshot(const std::wstring& name);

}  // namespace e2e
