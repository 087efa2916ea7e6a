#include "ui/Frame_win.h"

#include "ui/Control_win.h"
#include "ui/Form_win.h"

namespace vxl::ui {

TFrame::TFrame(FormTable table, std::wstring className)
    : TCustomForm(std::move(table)), className_(std::move(className)) {}

TFrame::~TFrame() {
  if (host_ && host_->HostedFrame() == this) host_->SetHostedFrame(nullptr);
}

bool TFrame::Create(const HandlerList& handlers, TControl& host) {
  if (!RegisterWindowClass(className_.c_str(), ::GetSysColorBrush(COLOR_BTNFACE))) return false;
  const RECT at = host.PixelRect();
  if (!CreateHandle(WS_EX_CONTROLPARENT, className_.c_str(), L"", WS_CHILD | WS_CLIPSIBLINGS,
                    at.left, at.top, 10, 10, host.Form().Window())) {
    return false;
  }
  host_ = &host;
  host.SetHostedFrame(this);
  // Above its host, which would otherwise paint over it.
  ::SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetDpi(WindowDpi(Handle()));
  BuildComponents(handlers);
  built_ = true;
  FollowHost();
  Fire(Event::Create);
  return true;
}

void TFrame::FollowHost() {
  if (!Handle() || !host_) return;
  const RECT at = host_->PixelRect();
  ::SetWindowPos(Handle(), nullptr, at.left, at.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::EnableWindow(Handle(), host_->EffectivelyEnabled());
  ::ShowWindow(Handle(), host_->Showing() ? SW_SHOWNA : SW_HIDE);
}

HWND TFrame::TopWindow() const {
  return host_ ? ::GetAncestor(host_->Form().Window(), GA_ROOT) : Handle();
}

void TFrame::ApplyOwnScale() {
  if (!Handle()) return;
  ::SetWindowPos(Handle(), nullptr, 0, 0, ScaleLength(Decl().at.width, Scale()),
                 ScaleLength(Decl().at.height, Scale()),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TFrame::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT TFrame::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (built_ && ReflectMessage(message, wParam, lParam, result)) return result;
  if (OnMessage(message, wParam, lParam, result)) return result;
  return Default(message, wParam, lParam);
}

}  // namespace vxl::ui
