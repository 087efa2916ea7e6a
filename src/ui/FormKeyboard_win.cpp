// The keyboard of a form as in a dialog box: Tab and Shift+Tab walk the
// controls in declaration order, arrows move within a group of radio
// buttons, Alt + a caption's underlined letter acts on its control, Enter
// presses the default button (or the focused one) and Escape the cancel
// button. Done here rather than by IsDialogMessage so that the order is the
// table's, whatever the windows' stacking order is.
#include <windowsx.h>

#include <algorithm>

#include "common/Encoding.h"
#include "ui/Buttons_win.h"
#include "ui/CustomForm_win.h"
#include "ui/Edits_win.h"
#include "ui/Frame_win.h"
#include "ui/HotKey_win.h"

namespace vxl::ui {

void TCustomForm::AppendControls(const std::vector<TControl*>& controls, bool tabStopsOnly,
                                 std::vector<TControl*>& out) const {
  for (TControl* control : controls) {
    if (!tabStopsOnly || control->IsTabStop()) out.push_back(control);
    AppendControls(control->Children(), tabStopsOnly, out);
    if (const TFrame* frame = control->HostedFrame()) {
      AppendControls(frame->TopControls(), tabStopsOnly, out);
    }
  }
}

std::vector<TControl*> TCustomForm::TabStops() const {
  std::vector<TControl*> stops;
  AppendControls(topControls_, true, stops);
  return stops;
}

TControl* TCustomForm::FocusedControl() const {
  HWND focus = ::GetFocus();
  TControl* control = TControl::FromChildHandle(focus);
  if (!control || !Window()) return nullptr;
  // Ours, or a frame's inside this form.
  return ::GetAncestor(control->Handle(), GA_ROOT) == ::GetAncestor(Window(), GA_ROOT) ? control
                                                                                       : nullptr;
}

void TCustomForm::SelectNext(bool forward) {
  const std::vector<TControl*> stops = TabStops();
  if (stops.empty()) return;
  const auto at = std::find(stops.begin(), stops.end(), FocusedControl());
  std::size_t next = 0;
  if (at == stops.end()) {
    next = forward ? 0 : stops.size() - 1;
  } else {
    const std::size_t index = static_cast<std::size_t>(at - stops.begin());
    next = forward ? (index + 1) % stops.size() : (index + stops.size() - 1) % stops.size();
  }
  TControl* target = stops[next];
  target->SetFocus();
  // As in a dialog: an edit entered with Tab has its text selected.
  if (auto* edit = dynamic_cast<TCustomEdit*>(target)) edit->SelectAll();
}

bool TCustomForm::HandleAccelerator(char32_t character) {
  character = LowerLatin1(character);
  std::vector<TControl*> controls;
  AppendControls(topControls_, false, controls);
  const auto focused = std::find(controls.begin(), controls.end(), FocusedControl());
  // The search starts after the focused control, so that a letter used
  // twice moves between its controls.
  std::size_t start =
      focused == controls.end() ? 0 : static_cast<std::size_t>(focused - controls.begin()) + 1;
  for (std::size_t n = 0; n < controls.size(); ++n) {
    TControl* control = controls[(start + n) % controls.size()];
    if (!control->Handle() || !control->Showing() || !control->EffectivelyEnabled()) continue;
    if (PropertyTypeOf(control->ComponentKind(), "Caption") != PropertyType::Text) continue;
    if (AcceleratorOf(control->Caption()) != character) continue;
    control->OnAccelerator();
    return true;
  }
  return false;
}

TButton* TCustomForm::DefaultButton() const {
  for (const auto& component : components_) {
    auto* button = dynamic_cast<TButton*>(component.get());
    if (button && button->IsDefault() && button->Showing() && button->EffectivelyEnabled()) {
      return button;
    }
  }
  return nullptr;
}

TButton* TCustomForm::CancelButton() const {
  for (const auto& component : components_) {
    auto* button = dynamic_cast<TButton*>(component.get());
    if (button && button->IsCancel() && button->Showing() && button->EffectivelyEnabled()) {
      return button;
    }
  }
  return nullptr;
}

bool TCustomForm::WantsKey(TControl* focused, MSG& msg, UINT codes) const {
  if (!focused || !focused->Handle()) return false;
  const auto answer =
      ::SendMessageW(::GetFocus(), WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
  return (answer & codes) != 0;
}

bool TCustomForm::MoveInRadioGroup(TControl* focused, bool forward) {
  auto* radio = dynamic_cast<TRadioButton*>(focused);
  if (!radio) return false;
  const std::vector<TRadioButton*> group = radio->Group();
  const auto at = std::find(group.begin(), group.end(), radio);
  const std::size_t index = static_cast<std::size_t>(at - group.begin());
  for (std::size_t n = 1; n < group.size(); ++n) {
    TRadioButton* next = group[(index + (forward ? n : group.size() - n)) % group.size()];
    if (next->Showing() && next->EffectivelyEnabled()) {
      next->SetFocus();
      next->SetChecked(true);
      return true;
    }
  }
  return true;
}

bool TCustomForm::HandleKeyDown(MSG& msg, TControl* focused) {
  const bool ctrl = ::GetKeyState(VK_CONTROL) < 0;
  const bool alt = ::GetKeyState(VK_MENU) < 0;
  const bool multiLine = dynamic_cast<TMemo*>(focused) && !(focused->Decl().flags & kReadOnly);
  switch (msg.wParam) {
    case VK_TAB:
      if (ctrl || alt || WantsKey(focused, msg, DLGC_WANTTAB)) return false;
      SelectNext(::GetKeyState(VK_SHIFT) >= 0);
      return true;
    case VK_RETURN: {
      if (multiLine ||
          (!dynamic_cast<TMemo*>(focused) && WantsKey(focused, msg, DLGC_WANTMESSAGE))) {
        return false;
      }
      TButton* button = dynamic_cast<TButton*>(focused);
      if (!button) button = DefaultButton();
      if (!button) return false;
      button->Click();
      return true;
    }
    case VK_ESCAPE: {
      if (!dynamic_cast<TMemo*>(focused) && WantsKey(focused, msg, DLGC_WANTMESSAGE)) return false;
      TButton* button = CancelButton();
      if (!button) return false;
      button->Click();
      return true;
    }
    case VK_LEFT:
    case VK_UP: return MoveInRadioGroup(focused, false);
    case VK_RIGHT:
    case VK_DOWN: return MoveInRadioGroup(focused, true);
  }
  return false;
}

bool TCustomForm::PreTranslateMessage(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  TControl* focused = FocusedControl();
  const bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
  if (down || msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) {
    // Key preview: the form's own key handlers see its controls' keys first.
    TEvent event{*this, down ? Event::KeyDown : Event::KeyUp};
    event.key = static_cast<WORD>(msg.wParam);
    event.shift = {::GetKeyState(VK_SHIFT) < 0, ::GetKeyState(VK_CONTROL) < 0,
                   ::GetKeyState(VK_MENU) < 0};
    Fire(event);
    if (event.key == 0) return true;
    msg.wParam = event.key;
  }
  switch (msg.message) {
    case WM_KEYDOWN: return HandleKeyDown(msg, focused);
    case WM_SYSCHAR:
      // Alt + a letter is a combination to capture there, not an accelerator.
      if (dynamic_cast<THotKey*>(focused)) return false;
      return HandleAccelerator(static_cast<char32_t>(msg.wParam));
    case WM_CHAR:
      // Without Alt, a letter is an accelerator only where it types nothing.
      if (msg.wParam < 0x20 || !focused || WantsKey(focused, msg, DLGC_WANTCHARS)) return false;
      return HandleAccelerator(static_cast<char32_t>(msg.wParam));
  }
  return false;
}

}  // namespace vxl::ui
