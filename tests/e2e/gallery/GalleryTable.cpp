#include "GalleryTable.h"

namespace gallery {

using vxl::ui::Event;
using vxl::ui::Kind;
namespace ui = vxl::ui;

const ui::FormTable& GalleryTable() {
  // clang-format off
  static const ui::FormTable kTable{
    {.kind = Kind::Form, .name = "frmGallery", .at = {20, 20, 560, 452},
     .caption = "Galerie des contrôles", .flags = ui::kFixedBorder | ui::kMinimizeBox,
     .events = {{Event::CloseQuery, "FormCloseQuery"}, {Event::KeyDown, "FormKeyDown"}}},

    {.kind = Kind::GroupBox, .name = "grpChoices", .parent = "frmGallery", .at = {8, 6, 264, 104},
     .caption = " Boutons "},
    {.kind = Kind::Button, .name = "btnPlain", .parent = "grpChoices", .at = {12, 20, 100, 25},
     .caption = "&Appliquer", .hint = "Appliquer les réglages",
     .events = {{Event::Click, "LogEvent"}}},
    {.kind = Kind::CheckBox, .name = "chkOption", .parent = "grpChoices", .at = {12, 54, 200, 17},
     .caption = "&Option", .hint = "Une option à cocher", .events = {{Event::Click, "LogEvent"}}},
    {.kind = Kind::RadioButton, .name = "radFirst", .parent = "grpChoices", .at = {12, 78, 116, 17},
     .caption = "&Premier choix", .flags = ui::kChecked, .events = {{Event::Click, "LogEvent"}}},
    {.kind = Kind::RadioButton, .name = "radSecond", .parent = "grpChoices",
     .at = {132, 78, 116, 17}, .caption = "&Second choix", .tag = 999,
     .events = {{Event::Click, "LogEvent"}}},

    {.kind = Kind::Label, .name = "lblName", .parent = "frmGallery", .at = {8, 120, 0, 13},
     .caption = "&Nom :", .link = "edtName"},
    {.kind = Kind::Edit, .name = "edtName", .parent = "frmGallery", .at = {96, 116, 176, 21},
     .hint = "Votre nom", .events = {{Event::Change, "LogEvent"}}},
    {.kind = Kind::Label, .name = "lblSpin", .parent = "frmGallery", .at = {8, 146, 0, 13},
     .caption = "&Valeur :", .link = "edtSpin"},
    {.kind = Kind::Edit, .name = "edtSpin", .parent = "frmGallery", .at = {96, 142, 48, 21},
     .flags = ui::kReadOnly, .maxLength = 2},
    {.kind = Kind::UpDown, .name = "udnSpin", .parent = "frmGallery", .at = {144, 142, 17, 21},
     .range = {.min = 0, .max = 10, .position = 3}, .link = "edtSpin",
     .events = {{Event::Changing, "udnSpinChanging"}, {Event::Change, "LogEvent"}}},
    {.kind = Kind::Label, .name = "lblTrack", .parent = "frmGallery", .at = {8, 174, 0, 13},
     .caption = "&Curseur :", .link = "tbLevel"},
    {.kind = Kind::TrackBar, .name = "tbLevel", .parent = "frmGallery", .at = {92, 168, 180, 28},
     .range = {.min = 0, .max = 10, .position = 5, .pageSize = 5, .frequency = 1},
     .events = {{Event::Change, "LogEvent"}}},
    {.kind = Kind::Label, .name = "lblCombo", .parent = "frmGallery", .at = {8, 206, 0, 13},
     .caption = "&Liste :", .link = "cboChoice"},
    {.kind = Kind::ComboBox, .name = "cboChoice", .parent = "frmGallery", .at = {112, 202, 160, 24},
     .hint = "Une couleur", .items = {"Rouge", "Vert", "Bleu"}, .visibleItems = 5,
     .dropDownWidth = 200,
     .events = {{Event::Change, "LogEvent"}, {Event::Select, "LogEvent"},
                {Event::DropDown, "LogEvent"}, {Event::CloseUp, "LogEvent"}}},
    {.kind = Kind::Label, .name = "lblList", .parent = "frmGallery", .at = {8, 234, 0, 13},
     .caption = "Liste s&imple :", .link = "lstItems"},
    {.kind = Kind::ListBox, .name = "lstItems", .parent = "frmGallery", .at = {8, 250, 124, 64},
     .items = {"Un", "Deux", "Trois", "Quatre"}, .events = {{Event::Change, "LogEvent"}}},
    {.kind = Kind::Label, .name = "lblHotKey", .parent = "frmGallery", .at = {148, 234, 0, 13},
     .caption = "&Raccourci :", .link = "hkShortcut"},
    {.kind = Kind::HotKey, .name = "hkShortcut", .parent = "frmGallery", .at = {148, 250, 124, 22},
     .events = {{Event::Change, "LogEvent"}}},

    {.kind = Kind::Label, .name = "lblTree", .parent = "frmGallery", .at = {288, 6, 0, 13},
     .caption = "Ar&bre :", .link = "tvTree"},
    {.kind = Kind::TreeView, .name = "tvTree", .parent = "frmGallery", .at = {288, 22, 120, 118},
     .items = {"Général", "Raccourcis", "\tSouris", "\tClavier", "Interface"},
     .flags = ui::kReadOnly, .events = {{Event::Change, "LogEvent"}}},
    {.kind = Kind::Label, .name = "lblPages", .parent = "frmGallery", .at = {416, 6, 0, 13},
     .caption = "Ongle&ts :", .link = "pgcPages"},
    {.kind = Kind::TabControl, .name = "pgcPages", .parent = "frmGallery",
     .at = {416, 22, 136, 118},
     .events = {{Event::Changing, "LogEvent"}, {Event::Change, "LogEvent"}}},
    {.kind = Kind::TabSheet, .name = "tsFirst", .parent = "pgcPages", .caption = "Premier"},
    {.kind = Kind::CheckBox, .name = "chkOnPage", .parent = "tsFirst", .at = {4, 4, 120, 17},
     .caption = "&Dans l'onglet", .events = {{Event::Click, "LogEvent"}}},
    {.kind = Kind::TabSheet, .name = "tsSecond", .parent = "pgcPages", .caption = "Second"},
    {.kind = Kind::Label, .name = "lblOnSecond", .parent = "tsSecond", .at = {4, 4, 0, 13},
     .caption = "Deuxième onglet"},
    {.kind = Kind::Label, .name = "lblFiles", .parent = "frmGallery", .at = {288, 262, 0, 13},
     .caption = "&Fichiers :", .link = "lvFiles"},
    {.kind = Kind::ListView, .name = "lvFiles", .parent = "frmGallery", .at = {288, 278, 264, 56},
     .items = {"Premier.txt", "Second.txt", "Troisième.txt"},
     .events = {{Event::Change, "LogEvent"}}},

    {.kind = Kind::Label, .name = "lblMemo", .parent = "frmGallery", .at = {8, 342, 0, 13},
     .caption = "&Mémo :", .link = "memNotes"},
    {.kind = Kind::Memo, .name = "memNotes", .parent = "frmGallery", .at = {8, 358, 264, 52},
     .items = {"Première ligne", "Seconde ligne"}, .flags = ui::kScrollBar,
     .events = {{Event::Change, "LogEvent"}}},
    {.kind = Kind::Label, .name = "lblJournal", .parent = "frmGallery", .at = {288, 342, 0, 13},
     .caption = "&Journal :", .link = "memJournal"},
    {.kind = Kind::Memo, .name = "memJournal", .parent = "frmGallery", .at = {288, 358, 264, 52},
     .flags = ui::kReadOnly | ui::kScrollBar},
    {.kind = Kind::Panel, .name = "pnlStatus", .parent = "frmGallery", .at = {8, 420, 264, 24},
     .caption = "Prêt", .hint = "État de la galerie", .flags = ui::kBorder},
    {.kind = Kind::Button, .name = "btnOk", .parent = "frmGallery", .at = {396, 420, 75, 25},
     .caption = "O&K", .flags = ui::kDefault, .events = {{Event::Click, "LogEvent"}}},
    {.kind = Kind::Button, .name = "btnCancel", .parent = "frmGallery", .at = {477, 420, 75, 25},
     .caption = "Ann&uler", .flags = ui::kCancel, .events = {{Event::Click, "LogEvent"}}},
    {.kind = Kind::Timer, .name = "tmrTick", .parent = "frmGallery", .flags = ui::kDisabled,
     .interval = 50, .events = {{Event::Timer, "tmrTickTimer"}}},
  };
  // clang-format on
  return kTable;
}

}  // namespace gallery
