#include "ui/CustomForm_win.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/Application_win.h"
#include "ui/Control_win.h"
#include "ui/WinText_win.h"

namespace vxl::ui {
namespace {

const ComponentDecl& RootRow(const FormTable& table) {
  static const ComponentDecl kEmpty{.kind = Kind::Form};
  return table.empty() ? kEmpty : table.front();
}

bool LiesUnderneath(Kind kind) {
  return kind == Kind::GroupBox || kind == Kind::Panel || kind == Kind::TabControl;
}

}  // namespace

TCustomForm::TCustomForm(FormTable table)
    : TableHolder{std::move(table)}, TComponent(RootRow(table_), nullptr) {}

TCustomForm::~TCustomForm() {
  // Controls reach the hint window and the fonts while they go.
  components_.clear();
}

ILocalizableComponent* TCustomForm::FindComponent(std::string_view name) { return Component(name); }

TComponent* TCustomForm::Component(std::string_view name) const {
  for (const auto& component : components_) {
    if (component->Decl().name == name) return component.get();
  }
  return nullptr;
}

TControl* TCustomForm::ControlById(int id) const {
  const int index = id - kFirstControlId - 1;  // the root is row 0
  if (index < 0 || index >= static_cast<int>(components_.size())) return nullptr;
  return dynamic_cast<TControl*>(components_[static_cast<std::size_t>(index)].get());
}

void TCustomForm::BuildComponents(const HandlerList& handlers) {
  problems_ = CheckTable(table_);
  hints_ = std::make_unique<THintWindow>(TopWindow());
  hints_->SetDelays(Application().HintPause(), Application().HintHidePause());
  for (std::size_t i = 1; i < table_.size(); ++i) {
    const ComponentDecl& decl = table_[i];
    TComponent* parent = Component(decl.parent);
    std::unique_ptr<TComponent> component = CreateComponent(decl, parent);
    if (auto* control = dynamic_cast<TControl*>(component.get())) {
      if (!control->Parent()) topControls_.push_back(control);
      if (!control->CreateHandle(Window(), kFirstControlId + static_cast<int>(i))) {
        problems_.push_back(decl.name + ": the window could not be created");
      }
    }
    components_.push_back(std::move(component));
  }
  ApplyScale();
  PutContainersUnderneath();
  for (TControl* control : topControls_) {
    control->UpdateEnabled();
    control->UpdateShowing();
  }
  BindHandlers(handlers);
}

void TCustomForm::PutContainersUnderneath() {
  const auto place = [](HWND wnd, HWND after) {
    ::SetWindowPos(wnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  };
  for (std::size_t i = components_.size(); i-- > 0;) {
    auto* control = dynamic_cast<TControl*>(components_[i].get());
    if (!control || !control->Handle() || !LiesUnderneath(control->ComponentKind())) continue;
    place(control->Handle(), HWND_BOTTOM);
    // Its label goes with it, just above: screen readers name a control
    // after the label before it in this order.
    auto* label = i > 0 ? dynamic_cast<TControl*>(components_[i - 1].get()) : nullptr;
    if (label && label->ComponentKind() == Kind::Label && label->Handle() &&
        IsFocusable(control->ComponentKind())) {
      place(label->Handle(), ::GetWindow(control->Handle(), GW_HWNDPREV));
    }
  }
}

void TCustomForm::BindHandlers(const HandlerList& handlers) {
  std::vector<bool> used(handlers.size(), false);
  for (std::size_t row = 0; row < table_.size(); ++row) {
    TComponent* component = row == 0 ? this : components_[row - 1].get();
    for (const Binding& binding : table_[row].events) {
      const auto found = std::find_if(handlers.begin(), handlers.end(),
                                      [&](const auto& h) { return h.first == binding.handler; });
      if (found == handlers.end()) {
        problems_.push_back(table_[row].name + ": no handler " + binding.handler);
        continue;
      }
      used[static_cast<std::size_t>(found - handlers.begin())] = true;
      component->SetHandler(binding.event, found->second);
    }
  }
  for (std::size_t i = 0; i < handlers.size(); ++i) {
    if (!used[i]) problems_.push_back("handler " + handlers[i].first + " is bound to nothing");
  }
}

void TCustomForm::ScaleBy(int zoom) {
  scale_.zoom = zoom;
  ApplyScale();
}

void TCustomForm::SetDpi(int dpi) {
  scale_.dpi = dpi;
  ApplyScale();
}

void TCustomForm::ApplyScale() {
  // The old fonts stay alive until every control holds a new one.
  std::vector<FontEntry> old = std::move(fonts_);
  fonts_.clear();
  if (Window()) {
    ::SendMessageW(Window(), WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(Decl())), FALSE);
  }
  ApplyOwnScale();
  for (const auto& component : components_) {
    if (auto* control = dynamic_cast<TControl*>(component.get())) control->ApplyScale();
  }
  if (Window()) ::InvalidateRect(Window(), nullptr, TRUE);
}

HFONT TCustomForm::FontFor(const ComponentDecl& decl) {
  int design = decl.fontHeight;
  if (design == 0) design = Decl().fontHeight;
  if (design == 0) design = kDefaultFontHeight;
  const int height = ScaleFontHeight(design, scale_);
  const bool bold = (decl.flags & kBold) != 0;
  for (const FontEntry& entry : fonts_) {
    if (entry.height == height && entry.bold == bold) return entry.font.get();
  }
  HFONT font = ::CreateFontW(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial");
  fonts_.push_back({height, bold, win::UniqueFont(font)});
  return font;
}

bool TCustomForm::ReflectMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  TControl* control = nullptr;
  result = 0;
  switch (message) {
    case WM_COMMAND:
      control = TControl::FromHandle(reinterpret_cast<HWND>(lParam));
      return control && control->OnCommand(HIWORD(wParam));
    case WM_NOTIFY: {
      auto& header = *reinterpret_cast<NMHDR*>(lParam);
      if (header.code == TTN_GETDISPINFOW) return AnswerHint(header);
      control = TControl::FromHandle(header.hwndFrom);
      return control && control->OnNotify(header, result);
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      control = TControl::FromHandle(reinterpret_cast<HWND>(lParam));
      return control && control->OnScroll(LOWORD(wParam));
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      control = TControl::FromHandle(item.hwndItem);
      result = TRUE;
      return control && control->OnDrawItem(item);
    }
    case WM_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      control = ControlById(static_cast<int>(item.CtlID));
      result = TRUE;
      return control && control->OnMeasureItem(item);
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      control = TControl::FromHandle(reinterpret_cast<HWND>(lParam));
      HBRUSH brush = control ? control->OnCtlColor(reinterpret_cast<HDC>(wParam)) : nullptr;
      result = reinterpret_cast<LRESULT>(brush);
      return brush != nullptr;
    }
  }
  return false;
}

bool TCustomForm::AnswerHint(NMHDR& header) {
  auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
  TControl* control = TControl::FromHandle(reinterpret_cast<HWND>(header.idFrom));
  if (!control) return false;
  POINT point{};
  ::GetCursorPos(&point);
  ::ScreenToClient(control->Handle(), &point);
  // The tip keeps the text pointer until it asks again.
  hintText_ = win::Widen(control->HintAt(point));
  info.lpszText = hintText_.data();
  info.hinst = nullptr;
  return true;
}

}  // namespace vxl::ui
