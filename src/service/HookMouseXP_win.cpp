#include "service/HookMouseXP_win.h"

#include "ui/WinText_win.h"

namespace vxl {

// --- TReceptionMessageCopyData -------------------------------------------------

bool TReceptionMessageCopyData::EnsureHandle(HWND parent) {
  if (Handle() != nullptr) return true;
  if (!RegisterWindowClass(kClassName, nullptr)) return false;
  return CreateHandle(0, kClassName, L"", WS_CHILD, 0, 0, 0, 0, parent);
}

LRESULT TReceptionMessageCopyData::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COPYDATA: return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
  }
  return Default(message, wParam, lParam);
}

LRESULT TReceptionMessageCopyData::OnCopyData(const COPYDATASTRUCT* data) {
  if (data == nullptr || data->cbData != sizeof(TMouseHookData)) return 0;
  return component_.HandleForwardedMessage(data->lpData, data->cbData, SampleDesktopShiftState());
}

TShiftStateEx SampleDesktopShiftState() {
  // The asynchronous state is the desktop's: this thread's own key state
  // never sees the input of the processes the messages come from. It names
  // physical buttons, the messages name logical ones.
  const bool swapped = ::GetSystemMetrics(SM_SWAPBUTTON) != 0;
  return SampleShiftState([swapped](int virtualKey) {
    if (swapped && (virtualKey == VK_LBUTTON || virtualKey == VK_RBUTTON)) {
      virtualKey = virtualKey == VK_LBUTTON ? VK_RBUTTON : VK_LBUTTON;
    }
    return (::GetAsyncKeyState(virtualKey) & 0x8000) != 0;
  });
}

// --- TWinHookMouseXP -----------------------------------------------------------

TWinHookMouseXP::TWinHookMouseXP(HWND owner, std::wstring caption, bool enabled)
    : owner_(owner),
      caption_(std::move(caption)),
      receiver_(component_),
      component_(*this, enabled) {}

bool TWinHookMouseXP::LoadHookLibrary(const std::string& path) {
  library_.reset(::LoadLibraryW(win::Widen(path).c_str()));
  return static_cast<bool>(library_);
}

namespace {
template <typename Proc>
Proc BindExport(HMODULE library, const char* name) {
  // GetProcAddress returns a generic function pointer; the export's real
  // type is part of the library's contract.
  return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(::GetProcAddress(library, name)));
}
}  // namespace

bool TWinHookMouseXP::BindInitialisationHook() {
  initialisationHook_ = BindExport<InitialisationHookProc>(library_.get(), "InitialisationHook");
  return initialisationHook_ != nullptr;
}

bool TWinHookMouseXP::BindFinalisationHook() {
  finalisationHook_ = BindExport<FinalisationHookProc>(library_.get(), "FinalisationHook");
  return finalisationHook_ != nullptr;
}

bool TWinHookMouseXP::CallInitialisationHook() {
  if (initialisationHook_ == nullptr || !receiver_.EnsureHandle(owner_)) return false;
  return initialisationHook_(receiver_.Handle()) != 0;
}

void TWinHookMouseXP::CallFinalisationHook() {
  if (finalisationHook_ != nullptr) finalisationHook_();
}

void TWinHookMouseXP::FreeHookLibrary() {
  initialisationHook_ = nullptr;
  finalisationHook_ = nullptr;
  library_.reset();
}

void TWinHookMouseXP::ShowMessage(const std::string& text) {
  ::MessageBoxW(nullptr, win::Widen(text).c_str(), caption_.c_str(), MB_OK);
}

}  // namespace vxl
