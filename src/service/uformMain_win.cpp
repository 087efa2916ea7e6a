#include "service/uformMain_win.h"

#include <functional>
#include <utility>

#include "service/HotKeys.h"
#include "ui/WinGeometry_win.h"
#include "ui/WinText_win.h"

namespace vxl {

void ShowColourDepthError(int bitsPerPixel) {
  // A catalogue of its own for the "Commons" section, freed right after.
  win::TSharedFoundation foundation;
  const auto commons = foundation.Settings().CreateMessageCatalogue(kCommonsSection);
  const MessageBoxText box =
      ColourDepthError([&](std::string_view key) { return commons->GetMsg(key); }, bitsPerPixel);
  foundation.Boxes().Show(0, box.text, box.caption, BoxIcon::Error, BoxButtons::Ok);
}

TVexilor2Wnd::~TVexilor2Wnd() { DestroyHandle(); }

bool TVexilor2Wnd::Create(bool startedByConfig) {
  if (!RegisterWindowClass(kClassName, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)))) {
    return false;
  }
  // Borderless, so the window is exactly its client area; centred on the
  // desktop like a form with its position at the desktop centre.
  const int x = (::GetSystemMetrics(SM_CXSCREEN) - kClientWidth) / 2;
  const int y = (::GetSystemMetrics(SM_CYSCREEN) - kClientHeight) / 2;
  const DWORD exStyle = WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW;
  if (!CreateHandle(exStyle, kClassName, kCaption, WS_POPUP, x, y, kClientWidth, kClientHeight,
                    nullptr)) {
    return false;
  }
  // Black is the colour key and the background: nothing of it is ever seen.
  ::SetLayeredWindowAttributes(Handle(), RGB(0, 0, 0), 0, LWA_COLORKEY);
  catalogue_ = foundation_.Settings().CreateMessageCatalogue("Vexilor");
  system_.AttachMainWindow(Handle());
  hotKeyMgr_.OnHotKeyPressed = std::bind_front(&TVexilor2Wnd::HotKeyMgrHotKeyPressed, this);
  CreateHookMouseXP();
  core_.Start(startedByConfig);
  return true;
}

void TVexilor2Wnd::Show() { ::ShowWindow(Handle(), SW_SHOWNOACTIVATE); }

LRESULT TVexilor2Wnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_VXL_SETMODE: return core_.OnSetMode(wParam, lParam);
    case WM_VXL_RELOAD: return core_.OnReload(wParam);
    case WM_VXL_PREVIEW: return core_.OnPreview(wParam, lParam);
    case WM_VXL_FILTERS: return core_.OnFilters(wParam, lParam);
    case WM_COPYDATA: return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_POWERBROADCAST: return core_.OnPowerBroadcast(wParam);
    case WM_ACTIVATEAPP: OnActivateApp(wParam != FALSE); return 0;
    case WM_SYSCOMMAND:
      // Stay restored: the service never minimises.
      if ((wParam & 0xFFF0) == SC_MINIMIZE) return 0;
      break;
    case kShowRefusedHotKeys: OnShowRefusedHotKeys(); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
  }
  return Default(message, wParam, lParam);
}

LRESULT TVexilor2Wnd::OnCopyData(const COPYDATASTRUCT* data) {
  if (data == nullptr) return 0;
  return core_.OnCopyData(data->lpData, data->cbData);
}

void TVexilor2Wnd::OnActivateApp(bool active) {
  if (!active) core_.RaiseFloatingWindows();
}

void TVexilor2Wnd::OnDestroy() {
  // Removes the mouse hook and unloads its library while the receiver still
  // exists. The owned locator windows are already gone; their objects and
  // timers go now, the caret locator before the hook it reports from.
  hookMouseXP_.reset();
  locator_.reset();
  FreeCaretLocator();
  FreeWinEventHook();
  ::PostQuitMessage(0);
}

// --- mouse hook --------------------------------------------------------------

void TVexilor2Wnd::CreateHookMouseXP() {
  hookMouseXP_ = std::make_unique<TWinHookMouseXP>(Handle(), kCaption, false);
  THookMouseXP& hook = hookMouseXP_->Component();
  hook.OnMouseDown = std::bind_front(&TVexilor2Wnd::HookMouseXPMouseDown, this);
  hook.OnMouseUp = std::bind_front(&TVexilor2Wnd::HookMouseXPMouseUp, this);
  hook.OnMouseMove = std::bind_front(&TVexilor2Wnd::HookMouseXPMouseMove, this);
  hook.OnMouseWheelUp = std::bind_front(&TVexilor2Wnd::HookMouseXPMouseWheelUp, this);
  hook.OnMouseWheelDown = std::bind_front(&TVexilor2Wnd::HookMouseXPMouseWheelDown, this);
}

void TVexilor2Wnd::EnableMouseHook() {
  if (hookMouseXP_) hookMouseXP_->Component().SetEnabled(true);
}

// Every mouse message of the desktop passes here while the hook's sender
// waits: the rules are plain comparisons, actions run on releases only.
void TVexilor2Wnd::HookMouseXPMouseDown(THookMouseXP&, TMouseButtonEx Button, TShiftStateEx Shift,
                                        std::int32_t, std::int32_t, WindowRef HandleWindow,
                                        std::uint32_t HitTestCode, std::uint32_t, std::uint32_t,
                                        bool ClientArea, bool& StopMsg) {
  shortcuts_.MouseDown(Button, Shift, HandleWindow, HitTestCode, ClientArea, StopMsg);
}

void TVexilor2Wnd::HookMouseXPMouseUp(THookMouseXP&, TMouseButtonEx Button, TShiftStateEx Shift,
                                      std::int32_t X, std::int32_t Y, WindowRef HandleWindow,
                                      std::uint32_t, std::uint32_t, std::uint32_t, bool,
                                      bool& StopMsg) {
  shortcuts_.MouseUp(Button, Shift, {X, Y}, HandleWindow, StopMsg);
}

void TVexilor2Wnd::HookMouseXPMouseMove(THookMouseXP&, TShiftStateEx, std::int32_t X,
                                        std::int32_t Y, WindowRef HandleWindow, std::uint32_t,
                                        std::uint32_t, bool, bool&) {
  shortcuts_.MouseMove({X, Y}, HandleWindow);
}

void TVexilor2Wnd::HookMouseXPMouseWheelUp(THookMouseXP&, TShiftStateEx Shift, Point,
                                           WindowRef HandleWindow, bool& StopMsg) {
  shortcuts_.WheelUp(Shift, HandleWindow, StopMsg);
}

void TVexilor2Wnd::HookMouseXPMouseWheelDown(THookMouseXP&, TShiftStateEx Shift, Point,
                                             WindowRef HandleWindow, bool& StopMsg) {
  shortcuts_.WheelDown(Shift, HandleWindow, StopMsg);
}

// --- hot keys -------------------------------------------------------------

void TVexilor2Wnd::RegisterHotKeys() {
  std::vector<std::uint32_t> refused;
  RegisterHotKeyTable(
      core_.Config(),
      [this](std::uint32_t value) {
        return static_cast<std::uint32_t>(hotKeyMgr_.AddHotKey(value));
      },
      [&](std::uint32_t value) { refused.push_back(value); });
  if (refused.empty()) return;
  refusedHotKeys_ = std::move(refused);
  if (!refusedHotKeysQueued_) {
    refusedHotKeysQueued_ = true;
    ::PostMessageW(Handle(), kShowRefusedHotKeys, 0, 0);
  }
}

void TVexilor2Wnd::UnregisterAllHotKeys() { hotKeyMgr_.RemoveAllHotKeys(); }

void TVexilor2Wnd::OnShowRefusedHotKeys() {
  // Refusals that arrive while the box is open are told after it, once,
  // unless they are the ones just told.
  std::vector<std::uint32_t> told;
  while (!refusedHotKeys_.empty() && refusedHotKeys_ != told && ::IsWindow(Handle())) {
    told = std::exchange(refusedHotKeys_, {});
    std::vector<std::string> keyTexts;
    for (std::uint32_t hotKey : told) {
      keyTexts.push_back(win::THotKeyManager::HotKeyText(hotKey, true));
    }
    foundation_.Boxes().Show(win::ToWindowRef(Handle()),
                             RefusedHotKeysText(keyTexts, catalogue_->GetMsg("rsCantBeAssigned")),
                             catalogue_->GetMsg("rsVXL2"), BoxIcon::Warning, BoxButtons::Ok);
  }
  refusedHotKeys_.clear();
  refusedHotKeysQueued_ = false;
}

void TVexilor2Wnd::HotKeyMgrHotKeyPressed(std::uint32_t HotKey, int) {
  const std::int32_t action = HotKeyAction(core_.Config(), HotKey);
  if (action > 0) actions_.RunAction(action, 0);
}

// --- components -----------------------------------------------------------

void TVexilor2Wnd::LoadDefaultProfile() {
  // A failed load has warned the user; the service runs with what the
  // record then holds.
  LoadProfile(foundation_.Profiles(*catalogue_), core_.Config(), win::ToWindowRef(Handle()), false,
              foundation_.UserName(), kDefaultProfileName);
}

void TVexilor2Wnd::CreatePointerLocator() {
  IServiceHost& host = *this;
  auto locator =
      std::make_unique<TVexilorLocWnd>(core_.Config(), core_.State(), core_.Positions(), host);
  if (locator->Create(Handle())) locator_ = std::move(locator);
}
void TVexilor2Wnd::ReloadLanguage() { foundation_.Settings().ReloadCatalogueLanguage(*catalogue_); }

bool TVexilor2Wnd::ForegroundWindowRect(WindowRef wnd, Rect& rect) {
  HWND window = win::ToHwnd(wnd);
  return window != nullptr && ::GetForegroundWindow() == window && win::WindowRect(window, rect);
}

bool TVexilor2Wnd::ConfigurationProgramPresent(WindowRef configWindow) {
  if (configWindow != 0) return ::IsWindow(win::ToHwnd(configWindow)) != FALSE;
  return ::FindWindowW(kConfigWindowClass, nullptr) != nullptr;
}

void TVexilor2Wnd::WatchConfigurationProgram(bool enabled) {
  configurationWatch_.SetEnabled(enabled);
}

void TVexilor2Wnd::ApplyLocatorSettings() {
  if (locator_) locator_->ApplySettings();
}

bool TVexilor2Wnd::LocatorOnScreen() { return locator_ && locator_->Visible(); }

void TVexilor2Wnd::RepaintLocator() {
  if (locator_) locator_->Repaint();
}

void TVexilor2Wnd::EnableInactivityTimer(bool enabled) {
  if (locator_) locator_->EnableInactivityTimer(enabled);
}

void TVexilor2Wnd::TogglePerformanceMonitor() {
  if (locator_) locator_->TogglePerformanceMonitor();
}

bool TVexilor2Wnd::PerformanceMonitorOn() { return locator_ && locator_->PerformanceMonitorOn(); }

void TVexilor2Wnd::ShowPointerLocator(int x, int y, bool show) {
  // The main window is shown at start only so that the message loop runs
  // like a form's; the first locator request makes it invisible for good.
  if (::IsWindowVisible(Handle())) ::ShowWindow(Handle(), SW_HIDE);
  if (!locator_) return;
  if (show) {
    locator_->ShowAt(x, y);
  } else {
    locator_->Hide();
  }
}

bool TVexilor2Wnd::CaretLocatorExists() { return caretLocator_ != nullptr; }

bool TVexilor2Wnd::CaretLocatorVisible() { return caretLocator_ && caretLocator_->Visible(); }

void TVexilor2Wnd::CreateCaretLocator() {
  if (caretLocator_) return;
  auto caretLocator = std::make_unique<TVXLCaretLocWnd>(core_.Config(), winEventHook_);
  if (caretLocator->Create(Handle())) caretLocator_ = std::move(caretLocator);
}

void TVexilor2Wnd::FreeCaretLocator() {
  if (!caretLocator_) return;
  caretLocator_->Close();
  caretLocator_.reset();
}

void TVexilor2Wnd::SetCaretLocatorState(CaretLocatorState state) {
  if (caretLocator_) caretLocator_->SetState(state);
}

void TVexilor2Wnd::ShowCaretLocator() {
  if (caretLocator_) caretLocator_->Show();
}

void TVexilor2Wnd::PreviewCaretAt(int x, int y) {
  if (caretLocator_) caretLocator_->PreviewAt({x, y});
}

void TVexilor2Wnd::SetCaretOpacity(std::uint8_t opacity) {
  if (caretLocator_) caretLocator_->SetOpacity(opacity);
}

void TVexilor2Wnd::NextCaretBarType() {
  if (caretLocator_) caretLocator_->NextBarType();
}

bool TVexilor2Wnd::WinEventHookExists() { return winEventHook_ != nullptr; }

void TVexilor2Wnd::CreateWinEventHook() {
  if (!winEventHook_) winEventHook_ = std::make_unique<win::TWinEventHook>();
}

void TVexilor2Wnd::SetToolTipsMinTop(bool enabled) {
  if (winEventHook_) winEventHook_->Events().ToolTipsMinTop = enabled;
}

void TVexilor2Wnd::StartWinEventHook() {
  // A refused hook is not reported: nothing is tracked then.
  if (winEventHook_) winEventHook_->Start();
}

void TVexilor2Wnd::StopWinEventHook() {
  if (winEventHook_) winEventHook_->Stop();
}

void TVexilor2Wnd::FreeWinEventHook() { winEventHook_.reset(); }

void TVexilor2Wnd::PostFiltersMessage(std::uintptr_t wParam, std::intptr_t lParam) {
  ::PostMessageW(Handle(), WM_VXL_FILTERS, wParam, lParam);
}

void TVexilor2Wnd::SendFiltersMessage(std::uintptr_t wParam, std::intptr_t lParam) {
  ::SendMessageW(Handle(), WM_VXL_FILTERS, wParam, lParam);
}

void TVexilor2Wnd::BringApplicationToFront() { ::SetForegroundWindow(Handle()); }
void TVexilor2Wnd::RaiseCaretLocatorTopmost() {
  if (caretLocator_) caretLocator_->RaiseTopmost();
}

}  // namespace vxl
