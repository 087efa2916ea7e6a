// Program entry of the locator service.
#include <windows.h>

#include "service/uformMain.h"
#include "service/uformMain_win.h"
#include "ui/WinHandles_win.h"
#include "ui/WinText_win.h"

namespace {

int ScreenBitsPerPixel() {
  vxl::win::WindowDC screen(nullptr);
  return screen ? ::GetDeviceCaps(screen.get(), BITSPIXEL) : 0;
}

int RunMessageLoop() {
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const int depth = ScreenBitsPerPixel();
  if (depth < 32) {
    vxl::ShowColourDepthError(depth);
    return 1;
  }

  bool alreadyRunning = false;
  vxl::win::OwnedMutex singleInstance(vxl::kServiceMutexName, alreadyRunning);
  if (alreadyRunning) return 0;

  vxl::TVexilor2Wnd mainWindow;
  if (!mainWindow.Create(vxl::IsConfigSwitch(vxl::win::CommandLineArguments()))) return 1;
  mainWindow.Show();
  return RunMessageLoop();
}
