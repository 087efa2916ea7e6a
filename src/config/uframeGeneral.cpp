#include "config/uframeGeneral.h"

#include <algorithm>
#include <cctype>

namespace vxl {
namespace {

constexpr const char* kProfileExtension = ".cnf";
constexpr const char* kDefaultName = "Default";

int CompareText(const std::string& a, const std::string& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int ca = std::tolower(static_cast<unsigned char>(a[i]));
    const int cb = std::tolower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return !prefix.empty() && text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

std::string StartWithWindowsValue(const std::string& programFolder) {
  return "\"" + programFolder + "Vexilor2.exe\"";
}

std::string ConfigDisplayName(bool fromTemplates, const std::string& fileName,
                              const std::string& prefix) {
  std::string name = fileName;
  const std::size_t at = name.find(kProfileExtension);
  if (at != std::string::npos) name.erase(at, std::char_traits<char>::length(kProfileExtension));
  return fromTemplates ? prefix + name : name;
}

std::size_t SortedPosition(const std::vector<std::string>& items, const std::string& item) {
  const auto it = std::upper_bound(
      items.begin(), items.end(), item,
      [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
  return static_cast<std::size_t>(it - items.begin());
}

int FindItem(const std::vector<std::string>& items, const std::string& text) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (CompareText(items[i], text) == 0) return static_cast<int>(i);
  }
  return -1;
}

ConfigList FillConfigList(const std::vector<std::string>& templateFiles,
                          const std::vector<std::string>& userFiles, const std::string& prefix) {
  ConfigList list;
  auto add = [&](bool fromTemplates, const std::string& file) {
    const std::string name = ConfigDisplayName(fromTemplates, file, prefix);
    list.items.insert(
        list.items.begin() + static_cast<std::ptrdiff_t>(SortedPosition(list.items, name)), name);
  };
  for (const std::string& file : templateFiles) add(true, file);
  for (const std::string& file : userFiles) add(false, file);
  list.selected = FindItem(list.items, kDefaultName);
  return list;
}

int SelectionAfterRemoval(int removed, int count) {
  const int remaining = count - 1;
  if (remaining <= 0) return -1;
  return std::min(removed, remaining - 1);
}

ConfigChoice ChooseConfig(const std::string& item, const std::string& prefix) {
  if (StartsWith(item, prefix)) return {item.substr(prefix.size()), true};
  return {item, false};
}

std::string DeletableFile(const std::string& item) {
  const std::string file = item + kProfileExtension;
  if (file.find(std::string(kDefaultName) + kProfileExtension) != std::string::npos) return {};
  return file;
}

std::string TrimBlanks(const std::string& text) {
  // Blanks and control characters, as the edit's trimming has always taken.
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  const auto first = std::find_if_not(text.begin(), text.end(), blank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
  return first < last ? std::string(first, last) : std::string();
}

SavePlan PlanSave(const std::string& trimmedName, SaveTarget target, const std::string& userName,
                  const std::string& languageName, const std::string& prefix) {
  SavePlan plan;
  if (trimmedName.empty()) return plan;
  switch (target) {
    case SaveTarget::Transport: plan.action = SavePlan::CopyForTransport; return plan;
    case SaveTarget::Me:
      plan.folder = userName;
      plan.displayName = trimmedName;
      break;
    case SaveTarget::Global:
      plan.folder = languageName;
      plan.displayName = prefix + trimmedName;
      plan.toTemplates = true;
      // No global template may take the shared default's name.
      if (plan.displayName == prefix + kDefaultName) return SavePlan{};
      break;
  }
  plan.action = SavePlan::Save;
  return plan;
}

}  // namespace vxl
