#include "ui/FormTable.h"

#include <gtest/gtest.h>

#include <functional>

namespace vxl::ui {
namespace {

// A small page with one of each kind of place: the form, a group box, a tab
// control with two sheets, an up-down tied to its edit, a label focusing a
// control declared after it, a popup menu and a timer.
FormTable SamplePage() {
  // clang-format off
  return {
    {.kind = Kind::Form, .name = "frmSample", .at = {0, 0, 300, 200}, .caption = "Exemple",
     .events = {{Event::CloseQuery, "FormCloseQuery"}}},
    {.kind = Kind::Label, .name = "lblName", .parent = "frmSample", .at = {8, 8, 0, 13},
     .caption = "&Nom :", .link = "edtName"},
    {.kind = Kind::GroupBox, .name = "grpMain", .parent = "frmSample", .at = {4, 30, 200, 100},
     .caption = " Groupe "},
    {.kind = Kind::Edit, .name = "edtWidth", .parent = "grpMain", .at = {10, 20, 40, 21}},
    {.kind = Kind::UpDown, .name = "udnWidth", .parent = "grpMain", .at = {50, 20, 16, 21},
     .range = {.min = 0, .max = 15, .position = 3}, .link = "edtWidth",
     .events = {{Event::Changing, "udnWidthChanging"}}},
    {.kind = Kind::Edit, .name = "edtName", .parent = "frmSample", .at = {60, 6, 120, 21}},
    {.kind = Kind::TabControl, .name = "pgc", .parent = "frmSample", .at = {210, 30, 88, 100}},
    {.kind = Kind::TabSheet, .name = "tsOne", .parent = "pgc", .caption = "Un"},
    {.kind = Kind::CheckBox, .name = "chkOne", .parent = "tsOne", .at = {4, 4, 60, 17}},
    {.kind = Kind::TabSheet, .name = "tsTwo", .parent = "pgc", .caption = "Deux"},
    {.kind = Kind::CheckBox, .name = "chkTwo", .parent = "tsTwo", .at = {4, 4, 60, 17}},
    {.kind = Kind::RadioButton, .name = "radOne", .parent = "frmSample", .at = {8, 136, 60, 17}},
    {.kind = Kind::RadioButton, .name = "radTwo", .parent = "frmSample", .at = {70, 136, 60, 17},
     .flags = kChecked},
    {.kind = Kind::RadioButton, .name = "radThree", .parent = "grpMain", .at = {70, 50, 60, 17}},
    {.kind = Kind::Button, .name = "btnOk", .parent = "frmSample", .at = {130, 160, 75, 25},
     .caption = "&OK", .flags = kDefault, .events = {{Event::Click, "btnOkClick"}}},
    {.kind = Kind::Button, .name = "btnCancel", .parent = "frmSample", .at = {215, 160, 75, 25},
     .caption = "Annuler", .flags = kCancel},
    {.kind = Kind::Button, .name = "btnHidden", .parent = "frmSample", .at = {8, 160, 75, 25},
     .flags = kHidden},
    {.kind = Kind::Timer, .name = "tmrTick", .parent = "frmSample",
     .events = {{Event::Timer, "tmrTickTimer"}}},
    {.kind = Kind::PopupMenu, .name = "pmMenu", .parent = "frmSample"},
    {.kind = Kind::MenuItem, .name = "miClose", .parent = "pmMenu", .caption = "&Fermer"},
  };
  // clang-format on
}

ComponentDecl& Row(FormTable& table, const char* name) {
  return table[static_cast<std::size_t>(FindRow(table, name))];
}

TEST(FormTable, SamplePageHasNoProblem) {
  EXPECT_EQ(CheckTable(SamplePage()), std::vector<std::string>{});
}

struct BrokenCase {
  const char* what;
  std::function<void(FormTable&)> breakIt;
  const char* expected;  // the one problem reported
};

TEST(FormTable, EachMistakeIsReportedOnItsRow) {
  // clang-format off
  const BrokenCase cases[] = {
    {"duplicate name", [](FormTable& t) { Row(t, "btnCancel").name = "btnOk"; },
     "btnOk: name used twice"},
    {"unknown parent", [](FormTable& t) { Row(t, "edtName").parent = "grpNone"; },
     "edtName: parent 'grpNone' is not declared before it"},
    {"parent declared later", [](FormTable& t) { Row(t, "lblName").parent = "grpMain"; },
     "lblName: parent 'grpMain' is not declared before it"},
    {"button as parent", [](FormTable& t) { Row(t, "btnCancel").parent = "btnOk"; },
     "btnCancel: a TButton cannot hold a TButton"},
    {"sheet outside a tab control", [](FormTable& t) { Row(t, "tsTwo").parent = "frmSample"; },
     "tsTwo: a TForm cannot hold a TTabSheet"},
    {"timer inside a group", [](FormTable& t) { Row(t, "tmrTick").parent = "grpMain"; },
     "tmrTick: a TGroupBox cannot hold a TTimer"},
    {"sticks out of its group", [](FormTable& t) { Row(t, "udnWidth").at.left = 190; },
     "udnWidth: (190, 20, 16, 21) lies outside grpMain (200 x 100)"},
    {"sticks out of the form", [](FormTable& t) { Row(t, "btnCancel").at.top = 176; },
     "btnCancel: (215, 176, 75, 25) lies outside frmSample (300 x 200)"},
    {"negative position", [](FormTable& t) { Row(t, "edtName").at.left = -1; },
     "edtName: (-1, 6, 120, 21) lies outside frmSample (300 x 200)"},
    {"sticks out of its sheet", [](FormTable& t) { Row(t, "chkTwo").at.width = 90; },
     "chkTwo: (4, 4, 90, 17) lies outside tsTwo (80 x 72)"},
    {"no size", [](FormTable& t) { Row(t, "btnOk").at.width = 0; },
     "btnOk: empty rectangle (130, 160, 0, 25)"},
    {"timer with a rectangle", [](FormTable& t) { Row(t, "tmrTick").at = {1, 1, 1, 1}; },
     "tmrTick: a non-visual component has no rectangle"},
    {"event the kind lacks", [](FormTable& t) { Row(t, "btnOk").events[0].event = Event::Changing; },
     "btnOk: TButton has no OnChanging"},
    {"handler without name", [](FormTable& t) { Row(t, "btnOk").events[0].handler.clear(); },
     "btnOk: OnClick names no handler"},
    {"setting the kind lacks", [](FormTable& t) { Row(t, "edtName").flags = kDefault; },
     "edtName: has settings a TEdit does not take"},
    {"two default buttons", [](FormTable& t) { Row(t, "btnCancel").flags = kDefault; },
     "btnCancel: second default button"},
    {"focus control not focusable", [](FormTable& t) { Row(t, "lblName").link = "grpMain"; },
     "lblName: focus control 'grpMain' is not a focusable control"},
    {"associate not an edit", [](FormTable& t) { Row(t, "udnWidth").link = "btnOk"; },
     "udnWidth: associate 'btnOk' is not an edit declared before it"},
    {"associate elsewhere", [](FormTable& t) { Row(t, "udnWidth").link = "edtName"; },
     "udnWidth: associate 'edtName' is not an edit declared before it"},
    {"position out of range", [](FormTable& t) { Row(t, "udnWidth").range.position = 16; },
     "udnWidth: position 16 outside 0..15"},
    {"second form row", [](FormTable& t) { Row(t, "btnHidden").kind = Kind::Form; },
     "btnHidden: only the first row may be a form or a frame"},
    {"nameless row", [](FormTable& t) { Row(t, "btnHidden").name.clear(); },
     "<unnamed>: has no name"},
  };
  // clang-format on
  for (const BrokenCase& c : cases) {
    FormTable table = SamplePage();
    c.breakIt(table);
    EXPECT_EQ(CheckTable(table), std::vector<std::string>{c.expected}) << c.what;
  }
}

TEST(FormTable, TheFirstRowMustBeAFormWithAClientArea) {
  FormTable table = SamplePage();
  table.front().at = {};
  table.front().parent = "frmOther";
  // Its children are not measured against an empty area.
  EXPECT_EQ(CheckTable(table),
            (std::vector<std::string>{"frmSample: the form or frame has no parent",
                                      "frmSample: client area is empty"}));
  std::swap(table[0], table[1]);
  EXPECT_EQ(CheckTable(table).front(), "lblName: the first row must be a form or a frame");
  EXPECT_EQ(CheckTable(FormTable{}), std::vector<std::string>{"the table is empty"});
}

TEST(FormTable, TabWalksContainersInPlaceAndSkipsWhatCannotTakeFocus) {
  const FormTable table = SamplePage();
  std::vector<std::string> names;
  for (int row : TabOrder(table)) names.push_back(table[static_cast<std::size_t>(row)].name);
  // The group's edit comes before edtName although declared after the
  // label; the up-down, the hidden button and the second sheet stay out; of
  // the form's radio buttons only the checked one stops, of the group's its
  // only one.
  EXPECT_EQ(names, (std::vector<std::string>{"edtWidth", "radThree", "edtName", "pgc", "chkOne",
                                             "radTwo", "btnOk", "btnCancel"}));
}

TEST(FormTable, PropertiesArePublishedByKindWhateverTheirCase) {
  struct Case {
    Kind kind;
    const char* property;
    PropertyType expected;
  };
  // clang-format off
  const Case cases[] = {
    {Kind::Button, "Caption", PropertyType::Text},
    {Kind::Button, "caption", PropertyType::Text},
    {Kind::Button, "HINT", PropertyType::Text},
    {Kind::Button, "Text", PropertyType::Absent},
    {Kind::Button, "Items", PropertyType::Absent},
    {Kind::Button, "Tag", PropertyType::Other},
    {Kind::Button, "Width", PropertyType::Other},
    {Kind::Edit, "Text", PropertyType::Text},
    {Kind::Edit, "Caption", PropertyType::Absent},
    {Kind::Memo, "Lines", PropertyType::StringList},
    {Kind::ComboBox, "Items", PropertyType::StringList},
    {Kind::ComboBox, "Lines", PropertyType::Absent},
    {Kind::ListBox, "items", PropertyType::StringList},
    {Kind::TabSheet, "Caption", PropertyType::Text},
    {Kind::MenuItem, "Caption", PropertyType::Text},
    {Kind::OpenDialog, "Title", PropertyType::Text},
    {Kind::SaveDialog, "Filter", PropertyType::Text},
    {Kind::OpenDialog, "Hint", PropertyType::Absent},
    {Kind::Timer, "Hint", PropertyType::Absent},
    {Kind::ColorPicker, "OtherBtnCaption", PropertyType::Text},
    {Kind::Form, "Caption", PropertyType::Text},
    {Kind::Label, "Nothing", PropertyType::Absent},
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(PropertyTypeOf(c.kind, c.property), c.expected)
        << KindName(c.kind) << "." << c.property;
  }
}

TEST(FormTable, AcceleratorIsTheCharacterAfterTheFirstSingleAmpersand) {
  EXPECT_EQ(AcceleratorOf("&Fermer"), U'f');
  EXPECT_EQ(AcceleratorOf("F&iltrage :"), U'i');
  EXPECT_EQ(AcceleratorOf("&1 :"), U'1');
  EXPECT_EQ(AcceleratorOf("Drag && drop &here"), U'h');
  EXPECT_EQ(AcceleratorOf("\xC3\x89&\xC3\x89l\xC3\xA8ve"), U'\u00E9');  // "É&Élève"
  EXPECT_EQ(AcceleratorOf("Aucun"), U'\0');
  EXPECT_EQ(AcceleratorOf("Fin&"), U'\0');
  EXPECT_EQ(AcceleratorOf("R && D"), U'\0');
}

}  // namespace
}  // namespace vxl::ui
