// The gallery program: vexilor_gallery.exe [--zoom <thousandths>]
#include <windows.h>

#include <cwchar>

#include "Gallery_win.h"
#include "ui/Application_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int zoom = vxl::ui::kNoZoom;
  for (int i = 1; i + 1 < __argc; ++i) {
    if (std::wcscmp(__wargv[i], L"--zoom") == 0) zoom = _wtoi(__wargv[i + 1]);
  }
  // The service's hint timings: quick to show, slow to hide.
  vxl::ui::Application().SetHintTimings(50, 10000);
  gallery::TGallery form;
  if (!form.Create(zoom)) return 1;
  vxl::ui::Application().SetMainForm(&form);
  form.Show();
  return vxl::ui::Application().Run();
}
