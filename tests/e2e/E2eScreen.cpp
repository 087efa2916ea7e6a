#include "E2eScreen.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "E2eProcesses.h"

namespace e2e {
// --- Backdrop ---------------------------------------------------------------

namespace {

// A shown, never activated window over the whole screen, of a class of the
// test program (registered on first use).
HWND CreateFullScreenWindow(const wchar_t* className, WNDPROC procedure) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = className;
  ::RegisterClassExW(&wc);  // fails harmlessly when already registered
  return ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, className, className, WS_POPUP, 0,
                           0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
                           nullptr, nullptr, wc.hInstance, nullptr);
}

void ShowAndPaint(HWND wnd) {
  ::ShowWindow(wnd, SW_SHOWNOACTIVATE);
  ::UpdateWindow(wnd);
}

std::atomic<int> gBackdropLeftClicks{0};

LRESULT CALLBACK BackdropProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) ++gBackdropLeftClicks;
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return ::DefWindowProcW(wnd, message, wParam, lParam);
}
}  // namespace

Backdrop::Backdrop(COLORREF colour) : colour_(colour), brush_(::CreateSolidBrush(colour)) {
  gBackdropLeftClicks = 0;
  wnd_ = CreateFullScreenWindow(L"VxlE2eBackdrop", BackdropProc);
  ::SetClassLongPtrW(wnd_, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush_));
  ShowAndPaint(wnd_);
  WaitUntil([&] { return ScreenPixel(5, 5) == colour_; }, 3000);
}

Backdrop::~Backdrop() {
  ::DestroyWindow(wnd_);
  ::DeleteObject(brush_);
}

int Backdrop::LeftClicks() const { return gBackdropLeftClicks; }

// --- StripedBackdrop --------------------------------------------------------

namespace {
LRESULT CALLBACK StripedProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  if (message == WM_ERASEBKGND) return 1;
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(wnd, &paint);
    auto* self = reinterpret_cast<const StripedBackdrop*>(::GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (self) self->Paint(dc);
    ::EndPaint(wnd, &paint);
    return 0;
  }
  return ::DefWindowProcW(wnd, message, wParam, lParam);
}
}  // namespace

StripedBackdrop::StripedBackdrop(std::vector<COLORREF> colours, int stripeWidth)
    : colours_(std::move(colours)), stripeWidth_(stripeWidth) {
  wnd_ = CreateFullScreenWindow(L"VxlE2eStripes", StripedProc);
  ::SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ShowAndPaint(wnd_);
  WaitUntil([&] { return ScreenPixel(stripeWidth_ / 2, 5) == colours_.front(); }, 3000);
}

StripedBackdrop::~StripedBackdrop() { ::DestroyWindow(wnd_); }

COLORREF StripedBackdrop::ColourAt(int x) const {
  return colours_[static_cast<std::size_t>(x / stripeWidth_) % colours_.size()];
}

int StripedBackdrop::StripeCentre(std::size_t index, int fromX) const {
  const int period = stripeWidth_ * static_cast<int>(colours_.size());
  int start = fromX / period * period + static_cast<int>(index) * stripeWidth_;
  if (start + stripeWidth_ / 2 < fromX) start += period;
  return start + stripeWidth_ / 2;
}

void StripedBackdrop::Paint(HDC dc) const {
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  for (int x = 0; x < width; x += stripeWidth_) {
    HBRUSH brush = ::CreateSolidBrush(ColourAt(x));
    const RECT stripe{x, 0, x + stripeWidth_, height};
    ::FillRect(dc, &stripe, brush);
    ::DeleteObject(brush);
  }
}

// --- screen -----------------------------------------------------------------

std::string ColourText(COLORREF c) {
  char text[32];
  std::snprintf(text, sizeof text, "RGB(%d, %d, %d)", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = ::GetDC(nullptr);
  const COLORREF colour = ::GetPixel(screen, x, y);
  ::ReleaseDC(nullptr, screen);
  return colour;
}

std::wstring SaveScreenshot(const std::wstring& name) {
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  ::SelectObject(memory, old);
  // The screen leaves the alpha byte 0 (or whatever a drawing left there);
  // image viewers read 32-bit BMP alpha, so make every pixel opaque.
  auto* pixels = static_cast<std::uint8_t*>(bits);
  for (std::size_t i = 3; pixels && i < static_cast<std::size_t>(width) * height * 4; i += 4) {
    pixels[i] = 0xFF;
  }

  const DWORD imageSize = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof header + sizeof info.bmiHeader;
  header.bfSize = header.bfOffBits + imageSize;
  const std::wstring path = ShotsFolder() + name + L".bmp";
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  bool ok = file != INVALID_HANDLE_VALUE;
  if (ok) {
    DWORD written = 0;
    ok = ::WriteFile(file, &header, sizeof header, &written, nullptr) &&
         ::WriteFile(file, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
         ::WriteFile(file, bits, imageSize, &written, nullptr);
    ::CloseHandle(file);
  }
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return ok ? path : std::wstring();
}

}  // namespace e2e
