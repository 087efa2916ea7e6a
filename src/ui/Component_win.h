// TComponent: what every piece of a form has, visual or not: its table
// row, a name, a Tag, its owner (the form or frame), handlers bound to its
// events, and text and string-list properties reachable by name for the
// form localizer.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/uclLocalizer.h"
#include "ui/FormTable.h"

namespace vxl::ui {

class TComponent;
class TCustomForm;

// Modifier keys held during a key or mouse event.
struct ShiftState {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// What a handler learns of an event, and what it may answer.
struct TEvent {
  TComponent& sender;
  Event event;
  int value = 0;  // Change, Changing: the new or proposed value
  int col = -1;   // SelectCell
  int row = -1;
  int x = 0;  // MouseMove: client coordinates of the sender
  int y = 0;
  WORD key = 0;  // KeyDown, KeyUp: a handler sets 0 to swallow the key
  ShiftState shift{};
  HDC dc = nullptr;   // Paint: the device context to draw on
  RECT area{};        // Paint: the rectangle to fill
  bool allow = true;  // Changing, SelectCell, CloseQuery: false refuses
};

using EventHandler = std::function<void(TEvent&)>;

class TComponent : public ILocalizableComponent {
 public:
  // decl lives in the owner's copy of its table; owner is null for a root.
  TComponent(const ComponentDecl& decl, TCustomForm* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  const ComponentDecl& Decl() const { return decl_; }
  Kind ComponentKind() const { return decl_.kind; }
  TCustomForm* Owner() const { return owner_; }

  // ILocalizableComponent
  std::string Name() const override { return decl_.name; }
  int Tag() const override { return tag_; }
  ILocalizableComponent* FindComponent(std::string_view name) override;
  PropertyKind KindOf(std::string_view property) const override;
  void SetText(std::string_view property, const std::string& value) override;
  void SetLines(std::string_view property, const std::vector<std::string>& lines) override;

  void SetTag(int tag) { tag_ = tag; }
  // Text and list properties by name ("Caption", "Hint", "Items", ...).
  virtual std::string GetTextProperty(std::string_view property) const;
  virtual void SetTextProperty(std::string_view property, const std::string& value);
  virtual std::vector<std::string> GetListProperty(std::string_view property) const;
  virtual void SetListProperty(std::string_view property, const std::vector<std::string>& lines);

  std::string Caption() const { return GetTextProperty("Caption"); }
  void SetCaption(const std::string& caption) { SetTextProperty("Caption", caption); }
  const std::string& Hint() const { return hint_; }
  virtual void SetHint(const std::string& hint) { hint_ = hint; }

  // Handlers can be swapped at run time, e.g. detached while code moves a
  // grid's current cell.
  void SetHandler(Event event, EventHandler handler);
  EventHandler Handler(Event event) const;
  // Calls the handler bound to the event, if any; returns event.allow.
  bool Fire(TEvent& event);
  bool Fire(Event event, int value = 0);

 private:
  const ComponentDecl& decl_;
  TCustomForm* owner_;
  int tag_;
  std::string hint_;
  std::vector<std::pair<Event, EventHandler>> handlers_;
};

}  // namespace vxl::ui
