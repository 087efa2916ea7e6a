#include "common/MessageBoxes_win.h"

#include <windows.h>

#include "ui/WinGeometry_win.h"
#include "ui/WinText_win.h"

namespace vxl::win {
namespace {

UINT IconFlag(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::Information: return MB_ICONINFORMATION;
    case BoxIcon::Warning: return MB_ICONWARNING;
    case BoxIcon::Error: return MB_ICONERROR;
    case BoxIcon::Question: return MB_ICONQUESTION;
    case BoxIcon::None: break;
  }
  return 0;
}

}  // namespace

BoxAnswer TWinMessageBoxes::Show(WindowRef owner, const std::string& text,
                                 const std::string& caption, BoxIcon icon, BoxButtons buttons) {
  const UINT flags = IconFlag(icon) | (buttons == BoxButtons::YesNo ? MB_YESNO : MB_OK);
  const int answer =
      ::MessageBoxW(ToHwnd(owner), Widen(text).c_str(), Widen(caption).c_str(), flags);
  // A box that could not be shown answers No: nothing is replaced unasked.
  if (buttons == BoxButtons::YesNo) return answer == IDYES ? BoxAnswer::Yes : BoxAnswer::No;
  return BoxAnswer::Ok;
}

void TWinMessageBoxes::Beep(BoxIcon sound) { ::MessageBeep(IconFlag(sound)); }

}  // namespace vxl::win
