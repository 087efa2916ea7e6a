// Owning wrappers for the system's handles: move-only, released exactly once.
// release() hands ownership to the caller (or the system) and says so where
// it is called.
#pragma once

#include <windows.h>

#include <utility>

namespace vxl::win {

template <typename H, typename Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(H handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  H get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Invalid(); }
  [[nodiscard]] H release() { return std::exchange(handle_, Traits::Invalid()); }
  void reset(H handle = Traits::Invalid()) {
    H old = std::exchange(handle_, handle);
    if (old != Traits::Invalid()) Traits::Close(old);
  }

 private:
  H handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
  static HANDLE Invalid() { return nullptr; }
  static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct FileHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { ::CloseHandle(h); }
};
template <typename T>
struct GdiObjectTraits {
  static T Invalid() { return nullptr; }
  static void Close(T h) { ::DeleteObject(h); }
};
struct MemoryDCTraits {
  static HDC Invalid() { return nullptr; }
  static void Close(HDC h) { ::DeleteDC(h); }
};
struct ModuleTraits {
  static HMODULE Invalid() { return nullptr; }
  static void Close(HMODULE h) { ::FreeLibrary(h); }
};

using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
using UniqueFileHandle = UniqueHandle<HANDLE, FileHandleTraits>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectTraits<HBRUSH>>;
using UniquePen = UniqueHandle<HPEN, GdiObjectTraits<HPEN>>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectTraits<HBITMAP>>;
using UniqueFont = UniqueHandle<HFONT, GdiObjectTraits<HFONT>>;
using UniqueRegion = UniqueHandle<HRGN, GdiObjectTraits<HRGN>>;
using UniqueMemoryDC = UniqueHandle<HDC, MemoryDCTraits>;
using UniqueModule = UniqueHandle<HMODULE, ModuleTraits>;

// A device context from GetDC, released with the window it came from.
class WindowDC {
 public:
  explicit WindowDC(HWND wnd) : wnd_(wnd), dc_(::GetDC(wnd)) {}
  ~WindowDC() {
    if (dc_) ::ReleaseDC(wnd_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND wnd_;
  HDC dc_;
};

// Selects an object into a DC for the guard's lifetime.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
  ~SelectGuard() {
    if (old_) ::SelectObject(dc_, old_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A search handle of FindFirstFile, closed by FindClose (not CloseHandle).
class FindHandle {
 public:
  explicit FindHandle(HANDLE search) : search_(search) {}
  ~FindHandle() {
    if (search_ != INVALID_HANDLE_VALUE) ::FindClose(search_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  HANDLE get() const { return search_; }
  explicit operator bool() const { return search_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE search_;
};

// A named mutex taken at creation; released and closed at the end.
class OwnedMutex {
 public:
  OwnedMutex() = default;
  // alreadyExisted tells whether another process holds the name.
  OwnedMutex(const wchar_t* name, bool& alreadyExisted) {
    handle_.reset(::CreateMutexW(nullptr, TRUE, name));
    alreadyExisted = ::GetLastError() == ERROR_ALREADY_EXISTS;
    owned_ = handle_ && !alreadyExisted;
  }
  ~OwnedMutex() {
    if (owned_) ::ReleaseMutex(handle_.get());
  }
  OwnedMutex(const OwnedMutex&) = delete;
  OwnedMutex& operator=(const OwnedMutex&) = delete;

 private:
  UniqueKernelHandle handle_;
  bool owned_ = false;
};

}  // namespace vxl::win
