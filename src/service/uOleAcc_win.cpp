#include "service/uOleAcc_win.h"

namespace vxl::win {
namespace {

HWND ToHwnd(WindowRef wnd) { return reinterpret_cast<HWND>(wnd); }

VARIANT ChildVariant(LONG child) {
  VARIANT v;
  ::VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = child;
  return v;
}

// The capacity the class name is read with: 62 characters and the end.
constexpr int kClassBufferChars = 63;

}  // namespace

void GetWindowClass(HWND wnd, TClassName& name) {
  wchar_t buffer[kClassBufferChars];
  const int length = wnd ? ::GetClassNameW(wnd, buffer, kClassBufferChars) : 0;
  if (length <= 0) {
    name.Clear();
    return;
  }
  const int bytes =
      ::WideCharToMultiByte(CP_UTF8, 0, buffer, length, name.Buffer(),
                            static_cast<int>(TClassName::kCapacity), nullptr, nullptr);
  name.SetLength(bytes > 0 ? static_cast<std::size_t>(bytes) : 0);
}

bool GetCaretFromObject(HWND wnd, Box& caret) {
  caret = {0, 0, 0, 0};
  TAccessiblePtr object;
  if (FAILED(::AccessibleObjectFromWindow(wnd, static_cast<DWORD>(OBJID_CARET), kIID_IAccessible,
                                          reinterpret_cast<void**>(object.Receive()))) ||
      !object) {
    return false;
  }
  LONG left = 0, top = 0, width = 0, height = 0;
  object.Get()->accLocation(&left, &top, &width, &height, ChildVariant(CHILDID_SELF));
  caret = {left, top, width, height};
  return left + top + width + height > 0;
}

TOleAccSource::TOleAccSource() { child_ = ChildVariant(CHILDID_SELF); }

TOleAccSource::~TOleAccSource() { ::VariantClear(&child_); }

bool TOleAccSource::ObjectFromEvent(WindowRef wnd, std::int32_t object, std::int32_t child) {
  ::VariantClear(&child_);
  const HRESULT result =
      ::AccessibleObjectFromEvent(ToHwnd(wnd), static_cast<DWORD>(object),
                                  static_cast<DWORD>(child), object_.Receive(), &child_);
  return SUCCEEDED(result) && object_;
}

void TOleAccSource::Location(Box& box) {
  if (!object_) return;
  LONG left = box.left, top = box.top, width = box.width, height = box.height;
  // The result is not looked at: a call that writes nothing leaves the
  // values the caller started with.
  object_.Get()->accLocation(&left, &top, &width, &height, child_);
  box = {left, top, width, height};
}

bool TOleAccSource::Role(std::int32_t& role) {
  if (!object_) return false;
  VARIANT value;
  ::VariantInit(&value);
  const HRESULT result = object_.Get()->get_accRole(child_, &value);
  const bool isInteger = SUCCEEDED(result) && value.vt == VT_I4;
  if (isInteger) role = value.lVal;
  ::VariantClear(&value);
  return isInteger;
}

void TOleAccSource::WindowClass(WindowRef wnd, TClassName& name) {
  GetWindowClass(ToHwnd(wnd), name);
}

bool TOleAccSource::WindowRect(WindowRef wnd, Rect& rect) {
  RECT r;
  if (!::GetWindowRect(ToHwnd(wnd), &r)) return false;
  rect = {r.left, r.top, r.right, r.bottom};
  return true;
}

void TOleAccSource::MoveTopmost(WindowRef wnd, Point at) {
  ::SetWindowPos(ToHwnd(wnd), HWND_TOPMOST, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace vxl::win
