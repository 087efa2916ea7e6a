// The decisions of the General page: how saved configurations are named and
// listed, which file a choice means, what deleting and saving may do, and
// the value that starts the service with Windows. The page's window only
// fills its controls from these and calls the profile storage.
#pragma once

#include <string>
#include <vector>

namespace vxl {

// The Run value's name under the user's "...\CurrentVersion\Run" key, and
// its data: the quoted full path of the service program.
inline constexpr const char* kRunValueName = "Vexilor2";
inline constexpr const char* kRunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
std::string StartWithWindowsValue(const std::string& programFolder);

// A file name without its first ".cnf" (exact case); a template's name has
// the prefix in front.
std::string ConfigDisplayName(bool fromTemplates, const std::string& fileName,
                              const std::string& prefix);

// The page's list: the templates of the language, then the user's own
// profiles, sorted as the list sorts (letters without regard to case), with
// "Default" selected when there is one (-1: nothing selected).
struct ConfigList {
  std::vector<std::string> items;
  int selected = -1;
};
ConfigList FillConfigList(const std::vector<std::string>& templateFiles,
                          const std::vector<std::string>& userFiles, const std::string& prefix);
// Where an item goes in the sorted list.
std::size_t SortedPosition(const std::vector<std::string>& items, const std::string& item);
// The item to select after the one at removed went from a list of count
// items (count before the removal): the same position, or the one before
// for the last; -1 when the list is empty.
int SelectionAfterRemoval(int removed, int count);
// The index of the item equal to text without regard to case, -1 for none.
int FindItem(const std::vector<std::string>& items, const std::string& text);

// What an item of the list means: its profile name and whether it is a
// global template (its text begins with the prefix).
struct ConfigChoice {
  std::string name;
  bool isTemplate = false;
};
ConfigChoice ChooseConfig(const std::string& item, const std::string& prefix);

// The file the delete button would remove, or empty when the item may not
// be deleted: "Default" and every name ending in "Default" (the file name
// contains "Default.cnf").
std::string DeletableFile(const std::string& item);

// Blanks (and control characters) trimmed from both ends, as the name edit
// is before saving.
std::string TrimBlanks(const std::string& text);

enum class SaveTarget { Me, Global, Transport };
// What the save button does with the trimmed name.
struct SavePlan {
  enum Action { Beep, CopyForTransport, Save } action = Beep;
  bool toTemplates = false;
  std::string folder;       // the user name, or the language name for a template
  std::string displayName;  // the list's text for it
};
SavePlan PlanSave(const std::string& trimmedName, SaveTarget target, const std::string& userName,
                  const std::string& languageName, const std::string& prefix);

}  // namespace vxl
