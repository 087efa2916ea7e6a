// IMessageBoxes over MessageBoxW and MessageBeep.
#pragma once

#include "common/MessageBoxes.h"

namespace vxl::win {

class TWinMessageBoxes final : public IMessageBoxes {
 public:
  BoxAnswer Show(WindowRef owner, const std::string& text, const std::string& caption, BoxIcon icon,
                 BoxButtons buttons) override;
  void Beep(BoxIcon sound) override;
};

}  // namespace vxl::win
