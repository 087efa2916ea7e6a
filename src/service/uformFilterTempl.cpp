#include "service/uformFilterTempl.h"

#include <algorithm>
#include <optional>

#include "common/Encoding.h"
#include "common/IniFile.h"

namespace vxl {
namespace {

// The keys of a template section, in the order they are written.
constexpr const char* kLeft = "Left";
constexpr const char* kTop = "Top";
constexpr const char* kWidth = "Width";
constexpr const char* kHeight = "Height";
constexpr const char* kForceOnTop = "ForceOnTop";
constexpr const char* kFilter = "Filter";
constexpr const char* kSrc1 = "ColSubst1.Src";
constexpr const char* kDst1 = "ColSubst1.Dst";
constexpr const char* kSrc2 = "ColSubst2.Src";
constexpr const char* kDst2 = "ColSubst2.Dst";
constexpr const char* kMouseBars = "MouseBars";

bool IsBlank(char c) { return c == ' '; }

// Decimal, "0x" hexadecimal (our ini reader's rules) or "$" hexadecimal, as
// files written by the first versions may hold.
std::optional<std::int32_t> ParseTemplateInteger(std::string_view text) {
  if (text.starts_with('$')) {
    const std::string hex = Concat({"0x", text.substr(1)});
    return ParseIniInteger(hex);
  }
  return ParseIniInteger(text);
}

std::int32_t ClampTo(std::int32_t v, std::int32_t low, std::int32_t high) {
  return v < low ? low : (v > high ? high : v);
}

// Sorting and matching names ignore the letter case of A-Z, like the
// section names themselves.
bool LessNoCase(const std::string& a, const std::string& b) {
  const auto less = [](char x, char y) {
    return static_cast<unsigned char>(FoldCase(x)) < static_cast<unsigned char>(FoldCase(y));
  };
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), less)) return true;
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), less)) return false;
  return a < b;  // names equal but for case keep a fixed order
}

// Reads one template from a document; missing or malformed keys keep the
// defaults.
class TemplateReader {
 public:
  TemplateReader(const TIniDocument& document, const std::string& section)
      : document_(document), section_(section) {}

  void Integer(const char* key, std::int32_t& value) const {
    const auto text = document_.Value(section_, key);
    if (!text) return;
    if (const auto parsed = ParseTemplateInteger(*text)) value = *parsed;
  }
  void Boolean(const char* key, bool& value) const {
    std::int32_t number = value ? 1 : 0;
    Integer(key, number);
    value = number != 0;
  }
  void Colour(const char* key, std::uint32_t& value) const {
    auto number = static_cast<std::int32_t>(value);
    Integer(key, number);
    value = static_cast<std::uint32_t>(number);
  }

 private:
  const TIniDocument& document_;
  const std::string& section_;
};

std::string IntegerText(std::int64_t v) { return std::to_string(v); }

}  // namespace

std::string FilterTemplatesPath(std::string_view programFolder, std::string_view userName) {
  return Concat({programFolder, "Users\\", userName, "\\", kFilterTemplatesFileName});
}

std::string SanitizeTemplateName(std::string_view typed) {
  // Bytes that are not UTF-8 would make the whole file read as another
  // encoding next time: they are taken as Windows-1252, like such files.
  const std::string text = IsValidUtf8(typed) ? std::string(typed) : Windows1252ToUtf8(typed);
  std::string name;
  name.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    name += byte < 0x20 || byte == 0x7F ? ' ' : c;
  }
  // Cut at a character boundary, then drop the blanks at both ends.
  std::size_t chars = 0;
  for (std::size_t at = 0; at < name.size(); ++at) {
    if ((static_cast<unsigned char>(name[at]) & 0xC0) == 0x80) continue;
    if (chars++ == kTemplateNameMaxChars) {
      name.resize(at);
      break;
    }
  }
  const auto first = std::find_if_not(name.begin(), name.end(), IsBlank);
  const auto last = std::find_if_not(name.rbegin(), name.rend(), IsBlank).base();
  return first < last ? std::string(first, last) : std::string();
}

TFilterTemplate MakeUsable(TFilterTemplate t, Size screen) {
  // A screen smaller than the smallest frame is taken as that large.
  const std::int32_t screenWidth = std::max(screen.width, kMinFrameWidth);
  const std::int32_t screenHeight = std::max(screen.height, kMinFrameHeight);
  Box& frame = t.Frame;
  frame.width = ClampTo(frame.width, kMinFrameWidth, screenWidth);
  frame.height = ClampTo(frame.height, kMinFrameHeight, screenHeight);
  frame.left = ClampTo(frame.left, 0, screenWidth - frame.width);
  frame.top = ClampTo(frame.top, kFrameTopLimit, screenHeight - frame.height);

  if (t.Filter < 0 || t.Filter >= kFilterModeCount) t.Filter = fmColourInversion;
  for (std::uint32_t* colour :
       {&t.ColSubst1.Src, &t.ColSubst1.Dst, &t.ColSubst2.Src, &t.ColSubst2.Dst}) {
    if (*colour > 0x00FFFFFF) *colour = NoColour;
  }
  const TFilterSettings kept = MakeFilterSettings(t.Filter, t.ColSubst1, t.ColSubst2);
  t.ColSubst1 = kept.ColSubst1;
  t.ColSubst2 = kept.ColSubst2;
  return t;
}

TTemplateList MakeTemplateList(std::vector<std::string> names, std::string_view current) {
  TTemplateList list;
  list.names = std::move(names);
  if (list.names.empty()) list.names.emplace_back(current);
  std::sort(list.names.begin(), list.names.end(), LessNoCase);
  for (std::size_t i = 0; i < list.names.size(); ++i) {
    if (EqualsNoCase(list.names[i], current)) {
      list.selected = static_cast<int>(i);
      break;
    }
  }
  return list;
}

bool CanDeleteTemplate(const TTemplateList& list) {
  return list.names.size() > 1 && list.selected >= 0 &&
         static_cast<std::size_t>(list.selected) < list.names.size();
}

std::string TFilterTemplates::LastUsedName() const {
  const TIniFile file(files_, path_);
  return SanitizeTemplateName(file.ReadString(kLastUsedSection, kLastUsedNameKey, ""));
}

std::string TFilterTemplates::ResolveName(std::string_view requested,
                                          std::string_view defaultName) const {
  std::string name = SanitizeTemplateName(requested);
  if (name.empty()) name = LastUsedName();
  if (name.empty()) name = SanitizeTemplateName(defaultName);
  if (name.empty()) name = kFallbackTemplateName;
  return name;
}

TFilterTemplate TFilterTemplates::Load(std::string_view name, Size screen) const {
  TFilterTemplate t;
  const std::string section = SanitizeTemplateName(name);
  const auto document = TIniFile(files_, path_).Read();
  if (document && !section.empty() && document->HasSection(section)) {
    const TemplateReader read(*document, section);
    read.Integer(kLeft, t.Frame.left);
    read.Integer(kTop, t.Frame.top);
    read.Integer(kWidth, t.Frame.width);
    read.Integer(kHeight, t.Frame.height);
    read.Boolean(kForceOnTop, t.ForceOnTop);
    read.Integer(kFilter, t.Filter);
    read.Colour(kSrc1, t.ColSubst1.Src);
    read.Colour(kDst1, t.ColSubst1.Dst);
    read.Colour(kSrc2, t.ColSubst2.Src);
    read.Colour(kDst2, t.ColSubst2.Dst);
    read.Boolean(kMouseBars, t.MouseBars);
  }
  return MakeUsable(t, screen);
}

bool TFilterTemplates::Save(std::string_view name, const TFilterTemplate& t) {
  const std::string section = SanitizeTemplateName(name);
  if (section.empty()) return false;
  std::optional<TIniDocument> document;
  if (files_.IsFile(path_)) {
    // A file that is there but cannot be read must not be replaced by one
    // holding only this template.
    document = TIniFile(files_, path_).Read();
    if (!document) return false;
  } else {
    document = TIniDocument::Parse("");
  }
  document->SetValue(kLastUsedSection, kLastUsedNameKey, section);
  const struct {
    const char* key;
    std::string value;
  } entries[] = {
      {kLeft, IntegerText(t.Frame.left)},      {kTop, IntegerText(t.Frame.top)},
      {kWidth, IntegerText(t.Frame.width)},    {kHeight, IntegerText(t.Frame.height)},
      {kForceOnTop, t.ForceOnTop ? "1" : "0"}, {kFilter, IntegerText(t.Filter)},
      {kSrc1, IntegerText(t.ColSubst1.Src)},   {kDst1, IntegerText(t.ColSubst1.Dst)},
      {kSrc2, IntegerText(t.ColSubst2.Src)},   {kDst2, IntegerText(t.ColSubst2.Dst)},
      {kMouseBars, t.MouseBars ? "1" : "0"},
  };
  for (const auto& entry : entries) document->SetValue(section, entry.key, entry.value);
  return WriteFileAtomically(files_, path_, document->Serialize()) == WriteResult::Ok;
}

std::vector<std::string> TFilterTemplates::Names() const {
  std::vector<std::string> names;
  for (std::string& name : TIniFile(files_, path_).SectionNames()) {
    if (EqualsNoCase(name, kLastUsedSection)) continue;
    if (name.empty() || SanitizeTemplateName(name) != name) continue;
    names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), LessNoCase);
  return names;
}

bool TFilterTemplates::Delete(std::string_view name) {
  const std::string section = SanitizeTemplateName(name);
  if (section.empty() || EqualsNoCase(section, kLastUsedSection)) return false;
  return TIniFile(files_, path_).EraseSection(section);
}

}  // namespace vxl
