#include "ui/Component_win.h"

#include "common/Encoding.h"

namespace vxl::ui {

TComponent::TComponent(const ComponentDecl& decl, TCustomForm* owner)
    : decl_(decl), owner_(owner), tag_(decl.tag), hint_(decl.hint) {}

TComponent::~TComponent() = default;

ILocalizableComponent* TComponent::FindComponent(std::string_view) { return nullptr; }

PropertyKind TComponent::KindOf(std::string_view property) const {
  switch (PropertyTypeOf(decl_.kind, property)) {
    case PropertyType::Text: return PropertyKind::Text;
    case PropertyType::StringList: return PropertyKind::StringList;
    case PropertyType::Other: return PropertyKind::Other;
    case PropertyType::Absent: break;
  }
  return PropertyKind::Absent;
}

void TComponent::SetText(std::string_view property, const std::string& value) {
  if (KindOf(property) == PropertyKind::Text) SetTextProperty(property, value);
}

void TComponent::SetLines(std::string_view property, const std::vector<std::string>& lines) {
  if (KindOf(property) == PropertyKind::StringList) SetListProperty(property, lines);
}

std::string TComponent::GetTextProperty(std::string_view property) const {
  return EqualsNoCase(property, "Hint") ? hint_ : std::string();
}

void TComponent::SetTextProperty(std::string_view property, const std::string& value) {
  if (EqualsNoCase(property, "Hint")) SetHint(value);
}

std::vector<std::string> TComponent::GetListProperty(std::string_view) const { return {}; }

void TComponent::SetListProperty(std::string_view, const std::vector<std::string>&) {}

void TComponent::SetHandler(Event event, EventHandler handler) {
  for (auto& [bound, current] : handlers_) {
    if (bound == event) {
      current = std::move(handler);
      return;
    }
  }
  handlers_.emplace_back(event, std::move(handler));
}

EventHandler TComponent::Handler(Event event) const {
  for (const auto& [bound, handler] : handlers_) {
    if (bound == event) return handler;
  }
  return {};
}

bool TComponent::Fire(TEvent& event) {
  for (const auto& [bound, handler] : handlers_) {
    if (bound == event.event && handler) {
      // A copy: the handler may rebind itself while it runs.
      const EventHandler call = handler;
      call(event);
      break;
    }
  }
  return event.allow;
}

bool TComponent::Fire(Event event, int value) {
  TEvent e{*this, event};
  e.value = value;
  return Fire(e);
}

}  // namespace vxl::ui
