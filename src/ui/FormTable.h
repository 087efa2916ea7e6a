// A form or frame as data: one row per component in declaration order, with
// its kind, name, parent, rectangle at 100 %, native texts, settings and the
// names of the handlers bound to its events. The Win32 builder turns a table
// into windows; the localizer, the scaler and the tab order walk the same
// table. Everything here is portable so that a page's table is checked by a
// unit test.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vxl::ui {

enum class Kind : std::uint8_t {
  Form,    // top-level window; first row of its table
  Frame,   // child window hosting a page; first row of its table
  Label,   // static text
  Button,  // push button
  CheckBox,
  RadioButton,  // radio buttons of one parent form one group
  GroupBox,     // framed container with a caption
  Panel,        // plain container, optionally with a text and a border
  TabControl,   // page control: holds TabSheet rows only
  TabSheet,     // one page of a TabControl; geometry is the control's page area
  Edit,         // single-line edit box
  Memo,         // multi-line edit box, window class "TMemo"
  UpDown,       // spin buttons, optionally tied to an Edit (link)
  TrackBar,
  ComboBox,  // drop-down list (no typing)
  ListBox,
  TreeView,
  HotKey,       // hot key capture control
  ListView,     // report view, one column
  TextGrid,     // report view with fixed columns, a header and cells
  ColorPicker,  // TColorPickCombo
  PaintBox,     // drawn by its Paint handler
  Timer,
  PopupMenu,
  MenuItem,  // parent: a PopupMenu or a MenuItem
  OpenDialog,
  SaveDialog,
};

enum class Event : std::uint8_t {
  Click,       // buttons, menu items; check and radio buttons when their state changes
  Change,      // the value changed, by the user or by code (only when it differs)
  Changing,    // up-down, tab control: the proposed value, may be refused
  Select,      // drop-down list: the user chose an entry
  DropDown,    // drop-down list opens
  CloseUp,     // drop-down list closes
  SelectCell,  // text grid: a cell is about to become current, may be refused
  MouseMove,
  KeyDown,  // on a form: every key of its controls first (key preview)
  KeyUp,
  Timer,
  Paint,
  Popup,       // popup menu about to open
  Create,      // form or frame built
  CloseQuery,  // form asked to close, may be refused
};

// Settings of a row; each is valid for some kinds only (CheckTable).
enum Flag : std::uint32_t {
  kDefault = 1u << 0,    // button answering Enter
  kCancel = 1u << 1,     // button answering Escape
  kChecked = 1u << 2,    // check box, radio button, menu item
  kReadOnly = 1u << 3,   // edit, memo, tree view (no label editing)
  kWordWrap = 1u << 4,   // label, check box, radio button
  kSorted = 1u << 5,     // combo box, list box
  kBold = 1u << 6,       // any text control
  kNoTabStop = 1u << 7,  // a focusable control left out of the Tab walk
  kHidden = 1u << 8,
  kDisabled = 1u << 9,
  kScrollBar = 1u << 10,   // memo, list: vertical scroll bar
  kAlignRight = 1u << 11,  // label, panel: text right-aligned
  kCentre = 1u << 12,      // label, panel: text centred
  kBorder = 1u << 13,      // panel, label: thin flat border
  kRowSelect = 1u << 14,   // tree view: whole-row selection
  kPlainTree = 1u << 15,   // tree view: no expand buttons, no lines
  kTicksTop = 1u << 16,    // track bar: tick marks above
  // Form rows only.
  kFixedBorder = 1u << 17,   // single border, not resizable
  kDialogBorder = 1u << 18,  // dialog frame, no system menu icons
  kNoBorder = 1u << 19,
  kMinimizeBox = 1u << 20,
  kNoSystemMenu = 1u << 21,
  kStayOnTop = 1u << 22,
  kCentreScreen = 1u << 23,
  // File dialog rows only.
  kMustExist = 1u << 24,        // open: the file must exist
  kOverwritePrompt = 1u << 25,  // save: ask before replacing a file
  kResizable = 1u << 26,
};

// A colour value 0x00BBGGRR; system colours as 0x80000000 | index.
constexpr std::uint32_t kNoColour = 0x1FFFFFFF;
constexpr std::uint32_t SystemColour(int index) {
  return 0x80000000u | static_cast<std::uint32_t>(index);
}

// Left, top, width and height in pixels at 100 %, relative to the parent's
// client area. A label of width 0 takes the size of its text.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

// Up-down and track bar values.
struct Range {
  int min = 0;
  int max = 100;
  int position = 0;
  int increment = 1;  // up-down step, track bar arrow step
  int pageSize = 0;   // track bar; 0 = the control's own
  int frequency = 0;  // track bar tick spacing; 0 = no ticks
};

// A text grid's shape: columns, of which the first fixedCols are headings
// that never take the current cell, and data rows below the header.
struct GridShape {
  int cols = 1;
  int fixedCols = 0;
  int rows = 0;
};

// An event bound to a handler of the form's class by the handler's name.
struct Binding {
  Event event = Event::Click;
  std::string handler{};
};

struct ComponentDecl {
  Kind kind = Kind::Label;
  std::string name{};
  std::string parent{};  // empty for the first row only
  Bounds at{};
  std::string caption{};  // Caption, or Text of an edit, or a form's title
  std::string hint{};
  std::vector<std::string> items{};  // Items or Lines
  std::uint32_t flags = 0;
  int tag = 0;
  Range range{};
  // Label: the control it focuses; up-down: the edit it drives.
  std::string link{};
  int maxLength = 0;      // edit: characters; 0 = no limit
  int visibleItems = 0;   // combo box: entries shown when dropped; 0 = default
  int itemHeight = 0;     // combo box, list box at 100 %; 0 = default
  int dropDownWidth = 0;  // combo box, colour picker at 100 %; 0 = control width
  GridShape grid{};
  int fontHeight = 0;                    // pixels at 100 %; 0 = the form's
  int interval = 1000;                   // timer, milliseconds
  std::string filter{};                  // file dialog: "Description|*.ext|..."
  std::string defaultExt{};              // file dialog: extension given to a bare name
  std::uint32_t colour = kNoColour;      // background, or a picker's colour
  std::uint32_t textColour = kNoColour;  // label, panel
  std::vector<Binding> events{};
};

using FormTable = std::vector<ComponentDecl>;

// --- what each kind is ----------------------------------------------------

const char* KindName(Kind kind);     // the class it builds, e.g. "TButton"
const char* EventName(Event event);  // e.g. "OnClick"

bool IsRoot(Kind kind);       // Form, Frame
bool IsVisual(Kind kind);     // has a window and a rectangle
bool IsFocusable(Kind kind);  // takes the keyboard focus; in the Tab walk
// Whether rows of kind child may name a row of kind parent as their parent.
bool CanContain(Kind parent, Kind child);
bool AllowsEvent(Kind kind, Event event);
bool AllowsFlags(Kind kind, std::uint32_t flags);

// Kind of a published property for the form localizer: names compared
// without regard to case; text properties are Caption, Hint, Text, Title,
// Filter and OtherBtnCaption where the kind has them, string lists Items and
// Lines; Name, Tag, Left, Top, Width, Height, Enabled and Visible are of
// other types.
enum class PropertyType { Absent, Text, StringList, Other };
PropertyType PropertyTypeOf(Kind kind, std::string_view property);

// The page area of a tab control at 100 %, in its own coordinates: what
// the children of its sheets are placed in. The builder uses the control's
// real page area, which this matches with the default font.
constexpr int kTabPageInset = 4;
constexpr int kTabRowHeight = 24;
Bounds TabPageArea(const Bounds& tabControl);

// --- checks and walks -----------------------------------------------------

// Everything wrong with a table, one line each ("btnOk: ..."); empty when
// the builder can trust it.
std::vector<std::string> CheckTable(const FormTable& table);

// Index of the row with that name (exact case), or -1.
int FindRow(const FormTable& table, std::string_view name);

// The focusable rows, visible and enabled as designed, in the order Tab
// visits them: children in declaration order, each container's children at
// the container's place; of a TabControl only its first sheet, which is the
// one shown at creation; of the radio buttons of one parent only the checked
// one (or the first), as arrows move within the group.
std::vector<int> TabOrder(const FormTable& table);

// The accelerator character of a caption ("&Fichier" -> U'f'), lower case
// for ASCII and Latin-1 letters; 0 when none ("&&" is a literal ampersand).
char32_t AcceleratorOf(std::string_view caption);
char32_t LowerLatin1(char32_t c);

}  // namespace vxl::ui
