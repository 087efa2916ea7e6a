// What the service takes from the system's accessibility library (OLEACC):
// accessible objects from events and windows, and of IAccessible only
// accLocation and get_accRole. The functions are imported at load time.
#pragma once

#include <windows.h>
// oleacc.h needs the COM declarations first.
#include <ole2.h>
#include <oleacc.h>

#include <utility>

#include "service/uclWinEvent.h"

namespace vxl::win {

// {618736E0-3C3D-11CF-810C-00AA00389B71}
inline constexpr GUID kIID_IAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// One reference to an IAccessible, released exactly once.
class TAccessiblePtr {
 public:
  TAccessiblePtr() = default;
  ~TAccessiblePtr() { Reset(); }
  TAccessiblePtr(const TAccessiblePtr&) = delete;
  TAccessiblePtr& operator=(const TAccessiblePtr&) = delete;

  IAccessible* Get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  // Releases the held object; the address is for a call that fills it.
  IAccessible** Receive() {
    Reset();
    return &object_;
  }
  void Reset() {
    if (object_) std::exchange(object_, nullptr)->Release();
  }

 private:
  IAccessible* object_ = nullptr;
};

// COM for the calling thread while the object lives; OLEACC marshals the
// objects of other processes through it.
class TComApartment {
 public:
  TComApartment() : initialised_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~TComApartment() {
    if (initialised_) ::CoUninitialize();
  }
  TComApartment(const TComApartment&) = delete;
  TComApartment& operator=(const TComApartment&) = delete;

 private:
  bool initialised_;
};

// The window's class name, at most 62 characters; empty for an invalid
// window. Nothing is allocated.
void GetWindowClass(HWND wnd, TClassName& name);

// The screen rectangle of the window's accessible caret. False (and four
// zeros) when there is none, and when its coordinates and size add up to
// zero or less.
bool GetCaretFromObject(HWND wnd, Box& caret);

// The accessibility source of the event hook: holds the object and child of
// the last AccessibleObjectFromEvent until the next call replaces them.
class TOleAccSource final : public IAccessibilitySource {
 public:
  TOleAccSource();
  ~TOleAccSource() override;

  bool ObjectFromEvent(WindowRef wnd, std::int32_t object, std::int32_t child) override;
  void Location(Box& box) override;
  bool Role(std::int32_t& role) override;
  void WindowClass(WindowRef wnd, TClassName& name) override;
  bool WindowRect(WindowRef wnd, Rect& rect) override;
  void MoveTopmost(WindowRef wnd, Point at) override;

 private:
  TAccessiblePtr object_;
  VARIANT child_;
};

}  // namespace vxl::win
