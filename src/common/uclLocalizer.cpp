#include "common/uclLocalizer.h"

#include "common/Encoding.h"
#include "common/IniFile.h"
#include "common/uclMsgLoc.h"

namespace vxl {
namespace {

// A cache line split into what it addresses.
struct LineTarget {
  std::string component;
  std::string property;  // without the "+..." of a list line
  bool isList = false;
  std::string value;
};

LineTarget SplitLine(std::string_view line) {
  LineTarget target;
  const std::size_t equals = line.find('=');
  const std::string key = Trim(line.substr(0, equals));
  if (equals != std::string_view::npos) target.value = std::string(line.substr(equals + 1));
  const std::size_t dot = key.find('.');
  target.component = key.substr(0, dot);
  if (dot != std::string::npos) target.property = key.substr(dot + 1);
  const std::size_t plus = target.property.find('+');
  if (plus != std::string::npos) {
    target.isList = true;
    target.property.resize(plus);
  }
  return target;
}

}  // namespace

TFormLocalizer::TFormLocalizer(IFileSystem& files, IMessageBoxes& boxes, std::string nativeLanguage,
                               std::string directory, std::string language)
    : files_(files) {
  if (nativeLanguage.empty()) return;
  nativeLanguage_ = std::move(nativeLanguage);
  language_ = language.empty() ? nativeLanguage_ : std::move(language);
  SetDirectory(std::move(directory));
  fileFound_ = files_.IsFile(FilePath());
  if (!fileFound_) {
    boxes.Show(0, FilePath(), kMissingFileCaption, BoxIcon::Error, BoxButtons::Ok);
  }
}

void TFormLocalizer::SetDirectory(std::string directory) {
  if (!directory.empty() && directory.back() != '\\') directory += '\\';
  directory_ = std::move(directory);
}

std::string TFormLocalizer::FilePath() const { return directory_ + language_ + ".Lng"; }

void TFormLocalizer::SetControl(ILocalizableComponent* control) {
  control_ = control;
  if (cache_) cache_->clear();
}

bool TFormLocalizer::IsReady() const { return control_ != nullptr && fileFound_; }

bool TFormLocalizer::IsLoaded() const { return cache_ && IsReady() && !cache_->empty(); }

bool TFormLocalizer::Load(bool force) {
  if (!IsReady()) return false;
  if (!force && language_ == nativeLanguage_) {
    cache_.reset();
    return false;
  }
  cache_ = TIniFile(files_, FilePath()).ReadSectionLines(control_->Name());
  return true;
}

ILocalizableComponent* TFormLocalizer::FindTarget(std::string_view name) const {
  if (name == control_->Name()) return control_;
  return control_->FindComponent(name);
}

void TFormLocalizer::Localize(bool force) {
  if (!force && language_ == nativeLanguage_) return;
  if (!IsLoaded() && !Load(force)) return;
  const std::vector<std::string>& lines = *cache_;
  std::string previous;
  ILocalizableComponent* target = nullptr;
  for (std::size_t i = 0; i < lines.size();) {
    const LineTarget line = SplitLine(lines[i]);
    if (line.component != previous) target = FindTarget(line.component);
    if (line.isList && target != nullptr &&
        target->KindOf(line.property) == PropertyKind::StringList) {
      // The consecutive lines of one list make its whole content.
      std::vector<std::string> values;
      for (; i < lines.size(); ++i) {
        const LineTarget next = SplitLine(lines[i]);
        if (!next.isList || next.component != line.component || next.property != line.property) {
          break;
        }
        values.push_back(ReplaceBlankMarks(next.value));
      }
      if (target->Tag() != kKeepTextsTag) target->SetLines(line.property, values);
      // The list's full name differs from any component name, so the next
      // line looks its component up again.
      previous = line.component + "." + line.property;
      target = nullptr;
      continue;
    }
    if (!line.isList && target != nullptr) SetProperty(*target, line.property, line.value);
    previous = line.component;
    ++i;
  }
  if (onLocalized_) onLocalized_(*this);
}

void TFormLocalizer::SetProperty(ILocalizableComponent& component, std::string_view property,
                                 std::string_view value) {
  if (component.Tag() == kKeepTextsTag) return;
  if (component.KindOf(property) != PropertyKind::Text) return;
  component.SetText(property, ReplaceBlankMarks(value));
}

}  // namespace vxl
