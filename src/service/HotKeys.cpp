#include "service/HotKeys.h"

namespace vxl {

void RegisterHotKeyTable(const TConfigRecord& record,
                         const std::function<std::uint32_t(std::uint32_t value)>& add,
                         const std::function<void(std::uint32_t value)>& refused) {
  for (const THotKeyEntry& entry : record.hotKeys) {
    if (entry.hotKey == 0) break;
    if (add(entry.hotKey) == 0) refused(entry.hotKey);
  }
}

std::string RefusedHotKeysText(const std::vector<std::string>& keyTexts,
                               const std::string& cantBeAssigned) {
  std::string text;
  for (const std::string& key : keyTexts) {
    if (!text.empty()) text += "\r\n";
    text += key + cantBeAssigned;
  }
  return text;
}

std::int32_t HotKeyAction(const TConfigRecord& record, std::uint32_t value) {
  if (value == 0) return 0;
  for (const THotKeyEntry& entry : record.hotKeys) {
    if (entry.hotKey == value) return entry.actionCode;
  }
  return 0;
}

}  // namespace vxl
