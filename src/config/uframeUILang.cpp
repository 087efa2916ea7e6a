#include "config/uframeUILang.h"

#include <algorithm>
#include <cctype>

namespace vxl {

std::vector<std::string> AvailableLanguages(
    const std::vector<std::string>& lngFiles,
    const std::function<bool(const std::string& msgFile)>& msgExists) {
  std::vector<std::string> languages;
  for (const std::string& file : lngFiles) {
    const std::string name = file.substr(0, file.find('.'));
    if (name.empty() || !msgExists(name + ".Msg")) continue;
    if (std::find(languages.begin(), languages.end(), name) == languages.end()) {
      languages.push_back(name);
    }
  }
  std::sort(languages.begin(), languages.end(), [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); });
  });
  return languages;
}

LanguageApply DecideLanguageApply(const std::optional<std::string>& selected,
                                  const std::string& current) {
  if (!selected) return LanguageApply::Beep;
  return *selected == current ? LanguageApply::Nothing : LanguageApply::Apply;
}

}  // namespace vxl
