// Message boxes and beeps of the shared routines, behind an interface so that
// tests can read what would be shown and give the user's answer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "common/Geometry.h"  // WindowRef

namespace vxl {

// A catalogue lookup: the text of a key, empty when the key is missing.
using MessageLookup = std::function<std::string(std::string_view key)>;

enum class BoxIcon { None, Information, Warning, Error, Question };
enum class BoxButtons { Ok, YesNo };
enum class BoxAnswer { Ok, Yes, No };

class IMessageBoxes {
 public:
  virtual ~IMessageBoxes() = default;
  // Shows a modal box (owned by owner when not 0) and returns the answer.
  virtual BoxAnswer Show(WindowRef owner, const std::string& text, const std::string& caption,
                         BoxIcon icon, BoxButtons buttons) = 0;
  // The system sound of an icon's kind.
  virtual void Beep(BoxIcon sound) = 0;
};

}  // namespace vxl
