#include "ui/FormTable.h"

#include <array>
#include <set>

#include "common/Encoding.h"

namespace vxl::ui {
namespace {

enum Trait : unsigned {
  kRoot = 1u << 0,
  kVisual = 1u << 1,
  kFocusable = 1u << 2,
  kContainer = 1u << 3,  // holds visual controls
};

constexpr std::uint32_t EventBit(Event e) { return 1u << static_cast<unsigned>(e); }
constexpr std::uint32_t kClick = EventBit(Event::Click);
constexpr std::uint32_t kChange = EventBit(Event::Change);
constexpr std::uint32_t kChanging = EventBit(Event::Changing);
constexpr std::uint32_t kKeys = EventBit(Event::KeyDown) | EventBit(Event::KeyUp);
constexpr std::uint32_t kMouseMove = EventBit(Event::MouseMove);

// Text properties of a kind beyond its Hint.
enum Text : unsigned { kCaption = 1, kTextProp = 2, kTitleFilter = 4, kOtherBtn = 8 };
// String-list properties.
enum Lists : unsigned { kItems = 1, kLines = 2 };

constexpr std::uint32_t kVisualFlags = kHidden | kDisabled | kBold;
constexpr std::uint32_t kFocusFlags = kVisualFlags | kNoTabStop;
constexpr std::uint32_t kFormFlags = kFixedBorder | kDialogBorder | kNoBorder | kMinimizeBox |
                                     kNoSystemMenu | kStayOnTop | kCentreScreen | kBold;

struct KindTraits {
  Kind kind;
  const char* name;
  unsigned traits;
  std::uint32_t events;  // besides the key and mouse events every control has
  std::uint32_t flags;
  unsigned texts;
  unsigned lists;
};

// clang-format off
constexpr std::array<KindTraits, 27> kKinds{{
  {Kind::Form,        "TForm",           kRoot | kContainer, EventBit(Event::Create) | EventBit(Event::CloseQuery) | kKeys, kFormFlags, kCaption, 0},
  {Kind::Frame,       "TFrame",          kRoot | kContainer, EventBit(Event::Create), kBold, kCaption, 0},
  {Kind::Label,       "TLabel",          kVisual, kClick, kVisualFlags | kWordWrap | kAlignRight | kCentre | kBorder, kCaption, 0},
  {Kind::Button,      "TButton",         kVisual | kFocusable, kClick, kFocusFlags | kDefault | kCancel | kWordWrap, kCaption, 0},
  {Kind::CheckBox,    "TCheckBox",       kVisual | kFocusable, kClick, kFocusFlags | kChecked | kWordWrap, kCaption, 0},
  {Kind::RadioButton, "TRadioButton",    kVisual | kFocusable, kClick, kFocusFlags | kChecked | kWordWrap, kCaption, 0},
  {Kind::GroupBox,    "TGroupBox",       kVisual | kContainer, 0, kVisualFlags, kCaption, 0},
  {Kind::Panel,       "TPanel",          kVisual | kContainer, kClick, kVisualFlags | kAlignRight | kCentre | kBorder, kCaption, 0},
  {Kind::TabControl,  "TPageControl",    kVisual | kFocusable, kChange | kChanging, kFocusFlags, 0, 0},
  {Kind::TabSheet,    "TTabSheet",       kContainer, 0, kHidden, kCaption, 0},
  {Kind::Edit,        "TEdit",           kVisual | kFocusable, kChange, kFocusFlags | kReadOnly, kTextProp, 0},
  {Kind::Memo,        "TMemo",           kVisual | kFocusable, kChange, kFocusFlags | kReadOnly | kScrollBar, kTextProp, kLines},
  {Kind::UpDown,      "TUpDown",         kVisual, kChange | kChanging, kVisualFlags, 0, 0},
  {Kind::TrackBar,    "TTrackBar",       kVisual | kFocusable, kChange, kFocusFlags | kTicksTop, 0, 0},
  {Kind::ComboBox,    "TComboBox",       kVisual | kFocusable, kChange | EventBit(Event::Select) | EventBit(Event::DropDown) | EventBit(Event::CloseUp), kFocusFlags | kSorted, 0, kItems},
  {Kind::ListBox,     "TListBox",        kVisual | kFocusable, kChange, kFocusFlags | kSorted | kScrollBar, 0, kItems},
  {Kind::TreeView,    "TTreeView",       kVisual | kFocusable, kChange, kFocusFlags | kReadOnly | kRowSelect | kPlainTree, 0, kItems},
  {Kind::HotKey,      "THotKey",         kVisual | kFocusable, kChange, kFocusFlags, 0, 0},
  {Kind::ListView,    "TListView",       kVisual | kFocusable, kChange, kFocusFlags, 0, kItems},
  {Kind::TextGrid,    "TStringGrid",     kVisual | kFocusable, EventBit(Event::SelectCell), kFocusFlags, 0, 0},
  {Kind::ColorPicker, "TColorPickCombo", kVisual | kFocusable, kChange, kFocusFlags, kOtherBtn, kItems},
  {Kind::PaintBox,    "TPaintBox",       kVisual, EventBit(Event::Paint) | kClick, kVisualFlags, 0, 0},
  {Kind::Timer,       "TTimer",          0, EventBit(Event::Timer), kDisabled, 0, 0},
  {Kind::PopupMenu,   "TPopupMenu",      0, EventBit(Event::Popup), 0, 0, 0},
  {Kind::MenuItem,    "TMenuItem",       0, kClick, kChecked | kDisabled | kHidden | kBold, kCaption, 0},
  {Kind::OpenDialog,  "TOpenDialog",     0, 0, kMustExist | kResizable, kTitleFilter, 0},
  {Kind::SaveDialog,  "TSaveDialog",     0, 0, kOverwritePrompt | kResizable, kTitleFilter, 0},
}};
// clang-format on

constexpr bool InKindOrder() {
  for (std::size_t i = 0; i < kKinds.size(); ++i) {
    if (static_cast<std::size_t>(kKinds[i].kind) != i) return false;
  }
  return true;
}
static_assert(InKindOrder(), "kKinds is indexed by Kind");

const KindTraits& TraitsOf(Kind kind) { return kKinds[static_cast<std::size_t>(kind)]; }

bool Has(Kind kind, unsigned trait) { return (TraitsOf(kind).traits & trait) != 0; }

std::string Str(int value) { return std::to_string(value); }

std::string Describe(const Bounds& b) {
  // Appended piece by piece: GCC 12 misreads "(" + std::string as an overlap.
  std::string text = "(";
  text.append(Str(b.left)).append(", ").append(Str(b.top)).append(", ");
  text.append(Str(b.width)).append(", ").append(Str(b.height)).append(")");
  return text;
}

// The area a row's children are placed in, at 100 %.
Bounds ClientOf(const FormTable& table, int row) {
  const ComponentDecl& decl = table[static_cast<std::size_t>(row)];
  if (decl.kind == Kind::TabSheet) {
    const int control = FindRow(table, decl.parent);
    return control < 0 ? Bounds{} : TabPageArea(table[static_cast<std::size_t>(control)].at);
  }
  return {0, 0, decl.at.width, decl.at.height};
}

class Checker {
 public:
  explicit Checker(const FormTable& table) : table_(table) {}

  std::vector<std::string> Run() {
    if (table_.empty()) {
      problems_.push_back("the table is empty");
      return problems_;
    }
    for (std::size_t i = 0; i < table_.size(); ++i) CheckRow(static_cast<int>(i));
    return problems_;
  }

 private:
  void Problem(const ComponentDecl& decl, const std::string& text) {
    problems_.push_back((decl.name.empty() ? std::string("<unnamed>") : decl.name) + ": " + text);
  }

  void CheckRow(int i) {
    const ComponentDecl& decl = table_[static_cast<std::size_t>(i)];
    if (decl.name.empty()) Problem(decl, "has no name");
    if (!names_.insert(decl.name).second) Problem(decl, "name used twice");
    if (i == 0) {
      if (!IsRoot(decl.kind)) Problem(decl, "the first row must be a form or a frame");
      if (!decl.parent.empty()) Problem(decl, "the form or frame has no parent");
      if (decl.at.width <= 0 || decl.at.height <= 0) Problem(decl, "client area is empty");
    } else {
      if (IsRoot(decl.kind)) {
        Problem(decl, "only the first row may be a form or a frame");
        return;
      }
      CheckParent(i, decl);
    }
    if (!AllowsFlags(decl.kind, decl.flags)) {
      Problem(decl, std::string("has settings a ") + KindName(decl.kind) + " does not take");
    }
    for (const Binding& binding : decl.events) {
      if (!AllowsEvent(decl.kind, binding.event)) {
        Problem(decl, std::string(KindName(decl.kind)) + " has no " + EventName(binding.event));
      }
      if (binding.handler.empty())
        Problem(decl, std::string(EventName(binding.event)) + " names no handler");
    }
    CheckLink(i, decl);
    CheckButtons(decl);
    if (decl.kind == Kind::UpDown || decl.kind == Kind::TrackBar) {
      const Range& r = decl.range;
      if (r.min > r.max || r.position < r.min || r.position > r.max) {
        Problem(decl, "position " + Str(r.position) + " outside " + Str(r.min) + ".." + Str(r.max));
      }
      if (r.increment <= 0) Problem(decl, "increment must be positive");
    }
    if (decl.kind == Kind::Timer && decl.interval <= 0) Problem(decl, "interval must be positive");
    if (decl.kind == Kind::TextGrid) {
      const GridShape& g = decl.grid;
      if (g.cols < 1 || g.fixedCols < 0 || g.fixedCols >= g.cols || g.rows < 0) {
        Problem(decl, "grid needs a column that is not fixed");
      }
    }
  }

  void CheckParent(int i, const ComponentDecl& decl) {
    const int parent = FindRow(table_, decl.parent);
    if (parent < 0 || parent >= i) {
      Problem(decl, "parent '" + decl.parent + "' is not declared before it");
      return;
    }
    const ComponentDecl& owner = table_[static_cast<std::size_t>(parent)];
    if (!CanContain(owner.kind, decl.kind)) {
      Problem(decl,
              std::string("a ") + KindName(owner.kind) + " cannot hold a " + KindName(decl.kind));
      return;
    }
    if (!IsVisual(decl.kind)) {
      if (!(decl.at == Bounds{})) Problem(decl, "a non-visual component has no rectangle");
      return;
    }
    const bool autoWidth = decl.kind == Kind::Label && decl.at.width == 0;
    if ((!autoWidth && decl.at.width <= 0) || decl.at.height < 0 ||
        (decl.at.height == 0 && decl.kind != Kind::Label)) {
      Problem(decl, "empty rectangle " + Describe(decl.at));
      return;
    }
    const Bounds client = ClientOf(table_, parent);
    // An empty parent is reported on its own row.
    if (client.width <= 0 || client.height <= 0) return;
    if (decl.at.left < 0 || decl.at.top < 0 || decl.at.Right() > client.width ||
        decl.at.Bottom() > client.height) {
      Problem(decl, Describe(decl.at) + " lies outside " + owner.name + " (" + Str(client.width) +
                        " x " + Str(client.height) + ")");
    }
  }

  void CheckLink(int i, const ComponentDecl& decl) {
    if (decl.link.empty()) return;
    const int target = FindRow(table_, decl.link);
    if (decl.kind == Kind::Label) {
      if (target < 0 || !IsFocusable(table_[static_cast<std::size_t>(target)].kind)) {
        Problem(decl, "focus control '" + decl.link + "' is not a focusable control");
      }
    } else if (decl.kind == Kind::UpDown) {
      // Declared before so that the edit sits just before its up-down in
      // the Tab walk and in the screen reader's view.
      if (target < 0 || target >= i ||
          table_[static_cast<std::size_t>(target)].kind != Kind::Edit) {
        Problem(decl, "associate '" + decl.link + "' is not an edit declared before it");
      } else if (table_[static_cast<std::size_t>(target)].parent != decl.parent) {
        Problem(decl, "associate '" + decl.link + "' has another parent");
      }
    } else {
      Problem(decl, std::string("a ") + KindName(decl.kind) + " links to nothing");
    }
  }

  void CheckButtons(const ComponentDecl& decl) {
    if (decl.kind != Kind::Button) return;
    if ((decl.flags & kDefault) && ++defaults_ == 2) Problem(decl, "second default button");
    if ((decl.flags & kCancel) && ++cancels_ == 2) Problem(decl, "second cancel button");
  }

  const FormTable& table_;
  std::vector<std::string> problems_;
  std::set<std::string> names_;
  int defaults_ = 0;
  int cancels_ = 0;
};

// The radio button of a parent's group that Tab stops at: the checked
// one, else the first; -1 when the parent has none.
int RadioStop(const FormTable& table, const std::string& parent) {
  int first = -1;
  for (std::size_t i = 1; i < table.size(); ++i) {
    const ComponentDecl& decl = table[i];
    if (decl.parent != parent || decl.kind != Kind::RadioButton) continue;
    if (decl.flags & (kHidden | kDisabled | kNoTabStop)) continue;
    if (decl.flags & kChecked) return static_cast<int>(i);
    if (first < 0) first = static_cast<int>(i);
  }
  return first;
}

void WalkTabOrder(const FormTable& table, const std::string& parent, std::vector<int>& order) {
  bool sheetTaken = false;
  const int radioStop = RadioStop(table, parent);
  for (std::size_t i = 1; i < table.size(); ++i) {
    const ComponentDecl& decl = table[i];
    if (decl.parent != parent) continue;
    if (decl.flags & (kHidden | kDisabled)) continue;
    if (decl.kind == Kind::TabSheet) {
      if (sheetTaken) continue;
      sheetTaken = true;
    }
    const bool stops = IsFocusable(decl.kind) && !(decl.flags & kNoTabStop) &&
                       (decl.kind != Kind::RadioButton || static_cast<int>(i) == radioStop);
    if (stops) order.push_back(static_cast<int>(i));
    WalkTabOrder(table, decl.name, order);
  }
}

}  // namespace

const char* KindName(Kind kind) { return TraitsOf(kind).name; }

const char* EventName(Event event) {
  static constexpr std::array<const char*, 15> kNames{
      "OnClick",   "OnChange",     "OnChanging",  "OnSelect",  "OnDropDown",
      "OnCloseUp", "OnSelectCell", "OnMouseMove", "OnKeyDown", "OnKeyUp",
      "OnTimer",   "OnPaint",      "OnPopup",     "OnCreate",  "OnCloseQuery"};
  return kNames[static_cast<std::size_t>(event)];
}

bool IsRoot(Kind kind) { return Has(kind, kRoot); }
bool IsVisual(Kind kind) { return Has(kind, kVisual); }
bool IsFocusable(Kind kind) { return Has(kind, kFocusable); }

bool CanContain(Kind parent, Kind child) {
  if (child == Kind::TabSheet) return parent == Kind::TabControl;
  if (child == Kind::MenuItem) return parent == Kind::PopupMenu || parent == Kind::MenuItem;
  if (IsVisual(child)) return Has(parent, kContainer);
  // Timers, menus and dialogs belong to the form or frame itself.
  return IsRoot(parent);
}

bool AllowsEvent(Kind kind, Event event) {
  std::uint32_t events = TraitsOf(kind).events;
  if (IsVisual(kind)) events |= kMouseMove;
  if (IsFocusable(kind)) events |= kKeys;
  return (events & EventBit(event)) != 0;
}

bool AllowsFlags(Kind kind, std::uint32_t flags) { return (flags & ~TraitsOf(kind).flags) == 0; }

PropertyType PropertyTypeOf(Kind kind, std::string_view property) {
  const KindTraits& traits = TraitsOf(kind);
  const auto is = [&](const char* name) { return EqualsNoCase(property, name); };
  if (is("Hint") && kind != Kind::Timer && kind != Kind::PopupMenu && kind != Kind::OpenDialog &&
      kind != Kind::SaveDialog) {
    return PropertyType::Text;
  }
  if ((traits.texts & kCaption) && is("Caption")) return PropertyType::Text;
  if ((traits.texts & kTextProp) && is("Text")) return PropertyType::Text;
  if ((traits.texts & kTitleFilter) && (is("Title") || is("Filter"))) return PropertyType::Text;
  if ((traits.texts & kOtherBtn) && is("OtherBtnCaption")) return PropertyType::Text;
  if ((traits.lists & kItems) && is("Items")) return PropertyType::StringList;
  if ((traits.lists & kLines) && is("Lines")) return PropertyType::StringList;
  for (const char* other : {"Name", "Tag"}) {
    if (is(other)) return PropertyType::Other;
  }
  if (IsVisual(kind) || IsRoot(kind)) {
    for (const char* other : {"Left", "Top", "Width", "Height", "Enabled", "Visible"}) {
      if (is(other)) return PropertyType::Other;
    }
  }
  return PropertyType::Absent;
}

Bounds TabPageArea(const Bounds& tabControl) {
  return {kTabPageInset, kTabRowHeight, tabControl.width - 2 * kTabPageInset,
          tabControl.height - kTabRowHeight - kTabPageInset};
}

std::vector<std::string> CheckTable(const FormTable& table) { return Checker(table).Run(); }

int FindRow(const FormTable& table, std::string_view name) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

std::vector<int> TabOrder(const FormTable& table) {
  std::vector<int> order;
  if (!table.empty()) WalkTabOrder(table, table.front().name, order);
  return order;
}

char32_t LowerLatin1(char32_t c) {
  if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
  return c;
}

char32_t AcceleratorOf(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    const auto lead = static_cast<unsigned char>(caption[i + 1]);
    char32_t c = lead;
    // Two-byte UTF-8 covers the accented letters of the Latin alphabets.
    if ((lead & 0xE0) == 0xC0 && i + 2 < caption.size()) {
      c = ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(caption[i + 2]) & 0x3Fu);
    }
    return LowerLatin1(c);
  }
  return 0;
}

}  // namespace vxl::ui
