// Filter templates: named states of a colour filter (the frame's place and
// size, covering menus, the filter mode and colour pairs, the pointer bars)
// kept in the user's file P Users\<user>\Filters.ini, one section per
// template, plus section "LastUsed" whose key "Name" names the template last
// saved:
//
//   [LastUsed]
//   Name=Loupe
//   [Loupe]
//   Left=490            frame left edge, screen pixels
//   Top=180             frame top edge
//   Width=311           frame width
//   Height=230          frame height
//   ForceOnTop=0        1 or 0
//   Filter=2            filter mode 0..7
//   ColSubst1.Src=16711680   colours in the lens's form 0x00RRGGBB
//   ColSubst1.Dst=255
//   ColSubst2.Src=1193046
//   ColSubst2.Dst=1193046
//   MouseBars=1         1 or 0
//
// Integers are decimal, or hexadecimal after "$" or "0x"; a missing or
// malformed value gives the key's default. Whatever the file holds, a
// loaded template opens on the screen and filters with a usable mode.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/FileSystem.h"
#include "common/Geometry.h"
#include "service/uformFilterWnd.h"

namespace vxl {

inline constexpr const char* kFilterTemplatesFileName = "Filters.ini";
inline constexpr const char* kLastUsedSection = "LastUsed";
inline constexpr const char* kLastUsedNameKey = "Name";
// The name used when neither the caller, the file nor the catalogue knows one.
inline constexpr const char* kFallbackTemplateName = "Filtre";

// Longer names are cut, so that a name fits a list entry and a title strip
// and always reads back from "LastUsed" as written.
constexpr std::size_t kTemplateNameMaxChars = 100;

// The smallest frame that still shows its title strip, its two buttons and
// some lens; the frame may stick out this far above the screen, as dragging
// allows.
constexpr std::int32_t kMinFrameWidth = 80;
constexpr std::int32_t kMinFrameHeight = 60;
constexpr std::int32_t kFrameTopLimit = -20;

struct TFilterTemplate {
  Box Frame{490, 180, 311, 230};
  bool ForceOnTop = false;
  std::int32_t Filter = fmColourInversion;
  TColourPair ColSubst1;
  TColourPair ColSubst2;
  bool MouseBars = true;
  friend bool operator==(const TFilterTemplate&, const TFilterTemplate&) = default;
};

// P Users\<user>\Filters.ini, P ending with a backslash.
std::string FilterTemplatesPath(std::string_view programFolder, std::string_view userName);

// The name a template is stored under, for a name the user typed: bytes
// that are not UTF-8 are read as Windows-1252, control characters (line
// breaks, tabs) become blanks, the name is cut to kTemplateNameMaxChars
// characters, and blanks at both ends go. "]" and "=" stay: a
// section line is read up to its last "]", and a value after the first "=".
// Empty when nothing is left, which no template may be named.
std::string SanitizeTemplateName(std::string_view typed);

// The template as the frame and lens can use it on a screen of that size:
// the frame at least kMinFrameWidth x kMinFrameHeight and at most the
// screen, moved onto the screen; a mode outside 0..7 becomes mode 0; a
// colour outside 24 bits becomes NoColour; modes other than the two
// substitutions have all four colours NoColour, as the lens keeps them.
TFilterTemplate MakeUsable(TFilterTemplate templ, Size screen);

// The templates window's list: the names sorted without regard to letter
// case; the current name alone when there are none; the current name
// selected when listed (letter case ignored), else nothing (-1).
struct TTemplateList {
  std::vector<std::string> names;
  int selected = -1;
};
TTemplateList MakeTemplateList(std::vector<std::string> names, std::string_view current);
// Deleting needs a selection and must leave one template.
bool CanDeleteTemplate(const TTemplateList& list);

// The templates file. Every call reads it afresh; every save replaces it
// in one step, keeping its other lines and its encoding.
class TFilterTemplates {
 public:
  TFilterTemplates(IFileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

  const std::string& Path() const { return path_; }

  // "Name" of "LastUsed", sanitised; empty when there is none.
  std::string LastUsedName() const;
  // The name to open: the requested one, else the last used, else the
  // default name, else kFallbackTemplateName; all sanitised, never empty.
  std::string ResolveName(std::string_view requested, std::string_view defaultName) const;

  // The template of that name made usable on the screen; the defaults when
  // the file or the template is missing.
  TFilterTemplate Load(std::string_view name, Size screen) const;
  // Writes "LastUsed" = the name, then the template's keys in file order.
  // False for a name that sanitises to nothing, a file that exists but
  // cannot be read (it is left alone), or one that cannot be written.
  bool Save(std::string_view name, const TFilterTemplate& templ);

  // Template names as stored, sorted without regard to case, without
  // "LastUsed" and without names no template could be saved under.
  std::vector<std::string> Names() const;
  // Removes a template's section; false for "LastUsed", an empty name or a
  // file that cannot be rewritten.
  bool Delete(std::string_view name);

 private:
  IFileSystem& files_;
  std::string path_;
};

}  // namespace vxl
